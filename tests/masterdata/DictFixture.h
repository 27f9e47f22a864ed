#pragma once

#include "DataModule.h"
#include "DictGrid.h"
#include "DictModel.h"
#include "Dictionaries.h"
#include "MsgBoxSpy.h"
#include "Sql.h"
#include "TestDatabase.h"
#include "TestStaff.h"
#include "frmPrtBscTbl.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

// A fresh database, the data module on it, a message spy, and an operator (staff ID 1)
// holding the given role letters.
struct DictFixture {
    TestDatabase db;
    TDM dm;
    std::shared_ptr<MsgBoxSpy> spy = MsgBoxSpy::install();

    explicit DictFixture(const QString &role = QStringLiteral("ABCDE"))
    {
        dm.setConnections(db.server(), db.local());
        const TStaff s = TestStaff::add(db.server(), 1, QStringLiteral("001"), QStringLiteral("操作员"), role);
        TestStaff::login(dm, s, s);
    }

    void run(const QString &sql, Sql::Bindings binds = {}) const { Sql::run(db.server(), sql, binds); }
    QVariant scalar(const QString &sql, Sql::Bindings binds = {}) const { return Sql::scalar(db.server(), sql, binds); }

    // Opens a menu item's window, shown (not modal) so that keys and focus work.
    std::unique_ptr<TfrmPrtBscTbl> open(const QString &item) const
    {
        auto w = CreateDictionary(item);
        w->show();
        w->activateWindow();
        if (!QTest::qWaitForWindowExposed(w.get()))
            qWarning("window not exposed");
        return w;
    }
};

template <typename T>
T *child(QWidget *w, const char *name)
{
    return w->findChild<T *>(QString::fromLatin1(name));
}

inline TDictGrid *gridOf(QWidget *w, const char *name = "dbgResult") { return child<TDictGrid>(w, name); }

inline QString countText(QWidget *w) { return child<QLabel>(w, "lbCount")->text(); }

inline void search(QWidget *w, const QString &keyword, bool exact)
{
    child<QRadioButton>(w, exact ? "rbNumCode" : "rbName")->setChecked(true);
    auto *ed = child<QLineEdit>(w, "edKeyWord");
    ed->setText(keyword);
    QTest::keyClick(ed, Qt::Key_Return);
}

// The cell editor the grid has open.
inline QWidget *openEditor(TDictGrid *g, int row, int column)
{
    g->setFocus();
    g->goToRow(row, column);
    g->edit(g->currentIndex());
    const auto editors = g->viewport()->findChildren<QWidget *>();
    for (QWidget *e : editors)
        if (e->isVisible() && (qobject_cast<QLineEdit *>(e) || qobject_cast<QComboBox *>(e)))
            return e;
    return nullptr;
}

// Types into a cell as the operator does and confirms the cell with Enter.
inline void typeCell(TDictGrid *g, int row, int column, const QString &text)
{
    auto *ed = qobject_cast<QLineEdit *>(openEditor(g, row, column));
    QVERIFY2(ed, "no cell editor");
    ed->selectAll();
    // Key by key, as typed; QTest::keyClicks knows no Chinese characters.
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(ed, &press);
        QApplication::sendEvent(ed, &release);
    }
    QTest::keyClick(ed, Qt::Key_Return);
    QCoreApplication::processEvents();
}

inline void typeCell(TDictGrid *g, int row, const QString &field, const QString &text)
{
    typeCell(g, row, g->dictModel()->columnOf(field), text);
}

// Chooses the drop-down entry whose ID is given.
inline void chooseCell(TDictGrid *g, int row, const QString &field, const QVariant &id)
{
    auto *cb = qobject_cast<QComboBox *>(openEditor(g, row, g->dictModel()->columnOf(field)));
    QVERIFY2(cb, "no drop-down");
    cb->setCurrentIndex(cb->findData(id));
    QTest::keyClick(cb, Qt::Key_Return);
    QCoreApplication::processEvents();
}

inline void pressModify(QWidget *w) { QTest::mouseClick(child<QPushButton>(w, "btnModify"), Qt::LeftButton); }
