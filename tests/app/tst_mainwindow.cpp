// The main window: role gates of the menu and the navigation bar, one window per kind,
// the layouts of the two modes, and the system menu.
#include "AppOpeners.h"
#include "DataModule.h"
#include "HouseStyle.h"
#include "MdiHost.h"
#include "MsgBox.h"
#include "MsgBoxSpy.h"
#include "Screenshot.h"
#include "Sql.h"
#include "TestDatabase.h"
#include "TestStaff.h"
#include "frmLogin.h"
#include "frmMain.h"
#include "frmPrtMDIChild.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBox>
#include <QToolButton>
#include <memory>

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { HouseStyle::apply(*qApp); } // screenshots show what the operator sees
    void init();
    void cleanup();

    void gates_data();
    void gates();
    void navigationBarUsesTheSameGates();
    void itemsWithoutAWindowAreDisabled();
    void oneWindowPerKind();
    void documentWindowPlacement();
    void networkLayoutAndTitle();
    void localLayout();
    void systemMenu();
    void reloginRefreshesTheWindow();
    void dictionaryMenuOpensItsWindows();

private:
    void loginAs(const QString &role, bool local = false)
    {
        Sql::run(db->server(), QStringLiteral("UPDATE STAFF SET ROLE = :R WHERE ID = 1"), {{"R", role}});
        dm->LocalMode = local;
        dm->Operator = clerk;
        dm->Cashier = cashier;
        dm->RefreshBaseData();
        win->applyLogin();
    }
    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<TDM> dm;
    std::unique_ptr<TfrmMain> win;
    std::shared_ptr<MsgBoxSpy> spy;
    TStaff clerk, cashier;
    QStringList opened;
};

void TestMainWindow::init()
{
    db = std::make_unique<TestDatabase>();
    dm = std::make_unique<TDM>();
    dm->setConnections(db->server(), db->local());
    spy = MsgBoxSpy::install();
    clerk = TestStaff::add(db->server(), 1, "001", "张三", "D", "1", 1);
    cashier = TestStaff::add(db->server(), 2, "002", "李四", "E", "2", 1);
    Sql::run(db->server(), QStringLiteral("UPDATE SYSPARAM SET VALUE1 = '恒丰陶瓷' WHERE PRMCODE = 'ComName'"));
    win = std::make_unique<TfrmMain>();
    opened.clear();
    // Every function item opens a recorder in place of its window.
    const auto actions = win->findChildren<QAction *>();
    for (QAction *a : actions) {
        const QString name = a->objectName();
        if (!name.isEmpty() && !a->isEnabled())
            win->setOpener(name, [this, name] { opened << name; });
    }
    win->resize(1000, 700);
    win->show();
}

void TestMainWindow::cleanup()
{
    win.reset();
    SetMsgBoxPresenter(nullptr);
    spy.reset();
    dm.reset();
    db.reset();
}

void TestMainWindow::gates_data()
{
    QTest::addColumn<QString>("role");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("refusal"); // empty: the item opens
    const QString noEntry = QStringLiteral("你没有权限进入此界面");
    const QString noRight = QStringLiteral("你没有权限！");
    QTest::newRow("clerk opens the sales bill") << "D" << "nBillSell" << QString();
    QTest::newRow("clerk refused outbound confirmation") << "D" << "nSellCfm" << noRight;
    QTest::newRow("clerk passes the stock query's menu gate") << "D" << "nProdDtl" << QString();
    QTest::newRow("F opens the order bill") << "F" << "nBillOrder" << QString();
    QTest::newRow("cashier refused the sales bill") << "E" << "nBillSell" << noEntry;
    QTest::newRow("keeper opens stocktaking") << "C" << "N13" << QString();
    QTest::newRow("H opens the stocktaking bill") << "H" << "mmiBalDetail" << QString();
    QTest::newRow("clerk refused stocktaking") << "D" << "N13" << QStringLiteral("你没有H权限进入此界面");
    QTest::newRow("finance opens receipts") << "B" << "nBillPay" << QString();
    QTest::newRow("keeper refused receipts") << "C" << "nBillPay" << noRight;
    QTest::newRow("keeper opens the warehouse receipt") << "C" << "NBillIn" << QString();
    QTest::newRow("finance refused the warehouse receipt") << "B" << "NBillIn" << noEntry;
    QTest::newRow("customers for finance") << "B" << "nCustomer" << QString();
    QTest::newRow("customers refused to a clerk") << "D" << "nCustomer" << noRight;
    QTest::newRow("places for the administrator only") << "BCDE" << "nPlace" << noRight;
    QTest::newRow("report centre without gate") << "" << "nReport" << QString();
    QTest::newRow("padded role") << "  C  " << "nSellCfm" << QString();
    QTest::newRow("no role at all") << "" << "nBillSell" << noEntry;
}

void TestMainWindow::gates()
{
    QFETCH(QString, role);
    QFETCH(QString, item);
    QFETCH(QString, refusal);
    loginAs(role);
    QAction *a = win->action(item);
    QVERIFY(a);
    a->trigger();
    if (refusal.isEmpty()) {
        QCOMPARE(opened, QStringList({item}));
        QVERIFY(spy->messages.isEmpty());
    } else {
        QVERIFY(opened.isEmpty());
        QCOMPARE(spy->messages.size(), 1);
        QCOMPARE(spy->messages.first().kind, int(mbError));
        QCOMPARE(spy->lastText(), refusal);
    }
}

void TestMainWindow::navigationBarUsesTheSameGates()
{
    // "入仓单" on the navigation bar asks for B or F, the menu item for C or F.
    loginAs(QStringLiteral("C"));
    win->fcOutlookBar2->setCurrentIndex(1); // the operator opens the page "仓库管理"
    auto *nav = win->findChild<QToolButton *>(QStringLiteral("pageStore_actTBillIn"));
    QVERIFY(nav);
    QTest::mouseClick(nav, Qt::LeftButton);
    QCOMPARE(spy->lastText(), QStringLiteral("你没有权限进入此界面"));
    QVERIFY(opened.isEmpty());
    loginAs(QStringLiteral("B"));
    QTest::mouseClick(nav, Qt::LeftButton);
    QCOMPARE(opened, QStringList({"NBillIn"})); // the same window as the menu item
    loginAs(QStringLiteral("D"));
    auto *sell = win->findChild<QToolButton *>(QStringLiteral("pageSell_nBillSell"));
    QTest::mouseClick(sell, Qt::LeftButton);
    QCOMPARE(opened.last(), QStringLiteral("nBillSell"));
}

void TestMainWindow::itemsWithoutAWindowAreDisabled()
{
    TfrmMain fresh;
    QVERIFY(!fresh.action(QStringLiteral("nBillSell"))->isEnabled());
    QVERIFY(fresh.action(QStringLiteral("NChgPsw"))->isEnabled());
    QVERIFY(fresh.action(QStringLiteral("nRefreshData"))->isEnabled());
    auto *nav = fresh.findChild<QToolButton *>(QStringLiteral("pageSell_nBillSell"));
    QVERIFY(!nav->isEnabled());
    fresh.setOpener(QStringLiteral("nBillSell"), [] {});
    QVERIFY(nav->isEnabled());
    // Hidden items stay hidden.
    QVERIFY(!fresh.action(QStringLiteral("nBillProdIn"))->isVisible());
    QVERIFY(!fresh.action(QStringLiteral("N19"))->isVisible());
    QVERIFY(!fresh.findChild<QMenu *>(QStringLiteral("N26"))->menuAction()->isVisible());
}

void TestMainWindow::oneWindowPerKind()
{
    loginAs(QStringLiteral("D"));
    int created = 0;
    win->setOpener(QStringLiteral("nBillSell"), [&] {
        MdiHost::open<TfrmPrtMDIChild>(QStringLiteral("frmBillSell"), [&] {
            ++created;
            auto *w = new TfrmPrtMDIChild(QStringLiteral("frmBillSell"));
            w->setWindowTitle(QStringLiteral("销售单"));
            return w;
        });
    });
    win->action(QStringLiteral("nBillSell"))->trigger();
    win->action(QStringLiteral("nBillSell"))->trigger();
    QCOMPARE(created, 1);
    QCOMPARE(win->mdiArea()->subWindowList().size(), 1);
    QVERIFY(MdiHost::FindMDIChild(QStringLiteral("FRMBILLSELL")));
    QVERIFY(!MdiHost::FindMDIChild(QStringLiteral("frmBillOrder")));

    // The window menu lists it; closing destroys it and the next click makes a fresh one.
    win->miWindows->aboutToShow();
    QVERIFY(win->miWindows->actions().last()->text().contains(QStringLiteral("销售单")));
    win->mdiArea()->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!MdiHost::FindMDIChild(QStringLiteral("frmBillSell")));
    win->action(QStringLiteral("nBillSell"))->trigger();
    QCOMPARE(created, 2);
}

void TestMainWindow::documentWindowPlacement()
{
    QCOMPARE(TfrmPrtMDIChild::placementSize(QSize(1000, 700), 900), QSize(900, 490));
    QCOMPARE(TfrmPrtMDIChild::placementSize(QSize(1000, 700), 400), QSize(600, 490));
    QCOMPARE(TfrmPrtMDIChild::placementSize(QSize(800, 300), 0), QSize(600, 300)); // never below the minimum
}

void TestMainWindow::networkLayoutAndTitle()
{
    loginAs(QStringLiteral("D"));
    QCOMPARE(win->windowTitle(), QStringLiteral("恒丰陶瓷-企业信息管理软件-v3.002 版  操作员:张三  收款员:李四"));
    QCOMPARE(win->lbStaff->text(), QStringLiteral("操作员 张三"));
    QVERIFY(win->lbDept->text().contains(QStringLiteral("恒丰陶瓷")));
    QCOMPARE(win->lbTitleMsg->text(), QStringLiteral("欢迎使用Velmora陶瓷管理系统"));
    QCOMPARE(win->fcOutlookBar2->count(), 4);
    QCOMPARE(win->fcOutlookBar2->itemText(0), QStringLiteral("销售管理"));
    QCOMPARE(win->fcOutlookBar2->itemText(3), QString());
    QVERIFY(!win->fcOutlookBar2->isItemEnabled(3));
    QVERIFY(win->action(QStringLiteral("nUpdate"))->isVisible());
    SaveScreenshot(win.get(), QStringLiteral("main-network"));

    Sql::run(db->server(), QStringLiteral("UPDATE SYSPARAM SET VALUE1 = '' WHERE PRMCODE = 'ComName'"));
    loginAs(QStringLiteral("D"));
    QVERIFY(win->windowTitle().startsWith(u'-'));
}

void TestMainWindow::localLayout()
{
    loginAs(QStringLiteral("D"), true);
    QStringList menus;
    for (QAction *a : win->menuBar()->actions())
        if (a->isVisible())
            menus << a->text();
    QCOMPARE(menus, QStringList({"销售管理", "窗口", "系统"}));
    QStringList sales;
    for (QAction *a : win->findChild<QMenu *>(QStringLiteral("N3"))->actions())
        if (a->isVisible())
            sales << a->text();
    QCOMPARE(sales, QStringList({"销售单", "订货单"}));
    QVERIFY(!win->action(QStringLiteral("nUpdate"))->isVisible());
    QCOMPARE(win->fcOutlookBar2->count(), 1);
    QCOMPARE(win->fcOutlookBar2->itemText(0), QStringLiteral("日常操作"));
    SaveScreenshot(win.get(), QStringLiteral("main-local"));

    // The local refresh still reports success.
    win->action(QStringLiteral("nRefreshData"))->trigger();
    QCOMPARE(spy->lastText(), QStringLiteral("基础数据已经刷新完毕."));

    // Back to network mode: everything returns.
    loginAs(QStringLiteral("D"), false);
    QCOMPARE(win->fcOutlookBar2->count(), 4);
    QVERIFY(win->findChild<QMenu *>(QStringLiteral("N8"))->menuAction()->isVisible());
}

void TestMainWindow::systemMenu()
{
    loginAs(QStringLiteral("D"));
    spy->answer(mrCancel);
    win->action(QStringLiteral("nExit"))->trigger();
    QCOMPARE(spy->lastText(), QStringLiteral("真的退出系统吗？"));
    QVERIFY(win->isVisible());

    // Upload with nothing to upload.
    spy->answer(mrOk);
    win->action(QStringLiteral("nUpdate"))->trigger();
    QCOMPARE(spy->lastText(), QStringLiteral("本地数据已成功上传到中心服务器！"));
    spy->answer(mrCancel);
    win->action(QStringLiteral("mmiUploadLocal"))->trigger();
    QCOMPARE(spy->lastText(), QStringLiteral("同步基础数据需要一定的时间，确实要同步吗？"));

    // Locking hides the work until someone logs in again.
    auto *lock = win->findChild<QAction *>(QStringLiteral("btnLock"));
    lock->trigger();
    QVERIFY(!win->menuBar()->isEnabled());
    QTimer::singleShot(0, this, [] {
        auto *dlg = qobject_cast<TfrmLogin *>(QApplication::activeModalWidget());
        QVERIFY(dlg);
        dlg->edPsw->setText(QStringLiteral("1"));
        dlg->edtAmter->setText(QStringLiteral("002"));
        dlg->edtAmtPsw->setText(QStringLiteral("2"));
        QTest::mouseClick(dlg->btnOK, Qt::LeftButton);
    });
    Sql::run(db->local(), QStringLiteral("INSERT INTO SYSPARAM (ID, PRMCODE, VALUE2, ISWAS) VALUES "
                                         "(1, 'LOCALBILLNO_SELL', '1', 0), (2, 'LOCALBILLNO_ORDER', '1', 0)"));
    dm->Operator.StfNo = QStringLiteral("001");
    QTest::mouseClick(win->findChild<QPushButton *>(QStringLiteral("btnUnlock")), Qt::LeftButton);
    QVERIFY(win->menuBar()->isEnabled());

    spy->answer(mrOk);
    win->action(QStringLiteral("nExit"))->trigger();
    QVERIFY(!win->isVisible());
}

void TestMainWindow::reloginRefreshesTheWindow()
{
    loginAs(QStringLiteral("D"));
    TestStaff::add(db->server(), 3, "003", "王五", "D", "3");
    Sql::run(db->local(), QStringLiteral("INSERT INTO SYSPARAM (ID, PRMCODE, VALUE2, ISWAS) VALUES "
                                         "(1, 'LOCALBILLNO_SELL', '1', 0), (2, 'LOCALBILLNO_ORDER', '1', 0)"));
    QTimer::singleShot(0, this, [] {
        auto *dlg = qobject_cast<TfrmLogin *>(QApplication::activeModalWidget());
        QVERIFY(dlg);
        QCOMPARE(dlg->edOpCode->text(), QStringLiteral("001"));
        dlg->edOpCode->setText(QStringLiteral("003"));
        dlg->edPsw->setText(QStringLiteral("3"));
        dlg->edtAmter->setText(QStringLiteral("002"));
        dlg->edtAmtPsw->setText(QStringLiteral("2"));
        dlg->chkUpdateLocal->setChecked(false);
        QTest::mouseClick(dlg->btnOK, Qt::LeftButton);
    });
    win->action(QStringLiteral("nLogin"))->trigger();
    QCOMPARE(dm->Operator.StfName, QStringLiteral("王五"));
    QVERIFY(win->windowTitle().contains(QStringLiteral("操作员:王五")));
    QCOMPARE(win->lbStaff->text(), QStringLiteral("操作员 王五"));
}

void TestMainWindow::dictionaryMenuOpensItsWindows()
{
    TfrmMain fresh;
    WireOpeners(fresh);
    fresh.show();
    loginAs(QStringLiteral("D"));
    QString shown;
    QTimer::singleShot(0, this, [&] {
        QWidget *dlg = QApplication::activeModalWidget();
        QVERIFY(dlg);
        shown = dlg->windowTitle();
        dlg->close();
    });
    fresh.action(QStringLiteral("nDept"))->trigger();
    QVERIFY2(!shown.isEmpty(), "the department window did not open");
    // The menu gate comes first: customers are refused to a clerk.
    fresh.action(QStringLiteral("nCustomer"))->trigger();
    QCOMPARE(spy->lastText(), QStringLiteral("你没有权限！"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
