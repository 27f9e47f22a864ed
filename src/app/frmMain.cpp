#include "frmMain.h"

#include "DataModule.h"
#include "Guard.h"
#include "MainMenuItems.h"
#include "MdiHost.h"
#include "MsgBox.h"
#include "LocalTransfer.h"
#include "frmChgPsw.h"
#include "frmLogin.h"
#include "frmProgress.h"
#include "frmSetLocalBN.h"

#include <QAction>
#include <QDateTime>
#include <QDockWidget>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolBox>
#include <QToolButton>
#include <QVBoxLayout>

TfrmMain::TfrmMain(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    resize(1280, 800);

    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    m_mdi->setBackground(QColor(0xDC, 0xE3, 0xEA));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    m_lockPage = new QWidget(this);
    m_lockPage->setObjectName(QStringLiteral("pnlLocked"));
    auto *lockLayout = new QVBoxLayout(m_lockPage);
    auto *lockText = new QLabel(QStringLiteral("屏幕已锁定"), m_lockPage);
    lockText->setAlignment(Qt::AlignCenter);
    lockText->setStyleSheet(QStringLiteral("font-size: 20pt; color: #1F4E79;"));
    auto *unlock = new QPushButton(QStringLiteral("重新登录以解锁"), m_lockPage);
    unlock->setObjectName(QStringLiteral("btnUnlock"));
    lockLayout->addStretch();
    lockLayout->addWidget(lockText);
    lockLayout->addWidget(unlock, 0, Qt::AlignCenter);
    lockLayout->addStretch();
    connect(unlock, &QPushButton::clicked, this, [this] {
        if (RunLogin(this)) {
            applyLogin();
            m_centre->setCurrentWidget(m_mdi);
            menuBar()->setEnabled(true);
            pnlNavBar->setEnabled(true);
        }
    });

    m_centre = new QStackedWidget(this);
    m_centre->addWidget(m_mdi);
    m_centre->addWidget(m_lockPage);
    setCentralWidget(m_centre);
    MdiHost::setHost(this, m_mdi);

    buildMenus();
    buildToolStrip();
    buildNavBar();
    buildStatusBar();
    wireSystemItems();
}

TfrmMain::~TfrmMain()
{
    if (MdiHost::mainWindow() == this)
        MdiHost::setHost(nullptr, nullptr);
}

QAction *TfrmMain::action(const QString &name) const
{
    return m_actions.value(actionAlias(name));
}

QAction *TfrmMain::addItem(QMenu *menu, const MainMenuItem &it)
{
    if (it.name.isEmpty()) {
        menu->addSeparator();
        return nullptr;
    }
    QAction *a = menu ? menu->addAction(it.caption) : new QAction(it.caption, this);
    a->setObjectName(it.name);
    a->setVisible(!it.hidden);
    a->setEnabled(false); // until something opens it
    m_actions.insert(it.name, a);
    m_gates.insert(it.name, it.gate);
    m_refusals.insert(it.name, it.refusal);
    m_hidden.insert(it.name, it.hidden);
    const QString name = it.name;
    connect(a, &QAction::triggered, this, [this, name] { openItem(name); });
    return a;
}

void TfrmMain::buildMenus()
{
    menuBar()->setObjectName(QStringLiteral("tbMainMenu"));
    for (const MainMenu &m : mainMenus()) {
        QMenu *menu = menuBar()->addMenu(m.caption);
        menu->setObjectName(m.name);
        menu->menuAction()->setObjectName(m.name);
        menu->menuAction()->setVisible(!m.hidden);
        m_menus.insert(m.name, menu);
        for (const MainMenuItem &it : m.items)
            addItem(menu, it);
    }
    for (const MainMenuItem &it : extraActions())
        addItem(nullptr, it);

    miWindows = menuBar()->addMenu(QStringLiteral("窗口"));
    miWindows->setObjectName(QStringLiteral("miWindows"));
    connect(miWindows, &QMenu::aboutToShow, this, &TfrmMain::fillWindowMenu);
    fillWindowMenu();

    QMenu *sys = menuBar()->addMenu(QStringLiteral("系统"));
    sys->setObjectName(QStringLiteral("N1"));
    m_menus.insert(QStringLiteral("N1"), sys);
    auto sysItem = [](const char *name, const char *caption, bool hidden = false) {
        MainMenuItem it;
        it.name = QString::fromLatin1(name);
        it.caption = QString::fromUtf8(caption);
        it.hidden = hidden;
        return it;
    };
    for (const MainMenuItem &it : {sysItem("NChgPsw", "修改密码"), sysItem("nLogin", "重新登陆"),
                                   sysItem("nUpdate", "本地数据上传"), sysItem("N19", "设置单据初始单号", true),
                                   sysItem("mmiUploadLocal", "同步基础数据"), MainMenuItem(), sysItem("nExit", "退出")})
        addItem(sys, it);
}

void TfrmMain::fillWindowMenu()
{
    miWindows->clear();
    QAction *cascade = miWindows->addAction(QStringLiteral("层叠"), m_mdi, &QMdiArea::cascadeSubWindows);
    cascade->setObjectName(QStringLiteral("miCascade"));
    QAction *tile = miWindows->addAction(QStringLiteral("平铺"), m_mdi, &QMdiArea::tileSubWindows);
    tile->setObjectName(QStringLiteral("miTile"));
    QAction *closeAll = miWindows->addAction(QStringLiteral("关闭全部"), m_mdi, &QMdiArea::closeAllSubWindows);
    closeAll->setObjectName(QStringLiteral("miCloseAll"));
    const auto windows = m_mdi->subWindowList(QMdiArea::CreationOrder);
    if (!windows.isEmpty())
        miWindows->addSeparator();
    int n = 1;
    for (QMdiSubWindow *sub : windows) {
        QAction *a = miWindows->addAction(QStringLiteral("&%1 %2").arg(n++).arg(sub->windowTitle()));
        a->setCheckable(true);
        a->setChecked(sub == m_mdi->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, sub] { m_mdi->setActiveSubWindow(sub); });
    }
}

void TfrmMain::buildToolStrip()
{
    QToolBar *bar = addToolBar(QStringLiteral("工具栏"));
    bar->setObjectName(QStringLiteral("tbTools"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    markToolBar(bar);
    QAction *info = bar->addAction(QStringLiteral("信息栏"));
    info->setObjectName(QStringLiteral("btnInfoBar"));
    info->setToolTip(QStringLiteral("显示/隐藏信息栏"));
    connect(info, &QAction::triggered, this, [this] { pnlInfoBar->setVisible(!pnlInfoBar->isVisible()); });
    QAction *nav = bar->addAction(QStringLiteral("导航栏"));
    nav->setObjectName(QStringLiteral("btnNavBar"));
    nav->setToolTip(QStringLiteral("显示/隐藏导航栏"));
    // The whole dock goes, so the work area takes the room.
    connect(nav, &QAction::triggered, this, [this] { m_navDock->setVisible(!m_navDock->isVisible()); });
    QAction *lock = bar->addAction(QStringLiteral("锁机"));
    lock->setObjectName(QStringLiteral("btnLock"));
    lock->setToolTip(QStringLiteral("锁定屏幕/重新登录"));
    connect(lock, &QAction::triggered, this, &TfrmMain::lockScreen);

    auto *spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    QAction *prev = bar->addAction(QStringLiteral("◀"));
    prev->setObjectName(QStringLiteral("btnPrevWindow"));
    prev->setToolTip(QStringLiteral("上一窗体"));
    connect(prev, &QAction::triggered, m_mdi, &QMdiArea::activatePreviousSubWindow);
    QAction *next = bar->addAction(QStringLiteral("▶"));
    next->setObjectName(QStringLiteral("btnNextWindow"));
    next->setToolTip(QStringLiteral("下一窗体"));
    connect(next, &QAction::triggered, m_mdi, &QMdiArea::activateNextSubWindow);
}

void TfrmMain::buildNavBar()
{
    auto *dock = new QDockWidget(QStringLiteral("导航栏"), this);
    dock->setObjectName(QStringLiteral("dockNavBar"));
    dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    dock->setTitleBarWidget(new QWidget(dock));

    pnlNavBar = new QWidget(dock);
    pnlNavBar->setObjectName(QStringLiteral("pnlNavBar"));
    pnlNavBar->setFixedWidth(180);
    auto *layout = new QVBoxLayout(pnlNavBar);
    layout->setContentsMargins(4, 4, 4, 4);

    // Two page bars, one per mode: the local one holds only the daily page.
    m_navStack = new QStackedWidget(pnlNavBar);
    m_navNetwork = new QToolBox(m_navStack);
    m_navNetwork->setObjectName(QStringLiteral("fcOutlookBar2"));
    m_navLocal = new QToolBox(m_navStack);
    m_navLocal->setObjectName(QStringLiteral("fcOutlookBarLocal"));
    for (const NavPage &page : navPages()) {
        const bool daily = page.name == QLatin1String("pageDaily");
        const int i = m_navNetwork->addItem(buildNavPage(page, page.name), page.caption);
        if (daily) {
            // In network mode the daily page is a disabled button without a caption.
            m_navNetwork->setItemEnabled(i, false);
            m_navNetwork->setItemText(i, QString());
            m_navLocal->addItem(buildNavPage(page, page.name + QStringLiteral("Local")), page.caption);
        }
    }
    m_navStack->addWidget(m_navNetwork);
    m_navStack->addWidget(m_navLocal);
    // The pages are narrow columns of buttons: never a sideways scroll bar.
    for (QScrollArea *area : m_navStack->findChildren<QScrollArea *>()) {
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    fcOutlookBar2 = m_navNetwork;
    layout->addWidget(m_navStack, 3);

    pnlInfoBar = new QPlainTextEdit(pnlNavBar);
    pnlInfoBar->setObjectName(QStringLiteral("pnlInfoBar"));
    pnlInfoBar->setReadOnly(true);
    pnlInfoBar->setPlainText(QStringLiteral(" 欢迎使用\n 本系统，\n 如需要帮助\n，\n 请在相应的\n 界面按F1键"));
    pnlInfoBar->setMaximumHeight(150);
    pnlInfoBar->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(pnlInfoBar, 1);

    dock->setWidget(pnlNavBar);
    addDockWidget(Qt::LeftDockWidgetArea, dock);
    m_navDock = dock;
    showNavPages(false);
}

QWidget *TfrmMain::buildNavPage(const NavPage &page, const QString &name)
{
    auto *w = new QWidget;
    w->setObjectName(name);
    auto *v = new QVBoxLayout(w);
    v->setSpacing(4);
    for (const auto &[caption, actionName] : page.entries) {
        auto *b = new QToolButton(w);
        b->setObjectName(name + u'_' + actionName);
        b->setText(caption);
        b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        b->setMinimumHeight(32);
        b->setAutoRaise(true);
        QAction *a = action(actionName);
        b->setEnabled(a && a->isEnabled());
        if (a) {
            connect(a, &QAction::changed, b, [b, a] { b->setEnabled(a->isEnabled()); });
            const QString target = a->objectName();
            connect(b, &QToolButton::clicked, this, [this, target] { openItem(target); });
        }
        v->addWidget(b);
    }
    v->addStretch();
    return w;
}

void TfrmMain::showNavPages(bool localMode)
{
    fcOutlookBar2 = localMode ? m_navLocal : m_navNetwork;
    m_navStack->setCurrentWidget(fcOutlookBar2);
    fcOutlookBar2->setCurrentIndex(0);
}

void TfrmMain::buildStatusBar()
{
    auto make = [this](const char *name, int stretch) {
        auto *l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        statusBar()->addWidget(l, stretch);
        return l;
    };
    lbStaff = make("lbStaff", 1);
    lbDept = make("lbDept", 2);
    lbTitleMsg = make("lbTitleMsg", 2);
    lbTitleMsg->setText(QStringLiteral("欢迎使用Velmora陶瓷管理系统"));
    lbTime = new QLabel(this);
    lbTime->setObjectName(QStringLiteral("lbTime"));
    statusBar()->addPermanentWidget(lbTime);
    auto tick = [this] { lbTime->setText(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))); };
    tick();
    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, tick);
    timer->start(1000);
}

void TfrmMain::setOpener(const QString &item, std::function<void()> opener)
{
    const QString name = actionAlias(item);
    m_openers.insert(name, std::move(opener));
    if (QAction *a = m_actions.value(name))
        a->setEnabled(true);
    // The navigation bar's "入仓单" opens the same window as the menu item, behind its own gate.
    if (name == QLatin1String("NBillIn"))
        setOpener(QStringLiteral("actTBillIn"), m_openers.value(name));
}

void TfrmMain::openItem(const QString &item)
{
    const QString name = actionAlias(item);
    QAction *a = m_actions.value(name);
    if (!a || !a->isEnabled())
        return;
    const QString gate = m_gates.value(name);
    if (!gate.isEmpty()) {
        bool allowed = false;
        if (!Guarded([&] {
                for (const QChar letter : gate)
                    if (DM().StaffHasRole(QString(letter))) {
                        allowed = true;
                        break;
                    }
            }))
            return;
        if (!allowed) {
            MsgBox(mbError, m_refusals.value(name));
            return;
        }
    }
    const auto opener = m_openers.value(name);
    if (opener)
        Guarded(opener);
}

void TfrmMain::applyLogin()
{
    TDM &dm = DM();
    setWindowTitle(dm.Company.ComName + QStringLiteral("-") + QStringLiteral("企业信息管理软件") + QStringLiteral("-")
                   + QStringLiteral("v3.002 版") + QStringLiteral("  操作员:") + dm.Operator.StfName
                   + QStringLiteral("  收款员:") + dm.Cashier.StfName);
    lbStaff->setText(QStringLiteral("操作员 ") + dm.Operator.StfName);

    const bool local = dm.LocalMode;
    for (const QString &menu : {QStringLiteral("N8"), QStringLiteral("N11"), QStringLiteral("N22")})
        m_menus.value(menu)->menuAction()->setVisible(!local);
    for (const QString &item : {QStringLiteral("nProdDtl"), QStringLiteral("nBillQrySell"),
                                QStringLiteral("nBillQrySell2"), QStringLiteral("nBillQryOrder")})
        m_actions.value(item)->setVisible(!local && !m_hidden.value(item));
    m_actions.value(QStringLiteral("nUpdate"))->setVisible(!local);
    showNavPages(local);
    lbDept->setText(local ? QString() : QStringLiteral("公司名称 ") + dm.Company.ComName);
}

void TfrmMain::nLoginClick()
{
    if (RunLogin(this))
        applyLogin();
}

void TfrmMain::lockScreen()
{
    m_centre->setCurrentWidget(m_lockPage);
    menuBar()->setEnabled(false);
    pnlNavBar->setEnabled(false);
}

void TfrmMain::wireSystemItems()
{
    setOpener(QStringLiteral("NChgPsw"), [this] {
        TfrmChgPsw dlg(this);
        dlg.exec();
    });
    setOpener(QStringLiteral("nLogin"), [this] { nLoginClick(); });
    setOpener(QStringLiteral("nUpdate"), [] {
        if (MsgBox(mbOkCancel, QStringLiteral("上传本地数据需要一定的时间，确实要上传吗？")) != mrOk)
            return;
        const bool done = UploadAllLocalBills(DM().dbMain(), DM().dbLocal());
        MsgBox(mbInformation, done ? QStringLiteral("本地数据已成功上传到中心服务器！")
                                   : QStringLiteral("本地数据未能上传到中心服务器！请检查系统网络连接。"));
    });
    setOpener(QStringLiteral("N19"), [this] {
        TfrmSetLocalBN dlg(DM().dbLocal(), this);
        dlg.exec();
    });
    setOpener(QStringLiteral("mmiUploadLocal"), [this] {
        if (MsgBox(mbOkCancel, QStringLiteral("同步基础数据需要一定的时间，确实要同步吗？")) != mrOk)
            return;
        TfrmProgress dlg(DM().dbMain(), DM().dbLocal(), this);
        dlg.DownloadFlag = true;
        dlg.exec();
    });
    setOpener(QStringLiteral("nExit"), [this] {
        if (MsgBox(mbOkCancel, QStringLiteral("真的退出系统吗？")) == mrOk)
            close();
    });
    setOpener(QStringLiteral("nRefreshData"), [] {
        DM().RefreshBaseData();
        MsgBox(mbInformation, QStringLiteral("基础数据已经刷新完毕."));
    });
}
