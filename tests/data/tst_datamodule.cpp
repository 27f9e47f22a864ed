// The data module's services against a real database: role checks, parameters,
// server time, and the refresh of the shared lists and run-wide values.
#include "Connections.h"
#include "DataModule.h"
#include "DbError.h"
#include "Dialect.h"
#include "Sql.h"
#include "TestDatabase.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QTemporaryDir>
#include <QSqlRecord>
#include <QTest>
#include <memory>

class TestDataModule : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        db = std::make_unique<TestDatabase>();
        dm = std::make_unique<TDM>();
        dm->setConnections(db->server(), db->local());
    }
    void cleanup()
    {
        dm.reset();
        db.reset();
    }

    void staffHasRole_data();
    void staffHasRole();
    void sysParams();
    void serverNow();
    void refreshInNetworkMode();
    void refreshInLocalMode();
    void fixedLists();
    void opensWhatTheIniNames();

private:
    QStringList column(QSqlQueryModel *m, const QString &field)
    {
        QStringList out;
        const int c = m->record().indexOf(field);
        for (int r = 0; r < m->rowCount(); ++r)
            out << m->index(r, c).data().toString().trimmed();
        return out;
    }
    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<TDM> dm;
};

void TestDataModule::staffHasRole_data()
{
    QTest::addColumn<QString>("role");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("has");
    QTest::newRow("among others") << "ABC" << "C" << true;
    QTest::newRow("padded") << "C         " << "C" << true;
    QTest::newRow("missing") << "ABD" << "C" << false;
    QTest::newRow("empty role") << "" << "C" << false;
    QTest::newRow("null role") << QString() << "A" << false;
    QTest::newRow("lower case differs") << "abc" << "A" << false;
    QTest::newRow("empty code") << "ABC" << "" << false;
}

void TestDataModule::staffHasRole()
{
    QFETCH(QString, role);
    QFETCH(QString, code);
    QFETCH(bool, has);
    Sql::run(db->server(), QStringLiteral("INSERT INTO STAFF (ID, NUMCODE, ROLE) VALUES (4, '004', :R)"), {{"R", role}});
    dm->Operator.StfID = 4;
    QCOMPARE(dm->StaffHasRole(code), has);

    // Read at every call: a changed role counts at once.
    Sql::run(db->server(), QStringLiteral("UPDATE STAFF SET ROLE = 'Z' WHERE ID = 4"));
    QCOMPARE(dm->StaffHasRole(QStringLiteral("Z")), true);
    // Local mode reads the local copy of STAFF, which knows nobody yet.
    dm->LocalMode = true;
    QCOMPARE(dm->StaffHasRole(QStringLiteral("Z")), false);
    // An operator without a staff row has no role.
    dm->LocalMode = false;
    dm->Operator.StfID = 99;
    QCOMPARE(dm->StaffHasRole(QStringLiteral("Z")), false);
}

void TestDataModule::sysParams()
{
    Sql::run(db->server(), QStringLiteral("UPDATE SYSPARAM SET VALUE1 = '恒丰陶瓷' WHERE PRMCODE = 'ComName'"));
    QCOMPARE(dm->GetSysParam(QStringLiteral("ComName")), QStringLiteral("恒丰陶瓷"));
    QCOMPARE(dm->GetSysParam(QStringLiteral("NoSuchCode")), QString());
    QCOMPARE(dm->GetSysParam(QStringLiteral("x' OR '1'='1")), QString());
}

void TestDataModule::serverNow()
{
    const QDateTime before = QDateTime::currentDateTime().addSecs(-120);
    const QDateTime now = dm->ServerNow();
    QVERIFY2(now.isValid() && now >= before && now <= QDateTime::currentDateTime().addSecs(120),
             qPrintable(now.toString(Qt::ISODate)));
    QCOMPARE(now.time().msec(), 0);
    dm->LocalMode = true;
    QVERIFY(qAbs(dm->ServerNow().secsTo(QDateTime::currentDateTime())) < 5);
}

void TestDataModule::refreshInNetworkMode()
{
    Sql::run(db->server(), QStringLiteral("UPDATE SYSPARAM SET VALUE1 = '恒丰陶瓷' WHERE PRMCODE = 'ComName'"));
    Sql::run(db->server(), QStringLiteral("UPDATE SYSPARAM SET VALUE1 = '0757-1234' WHERE PRMCODE = 'ComTel'"));
    Sql::run(db->server(), QStringLiteral("DELETE FROM SYSPARAM WHERE PRMCODE = 'ComAddr'"));
    Sql::run(db->server(), QStringLiteral("INSERT INTO CUSTOMER (ID, NAME, PYCODE) VALUES (1, '张三', 'zs'), (2, '李四', 'ls')"));

    // No bill closed yet: the server date minus 10000 days.
    dm->RefreshBaseData();
    QCOMPARE(dm->Company.ComName, QStringLiteral("恒丰陶瓷"));
    QCOMPARE(dm->Company.ComTel, QStringLiteral("0757-1234"));
    QCOMPARE(dm->Company.ComAddr, QString()); // a missing row reads as empty text
    QCOMPARE(dm->LastCloseDate.date(), dm->ServerNow().addDays(-10000).date());
    QCOMPARE(column(dm->lists()->list(QStringLiteral("qryCustomer1")), QStringLiteral("NAME")),
             QStringList({"李四", "张三"})); // ordered by pinyin code

    Sql::run(db->server(), QStringLiteral("INSERT INTO BILLSELLP (BILLNO, MONDATE) VALUES ('1001', :D), ('1002', :E)"),
             {{"D", Dialect::bindDate(QDateTime(QDate(2026, 10, 31), QTime(0, 0)))},
              {"E", Dialect::bindDate(QDateTime(QDate(2026, 11, 30), QTime(0, 0)))}});
    dm->RefreshBaseData();
    QCOMPARE(dm->LastCloseDate, QDateTime(QDate(2026, 11, 30), QTime(0, 0)));
}

void TestDataModule::refreshInLocalMode()
{
    Sql::run(db->server(), QStringLiteral("UPDATE SYSPARAM SET VALUE1 = '恒丰陶瓷' WHERE PRMCODE = 'ComName'"));
    Sql::run(db->local(), QStringLiteral("INSERT INTO STORE (ID, NAME) VALUES (1, '本地仓')"));
    dm->LocalMode = true;
    dm->RefreshBaseData();
    QCOMPARE(dm->Company.ComName, QString()); // untouched by a local refresh
    QVERIFY(!dm->LastCloseDate.isValid());
    QCOMPARE(column(dm->lists()->list(QStringLiteral("tblStore")), QStringLiteral("NAME")), QStringList({"本地仓"}));
    QCOMPARE(dm->lists()->list(QStringLiteral("tblStore1"))->rowCount(), 0); // server lists stay closed
}

void TestDataModule::fixedLists()
{
    dm->RefreshBaseData();
    auto *grades = dm->lists()->list(QStringLiteral("qryProdCls1"));
    QAbstractItemModelTester tester(grades, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(column(grades, QStringLiteral("PRODCLS")), QStringList({"优等品", "正品", "合格品"}));
    QCOMPARE(column(grades, QStringLiteral("ID")), QStringList({"10", "20", "30"}));
    QCOMPARE(column(dm->lists()->list(QStringLiteral("qryDspt")), QStringLiteral("NAME")),
             QStringList({"破损", "换烂砖", "对调砖", "降级", "补客户破损", "发外加工", "样板", "其他"}));
    QCOMPARE(column(dm->lists()->list(QStringLiteral("qryWorkGrp")), QStringLiteral("WORKGRP")).first(),
             QStringLiteral("1车间1班"));
    QCOMPARE(dm->lists()->list(QStringLiteral("qryWorkGrp"))->rowCount(), 9);
    QCOMPARE(column(dm->lists()->list(QStringLiteral("qryPayMthd")), QStringLiteral("NAME")),
             QStringList({"现金", "支票", "汇款"}));
    QCOMPARE(column(dm->lists()->list(QStringLiteral("qryUnit")), QStringLiteral("NAME")),
             QStringList({"箱", "片", "支", "套"}));
    QCOMPARE(column(dm->lists()->list(QStringLiteral("qryProdCls")), QStringLiteral("PRODCLS")),
             QStringList({"优等品", "正品", "合格品"}));
    QCOMPARE(dm->lists()->list(QStringLiteral("noSuchList")), nullptr);
}

void TestDataModule::opensWhatTheIniNames()
{
    // A data folder of its own: kilnbook.ini names the server of the engine under test.
    QTemporaryDir folder;
    DataFolder::setPath(folder.path());
    ServerSettings s = db->settings();
    if (!s.isPostgres())
        s.database = QStringLiteral("shop.db"); // relative to the data folder
    s.save(DataFolder::iniFile());

    TDM opened;
    opened.OpenDatabases();
    QCOMPARE(opened.dbMain().driverName(), s.driver);
    QCOMPARE(Sql::scalar(opened.dbMain(), QStringLiteral("SELECT COUNT(*) FROM SYSPARAM")).toInt(), 5);
    QVERIFY(QFile::exists(folder.filePath(QStringLiteral("local.db"))));
    if (!s.isPostgres())
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("shop.db"))));
    Connections::close(QStringLiteral("dbMain"));
    Connections::close(QStringLiteral("dbLocal"));

    // A password file that cannot be read is named in the error.
    s.driver = QStringLiteral("QPSQL");
    s.passwordFile = QStringLiteral("missing-password.txt");
    s.save(DataFolder::iniFile());
    try {
        TDM broken;
        broken.OpenDatabases();
        QFAIL("opened without its password file");
    } catch (const DbError &e) {
        QVERIFY2(e.text().contains(QLatin1String("missing-password.txt")), qPrintable(e.text()));
    }
}

QTEST_GUILESS_MAIN(TestDataModule)
#include "tst_datamodule.moc"
