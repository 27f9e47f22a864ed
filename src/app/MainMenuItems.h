#pragma once

#include <QList>
#include <QString>

// The main menu as data: every menu and item, its caption, its role gate and refusal
// text, and whether it is hidden in this edition.
struct MainMenuItem {
    QString name;      // objectName of the action ("nBillSell"); empty for a separator
    QString caption;
    QString gate;      // role letters, any of which opens the item; empty: no gate
    QString refusal;   // MsgBox text when the gate fails
    bool hidden = false;
};

struct MainMenu {
    QString name;      // "N3"
    QString caption;   // "销售管理"
    bool hidden = false;
    QList<MainMenuItem> items;
};

// The function menus in display order ("窗口" and "系统" are built by the window).
const QList<MainMenu> &mainMenus();

// Actions that are not menu items of their own (reached from the navigation bar).
const QList<MainMenuItem> &extraActions();

// Navigation bar pages: caption, page name and (entry caption, action name) pairs.
struct NavPage {
    QString name;
    QString caption;
    QList<QPair<QString, QString>> entries;
};
const QList<NavPage> &navPages();

// Action names that are the same items under another name.
QString actionAlias(const QString &name);
