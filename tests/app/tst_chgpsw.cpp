// The password change: its refusals and what it stores.
#include "DataModule.h"
#include "MsgBox.h"
#include "MsgBoxSpy.h"
#include "Passwords.h"
#include "Sql.h"
#include "TestDatabase.h"
#include "TestStaff.h"
#include "frmChgPsw.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

class TestChgPsw : public QObject
{
    Q_OBJECT
private slots:
    void rules_data();
    void rules();
};

void TestChgPsw::rules_data()
{
    QTest::addColumn<QStringList>("typed"); // old, new, repeated
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");      // empty when the dialog closes
    QTest::addColumn<QString>("stored");     // the password that verifies afterwards
    QTest::newRow("changed") << QStringList({"1", "abc", "abc"}) << "新密码修改成功！" << "" << "abc";
    QTest::newRow("blanks ignored") << QStringList({" 1 ", "  abc ", "abc  "}) << "新密码修改成功！" << "" << "abc";
    QTest::newRow("empty new password") << QStringList({"1", "", " "}) << "新密码修改成功！" << "" << "";
    QTest::newRow("long password kept whole") << QStringList({"1", QString(30, u'7'), QString(30, u'7')})
                                              << "新密码修改成功！" << "" << QString(30, u'7');
    QTest::newRow("empty old") << QStringList({"  ", "abc", "abc"}) << "旧密码不能为空！" << "edOldPsw" << "1";
    QTest::newRow("wrong old") << QStringList({"2", "abc", "abc"}) << "旧密码输入不正确！" << "edOldPsw" << "1";
    QTest::newRow("repetition differs") << QStringList({"1", "abc", "abd"}) << "新密码与确认密码不相同！" << "edNewPsw" << "1";
}

void TestChgPsw::rules()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(QString, stored);
    TestDatabase db;
    TDM dm;
    dm.setConnections(db.server(), db.local());
    auto spy = MsgBoxSpy::install();
    const TStaff clerk = TestStaff::add(db.server(), 1, "001", "张三", "D", "1");
    const TStaff cashier = TestStaff::add(db.server(), 2, "002", "李四", "E", "2");
    TestStaff::login(dm, clerk, cashier);

    TfrmChgPsw dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QCOMPARE(dlg.lbStfNo->text(), QStringLiteral("001"));
    QCOMPARE(dlg.lbStfName->text(), QStringLiteral("张三"));
    QCOMPARE(QApplication::focusWidget(), dlg.edOldPsw);
    QTest::keyClicks(dlg.edOldPsw, typed[0]);
    QTest::keyClick(dlg.edOldPsw, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), dlg.edNewPsw);
    QTest::keyClicks(dlg.edNewPsw, typed[1]);
    QTest::keyClick(dlg.edNewPsw, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), dlg.edCfmNewPsw);
    QTest::keyClicks(dlg.edCfmNewPsw, typed[2]);
    QTest::mouseClick(dlg.btnOK, Qt::LeftButton);

    QCOMPARE(spy->lastText(), message);
    if (focus.isEmpty()) {
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
    } else {
        QVERIFY(dlg.isVisible());
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    }
    const QString psw = Sql::scalar(db.server(), QStringLiteral("SELECT PSW FROM STAFF WHERE ID = 1")).toString();
    QVERIFY(Passwords::verify(psw, stored));
    // Only the clerk's own row changes.
    QVERIFY(Passwords::verify(Sql::scalar(db.server(), QStringLiteral("SELECT PSW FROM STAFF WHERE ID = 2")).toString(),
                              QStringLiteral("2")));
    SetMsgBoxPresenter(nullptr);
}

QTEST_MAIN(TestChgPsw)
#include "tst_chgpsw.moc"
