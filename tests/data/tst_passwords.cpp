// Stored passwords are hashes; a database with plain-text passwords loses them on open.
#include "Passwords.h"
#include "SchemaInstaller.h"
#include "Sql.h"
#include "TestDatabase.h"

#include <QTest>
#include <memory>

class TestPasswords : public QObject
{
    Q_OBJECT
private slots:
    void hashAndVerify();
    void plainTextPasswordsAreHashedOnOpen();
};

void TestPasswords::hashAndVerify()
{
    const QString h = Passwords::hash(QStringLiteral("密码 1234"));
    QVERIFY(Passwords::isHash(h));
    QVERIFY(h != Passwords::hash(QStringLiteral("密码 1234"))); // salted
    QVERIFY(Passwords::verify(h, QStringLiteral("密码 1234")));
    QVERIFY(!Passwords::verify(h, QStringLiteral("密码 123")));
    QVERIFY(!Passwords::verify(h, QString()));
    const QString longOne(200, u'x');
    QVERIFY(Passwords::verify(Passwords::hash(longOne), longOne)); // nothing is cut
    QVERIFY(!Passwords::verify(Passwords::hash(longOne), longOne.left(10)));
    // Plain text in the column never matches, not even itself.
    QVERIFY(!Passwords::verify(QStringLiteral("1234"), QStringLiteral("1234")));
    QVERIFY(Passwords::verify(Passwords::hash(QString()), QString()));
}

void TestPasswords::plainTextPasswordsAreHashedOnOpen()
{
    TestDatabase db;
    const QString kept = Passwords::hash(QStringLiteral("secret"));
    Sql::run(db.server(), QStringLiteral("INSERT INTO STAFF (ID, NUMCODE, PSW) VALUES (1, '001', '1234      '), "
                                         "(2, '002', NULL), (3, '003', :H), (4, '004', '')"),
             {{"H", kept}});
    SchemaInstaller::install(db.server(), SchemaInstaller::Target::Server);

    auto psw = [&](int id) {
        return Sql::scalar(db.server(), QStringLiteral("SELECT PSW FROM STAFF WHERE ID = :ID"), {{"ID", id}});
    };
    QVERIFY(Passwords::verify(psw(1).toString(), QStringLiteral("1234")));
    QVERIFY(psw(2).isNull());
    QCOMPARE(psw(3).toString(), kept);
    QVERIFY(Passwords::verify(psw(4).toString(), QString()));
    QCOMPARE(Sql::scalar(db.server(), QStringLiteral("SELECT COUNT(*) FROM STAFF WHERE PSW NOT LIKE '$argon2id$%'")).toInt(), 0);
}

QTEST_GUILESS_MAIN(TestPasswords)
#include "tst_passwords.moc"
