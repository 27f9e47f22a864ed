// The login dialog driven as an operator would: typed numbers and passwords, Enter,
// the mode buttons, and the messages of every refusal.
#include "Connections.h"
#include "DataModule.h"
#include "HouseStyle.h"
#include "MsgBox.h"
#include "MsgBoxSpy.h"
#include "Screenshot.h"
#include "Sql.h"
#include "TestDatabase.h"
#include "TestStaff.h"
#include "frmLogin.h"
#include "frmSetLocalBN.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <memory>

class TestLogin : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { HouseStyle::apply(*qApp); } // screenshots show what the operator sees
    void init();
    void cleanup();

    void confirm_data();
    void confirm();
    void keyboardPath();
    void modeButtons();
    void localModeUsesTheLocalFile();
    void unreachableServerIsNamed();
    void reloginOffersThePreviousNumber();
    void firstLoginAsksForInitialNumbers();

private:
    void type(TfrmLogin &dlg, const QString &clerk, const QString &psw, const QString &cashier, const QString &cpsw)
    {
        dlg.edOpCode->setText(clerk);
        dlg.edPsw->setText(psw);
        dlg.edtAmter->setText(cashier);
        dlg.edtAmtPsw->setText(cpsw);
    }
    void addCounters(const QSqlDatabase &local)
    {
        Sql::run(local, QStringLiteral("INSERT INTO SYSPARAM (ID, PRMCODE, VALUE2, ISWAS) VALUES "
                                       "(1, 'LOCALBILLNO_SELL', '100', 0), (2, 'LOCALBILLNO_ORDER', '200', 0)"));
    }
    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<TDM> dm;
    std::shared_ptr<MsgBoxSpy> spy;
};

void TestLogin::init()
{
    db = std::make_unique<TestDatabase>();
    dm = std::make_unique<TDM>();
    dm->setConnections(db->server(), db->local());
    spy = MsgBoxSpy::install();
    const QSqlDatabase s = db->server();
    TestStaff::add(s, 1, "001", "张三", "D", "1", 1);
    TestStaff::add(s, 2, "002", "李四", "E", "2", 1);
    TestStaff::add(s, 3, "009", "王五", "D", "9", 1);
    TestStaff::add(s, 4, "009", "赵六", "D", "9", 1);
    TestStaff::add(s, 5, "005", "钱七", "D", "5", 1);
    Sql::run(s, QStringLiteral("UPDATE STAFF SET ISACTIVE = 0 WHERE ID = 5"));
    TestStaff::add(s, 6, "006", "孙八", "E", "6");
    addCounters(db->local());
}

void TestLogin::cleanup()
{
    SetMsgBoxPresenter(nullptr);
    spy.reset();
    dm.reset();
    db.reset();
}

void TestLogin::confirm_data()
{
    QTest::addColumn<QStringList>("typed"); // clerk, password, cashier, password
    QTest::addColumn<QString>("message");   // empty: the login is confirmed
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("operatorId");    // Operator.StfID afterwards
    const QString badClerk = QStringLiteral("开单员工号或密码输入不正确,请重新输入.");
    const QString badCashier = QStringLiteral("收款员工号或密码输入不正确,请重新输入.");
    QTest::newRow("clerk and cashier") << QStringList({"001", "1", "002", "2"}) << QString() << "" << 1;
    QTest::newRow("wrong clerk password") << QStringList({"001", "x", "002", "2"}) << badClerk << "edOpCode" << 0;
    QTest::newRow("wrong cashier, clerk kept") << QStringList({"001", "1", "002", "x"}) << badCashier << "edtAmter" << 1;
    QTest::newRow("duplicate clerk number") << QStringList({"009", "9", "002", "2"})
                                            << QStringLiteral("发现重复的开单员工号,请联络系统管理员.") << "edOpCode" << 0;
    QTest::newRow("duplicate cashier number") << QStringList({"001", "1", "009", "9"})
                                              << QStringLiteral("发现重复的收款员工号,请联络系统管理员.") << "edtAmter" << 1;
    QTest::newRow("inactive staff logs in") << QStringList({"005", "5", "002", "2"}) << QString() << "" << 5;
    QTest::newRow("same person twice") << QStringList({"001", "1", "001", "1"}) << QString() << "" << 1;
    QTest::newRow("trailing blanks ignored") << QStringList({"001  ", "1 ", "002", "2"}) << QString() << "" << 1;
    QTest::newRow("empty number") << QStringList({"", "", "002", "2"}) << badClerk << "edOpCode" << 0;
    QTest::newRow("number with SQL") << QStringList({"' OR '1'='1", "' OR '1'='1", "002", "2"}) << badClerk << "edOpCode" << 0;
    QTest::newRow("200-character password") << QStringList({"001", QString(200, u'1'), "002", "2"}) << badClerk << "edOpCode" << 0;
}

void TestLogin::confirm()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(int, operatorId);

    TfrmLogin dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    type(dlg, typed[0], typed[1], typed[2], typed[3]);
    dlg.chkUpdateLocal->setChecked(false);
    QTest::mouseClick(dlg.btnOK, Qt::LeftButton);

    QCOMPARE(dm->Operator.StfID, operatorId);
    for (const auto &m : spy->messages)
        QVERIFY2(m.kind != mbError, qPrintable(m.text)); // never an error box
    if (message.isEmpty()) {
        QVERIFY(spy->messages.isEmpty());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(!dm->LocalMode);
        QVERIFY(dm->Cashier.StfID > 0);
    } else {
        QCOMPARE(spy->messages.size(), 1);
        QCOMPARE(spy->messages.first().kind, int(mbInformation));
        QCOMPARE(spy->lastText(), message);
        QVERIFY(dlg.isVisible());
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QCOMPARE(edit->selectedText(), edit->text());
    }
}

void TestLogin::keyboardPath()
{
    TfrmLogin dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    dlg.chkUpdateLocal->setChecked(false);
    QCOMPARE(QApplication::focusWidget(), dlg.edOpCode);
    QTest::keyClicks(dlg.edOpCode, "006");
    QTest::keyClick(dlg.edOpCode, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), dlg.edPsw);
    QTest::keyClicks(dlg.edPsw, "6");
    QTest::keyClick(dlg.edPsw, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), dlg.edtAmter);
    QTest::keyClicks(dlg.edtAmter, "002");
    QTest::keyClick(dlg.edtAmter, Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), dlg.edtAmtPsw);
    QTest::keyClicks(dlg.edtAmtPsw, "2");
    QTest::keyClick(dlg.edtAmtPsw, Qt::Key_Return); // presses " 登  陆"
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    // A staff member without a department.
    QCOMPARE(dm->Operator.StfName, QStringLiteral("孙八"));
    QCOMPARE(dm->Operator.DepID, 0);
    QCOMPARE(dm->Operator.DepName, QString());
    QCOMPARE(dm->Cashier.DepName, QStringLiteral("部门1"));
    QCOMPARE(dlg.edPsw->echoMode(), QLineEdit::Password);
    SaveScreenshot(&dlg, QStringLiteral("login"));
}

void TestLogin::modeButtons()
{
    TfrmLogin dlg;
    dlg.show();
    QVERIFY(dlg.rdoNet->isChecked());
    QVERIFY(dlg.chkUpdateLocal->isChecked());
    QTest::mouseClick(dlg.rdoLocal, Qt::LeftButton);
    QVERIFY(!dlg.chkUpdateLocal->isChecked());
    QVERIFY(!dlg.chkUpdateLocal->isEnabled());
    QTest::mouseClick(dlg.rdoNet, Qt::LeftButton);
    QVERIFY(dlg.chkUpdateLocal->isChecked());
    QVERIFY(dlg.chkUpdateLocal->isEnabled());
}

void TestLogin::localModeUsesTheLocalFile()
{
    // The local file knows only the people its last download brought.
    TestStaff::add(db->local(), 1, "001", "张三", "D", "1");
    TestStaff::add(db->local(), 2, "002", "李四", "E", "2");
    TfrmLogin dlg;
    dlg.show();
    QTest::mouseClick(dlg.rdoLocal, Qt::LeftButton);
    type(dlg, "001", "1", "002", "2");
    QTest::mouseClick(dlg.btnOK, Qt::LeftButton);
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QVERIFY(dm->LocalMode);
    QCOMPARE(dm->Operator.StfName, QStringLiteral("张三"));

    // A person known only to the server cannot log in locally; the mode stays chosen.
    TfrmLogin again;
    again.show();
    QTest::mouseClick(again.rdoLocal, Qt::LeftButton);
    type(again, "006", "6", "002", "2");
    QTest::mouseClick(again.btnOK, Qt::LeftButton);
    QCOMPARE(spy->lastText(), QStringLiteral("开单员工号或密码输入不正确,请重新输入."));
    QVERIFY(dm->LocalMode);
}

void TestLogin::unreachableServerIsNamed()
{
    // A data module whose server could not be opened at start; kilnbook.ini names a
    // server nobody listens on.
    QTemporaryDir folder;
    DataFolder::setPath(folder.path());
    ServerSettings s;
    s.driver = QStringLiteral("QPSQL");
    s.host = QStringLiteral("127.0.0.1");
    s.port = 1;
    s.database = QStringLiteral("kilnbook");
    s.user = QStringLiteral("nobody");
    s.save(DataFolder::iniFile());
    dm->setConnections(QSqlDatabase(), db->local());

    TfrmLogin dlg;
    dlg.show();
    type(dlg, "001", "1", "002", "2");
    QTest::mouseClick(dlg.btnOK, Qt::LeftButton);
    QCOMPARE(spy->messages.size(), 1);
    QCOMPARE(spy->messages.first().kind, int(mbError));
    QVERIFY2(spy->lastText().startsWith(QStringLiteral("无法打开服务器数据库：")), qPrintable(spy->lastText()));
    QVERIFY(spy->lastText().size() > 12); // the driver says why
    QVERIFY(dlg.isVisible());
    QCOMPARE(dlg.result(), 0);
    QCOMPARE(dm->Operator.StfID, 0);
}

void TestLogin::reloginOffersThePreviousNumber()
{
    dm->Operator.StfNo = QStringLiteral("001");
    TfrmLogin dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QCOMPARE(dlg.edOpCode->text(), QStringLiteral("001"));
    QCOMPARE(dlg.edOpCode->selectedText(), QStringLiteral("001"));
}

void TestLogin::firstLoginAsksForInitialNumbers()
{
    Sql::run(db->local(), QStringLiteral("DELETE FROM SYSPARAM"));
    bool asked = false;
    QTimer::singleShot(0, this, [&] {
        auto *setDlg = qobject_cast<TfrmSetLocalBN *>(QApplication::activeModalWidget());
        QVERIFY(setDlg);
        asked = true;
        setDlg->edtSellNo->setText(QStringLiteral("500"));
        setDlg->edtOrderNo->setText(QStringLiteral("700"));
        QTest::mouseClick(setDlg->btnOK, Qt::LeftButton);
    });
    TfrmLogin dlg;
    dlg.show();
    type(dlg, "001", "1", "002", "2");
    dlg.chkUpdateLocal->setChecked(false);
    QTest::mouseClick(dlg.btnOK, Qt::LeftButton);
    QVERIFY(asked);
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(Sql::scalar(db->local(), QStringLiteral("SELECT VALUE2 FROM SYSPARAM WHERE PRMCODE = 'LOCALBILLNO_SELL'")).toString(),
             QStringLiteral("500"));
}

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
