// The schema installs on an empty database of the engine under test, reports its
// version, keeps the documented column order, and its keys refuse duplicate bills.
#include "DbError.h"
#include "SchemaCatalog.h"
#include "SchemaInstaller.h"
#include "Sql.h"
#include "TestDatabase.h"

#include <QSqlDriver>
#include <QSqlRecord>
#include <QTest>
#include <memory>

class TestSchema : public QObject
{
    Q_OBJECT
private slots:
    void init() { db = std::make_unique<TestDatabase>(); }
    void cleanup() { db.reset(); }

    void installsAndReportsVersion();
    void everyTableHasItsColumnsInOrder();
    void copiedTablesMatchServerAndLocalByPosition();
    void keysRefuseDuplicateBills();
    void seedRowsOfANewInstallation();

private:
    QStringList columnsOf(const QSqlDatabase &d, const QString &table)
    {
        QSqlQuery q = Sql::exec(d, QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(table));
        const QSqlRecord r = q.record();
        QStringList names;
        for (int i = 0; i < r.count(); ++i)
            names << r.fieldName(i).toUpper();
        return names;
    }
    std::unique_ptr<TestDatabase> db;
};

void TestSchema::installsAndReportsVersion()
{
    qInfo() << "engine:" << TestDatabase::engineName() << db->server().driverName();
    QCOMPARE(SchemaInstaller::version(db->server()), SchemaInstaller::currentVersion());
    QCOMPARE(SchemaInstaller::version(db->local()), SchemaInstaller::currentVersion());
    // Opening an installed database again changes nothing.
    QCOMPARE(SchemaInstaller::install(db->server(), SchemaInstaller::Target::Server), SchemaInstaller::currentVersion());
    QCOMPARE(Sql::scalar(db->server(), QStringLiteral("SELECT COUNT(*) FROM SCHEMAVERSION")).toInt(),
             SchemaInstaller::currentVersion());
    QCOMPARE(Sql::scalar(db->server(), QStringLiteral("SELECT COUNT(*) FROM SYSPARAM")).toInt(), 5);
}

void TestSchema::everyTableHasItsColumnsInOrder()
{
    for (const Schema::Table &t : Schema::tables()) {
        if (t.where & Schema::Server)
            QCOMPARE(columnsOf(db->server(), t.name), t.columnNames());
        if (t.where & Schema::Local)
            QCOMPARE(columnsOf(db->local(), t.name), t.columnNames());
    }
    // A few documented orders spelled out, so a slip in the declarations shows here.
    QCOMPARE(columnsOf(db->server(), QStringLiteral("PRODSTOCK")),
             QStringList({"PRODID", "STOREID", "COLORNO", "SIZENO", "FIRSTQTY", "SECONDQTY", "THIRDQTY"}));
    QCOMPARE(columnsOf(db->server(), QStringLiteral("BILLSELLC")),
             QStringList({"BILLNO", "SNO", "INVID", "PRODCLS", "COLORNO", "SIZENO", "QTY", "PRICE", "PACKFEE",
                          "STOREID", "DSPT", "SHOWQTY", "SHOWUNIT", "SHOWPRICE", "P2B"}));
    QCOMPARE(columnsOf(db->local(), QStringLiteral("PRODCLS")), QStringList({"ID", "NUMCODE", "PRODCLS"}));
    QCOMPARE(columnsOf(db->local(), QStringLiteral("UNIT")), QStringList({"ID", "NAME"}));
}

void TestSchema::copiedTablesMatchServerAndLocalByPosition()
{
    QStringList copied = Schema::baseDataTables();
    copied << QStringLiteral("SYSPARAM") << QStringLiteral("BILLSELLP") << QStringLiteral("BILLSELLC")
           << QStringLiteral("BILLORDERP") << QStringLiteral("BILLORDERC");
    for (const QString &t : copied)
        QCOMPARE(columnsOf(db->local(), t), columnsOf(db->server(), t));

    // A row written on the server reads back on the local file position by position.
    Sql::run(db->server(), QStringLiteral("INSERT INTO PRODUCT (ID, NUMCODE, NAME, SPEC, PIECE2BOX) "
                                          "VALUES (7, 'P7', '抛光砖', '800×800', 3)"));
    QSqlQuery src = Sql::exec(db->server(), QStringLiteral("SELECT * FROM PRODUCT WHERE ID = 7"));
    QVERIFY(src.next());
    QStringList marks;
    QVariantMap binds;
    for (int i = 0; i < src.record().count(); ++i) {
        marks << QStringLiteral(":F%1").arg(i);
        binds.insert(QStringLiteral("F%1").arg(i), src.value(i));
    }
    Sql::exec(db->local(), QStringLiteral("INSERT INTO PRODUCT VALUES (%1)").arg(marks.join(u',')), binds);
    QSqlQuery dst = Sql::exec(db->local(), QStringLiteral("SELECT NAME, SPEC, PIECE2BOX FROM PRODUCT WHERE ID = 7"));
    QVERIFY(dst.next());
    QCOMPARE(dst.value(0).toString(), QStringLiteral("抛光砖"));
    QCOMPARE(dst.value(1).toString(), QStringLiteral("800×800"));
    QCOMPARE(dst.value(2).toDouble(), 3.0);
}

void TestSchema::keysRefuseDuplicateBills()
{
    struct Case { QString first; QString second; };
    const QList<Case> cases = {
        {"INSERT INTO BILLSELLP (BILLNO, BILLSTATE) VALUES ('1001', 0)",
         "INSERT INTO BILLSELLP (BILLNO, BILLSTATE) VALUES ('1001', 10)"},
        {"INSERT INTO TBILLINC (BILLNO, SNO, INVID) VALUES ('1001', 1, 1)",
         "INSERT INTO TBILLINC (BILLNO, SNO, INVID) VALUES ('1001', 1, 2)"},
        {"INSERT INTO BILLPAY (BILLNO, AMT) VALUES ('1001', 5)", "INSERT INTO BILLPAY (BILLNO, AMT) VALUES ('1001', 6)"},
        {"INSERT INTO STAFF (ID, NAME) VALUES (1, 'a')", "INSERT INTO STAFF (ID, NAME) VALUES (1, 'b')"},
    };
    for (const Case &c : cases) {
        Sql::run(db->server(), c.first);
        try {
            Sql::run(db->server(), c.second);
            QFAIL(qPrintable(QStringLiteral("accepted a duplicate: ") + c.second));
        } catch (const DbError &e) {
            QVERIFY2(e.isUniqueViolation(), qPrintable(e.nativeCode() + u' ' + e.text()));
        }
    }
    // Grading lines are numbered per day and product: the same line number may recur.
    Sql::run(db->server(), QStringLiteral("INSERT INTO BILLPRODCLSC (BILLNO, SNO, INVID) VALUES ('261211', 1, 1)"));
    Sql::run(db->server(), QStringLiteral("INSERT INTO BILLPRODCLSC (BILLNO, SNO, INVID) VALUES ('261211', 1, 2)"));
    // Two staff rows may share a staff number; the login refuses such a number.
    Sql::run(db->server(), QStringLiteral("INSERT INTO STAFF (ID, NUMCODE) VALUES (2, '007')"));
    Sql::run(db->server(), QStringLiteral("INSERT INTO STAFF (ID, NUMCODE) VALUES (3, '007')"));
}

void TestSchema::seedRowsOfANewInstallation()
{
    QSqlQuery q = Sql::exec(db->server(), QStringLiteral("SELECT PRMCODE FROM SYSPARAM ORDER BY ID"));
    QStringList codes;
    while (q.next())
        codes << q.value(0).toString();
    QCOMPARE(codes, QStringList({"ComName", "ComAddr", "ComTel", "ComEmail", "ReportName"}));
    QCOMPARE(Sql::scalar(db->server(), QStringLiteral("SELECT NAME FROM STORE WHERE ID = 3")).toString(),
             QStringLiteral("厂提"));

    QSqlQuery g = Sql::exec(db->local(), QStringLiteral("SELECT ID, PRODCLS FROM PRODCLS ORDER BY ID"));
    QStringList grades;
    while (g.next())
        grades << g.value(0).toString() + u' ' + g.value(1).toString();
    QCOMPARE(grades, QStringList({"10 优等品", "20 正品", "30 合格品"}));
    QCOMPARE(Sql::scalar(db->local(), QStringLiteral("SELECT NAME FROM UNIT WHERE ID = 4")).toString(),
             QStringLiteral("套"));
}

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
