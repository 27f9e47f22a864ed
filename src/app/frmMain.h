#pragma once

#include "frmPrtAll.h"

#include <QHash>
#include <QMainWindow>
#include <functional>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QPlainTextEdit;
class QStackedWidget;
class QToolBar;
class QToolBox;
class QWidget;

// The main window: menus and navigation bar with their role gates, the work area of the
// document windows, the logged-in people in title and status bar.
class TfrmMain : public QMainWindow, public TfrmPrtAll
{
    Q_OBJECT
public:
    explicit TfrmMain(QWidget *parent = nullptr);
    ~TfrmMain() override;

    // Makes a menu item (or action) do something; items without an opener are disabled.
    void setOpener(const QString &item, std::function<void()> opener);

    // Runs an item as the menu and the navigation bar do: gate first, then the opener.
    void openItem(const QString &item);

    // Title, status bar and the mode's layout, from the login state. Called after every
    // confirmed login.
    void applyLogin();

    QAction *action(const QString &name) const;
    QMdiArea *mdiArea() const { return m_mdi; }

    QToolBox *fcOutlookBar2 = nullptr;
    QWidget *pnlNavBar = nullptr;
    QPlainTextEdit *pnlInfoBar = nullptr;
    QLabel *lbStaff = nullptr;
    QLabel *lbDept = nullptr;
    QLabel *lbTitleMsg = nullptr;
    QLabel *lbTime = nullptr;
    QMenu *miWindows = nullptr;

public slots:
    void nLoginClick();
    void lockScreen();

private:
    void buildMenus();
    void buildToolStrip();
    void buildNavBar();
    void buildStatusBar();
    QWidget *buildNavPage(const struct NavPage &page, const QString &name);
    void showNavPages(bool localMode);
    void fillWindowMenu();
    void wireSystemItems();
    QAction *addItem(QMenu *menu, const struct MainMenuItem &item);

    QMdiArea *m_mdi = nullptr;
    class QDockWidget *m_navDock = nullptr;
    QStackedWidget *m_centre = nullptr;
    QWidget *m_lockPage = nullptr;
    QHash<QString, QAction *> m_actions;
    QHash<QString, QMenu *> m_menus;
    QHash<QString, std::function<void()>> m_openers;
    QHash<QString, QString> m_gates;
    QHash<QString, QString> m_refusals;
    QHash<QString, bool> m_hidden;
    QStackedWidget *m_navStack = nullptr;
    QToolBox *m_navNetwork = nullptr;
    QToolBox *m_navLocal = nullptr;
};
