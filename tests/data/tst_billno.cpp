// Bill numbers: max + 1 over the numeric value, local counters, and two workstations
// racing for the same number without losing a bill.
#include "BillNumbers.h"
#include "Connections.h"
#include "DataModule.h"
#include "DbError.h"
#include "LocalCounters.h"
#include "Sql.h"
#include "TestDatabase.h"

#include <QSet>
#include <QTest>
#include <atomic>
#include <memory>
#include <thread>

class TestBillNo : public QObject
{
    Q_OBJECT
private slots:
    void init() { db = std::make_unique<TestDatabase>(); }
    void cleanup() { db.reset(); }

    void nextNumber_data();
    void nextNumber();
    void refusesWhatIsNoBillNumber();
    void localCounters();
    void localModeNumbers();
    void racingWorkstationsKeepEveryBill();

private:
    std::unique_ptr<TestDatabase> db;
};

void TestBillNo::nextNumber_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty table") << QStringList() << "1001";
    QTest::newRow("numeric maximum") << QStringList({"1001", "999"}) << "1002";
    QTest::newRow("not text order") << QStringList({"99999", "200000"}) << "200001";
    QTest::newRow("padded numbers") << QStringList({"1005      ", " 1004"}) << "1006";
    QTest::newRow("below the first") << QStringList({"7"}) << "8";
}

void TestBillNo::nextNumber()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, expected);
    for (const QString &no : existing)
        Sql::run(db->server(), QStringLiteral("INSERT INTO BILLSELLP (BILLNO) VALUES (:NO)"), {{"NO", no}});
    QCOMPARE(BillNumbers::nextNumber(db->server(), QStringLiteral("BILLSELLP")), expected);

    TDM dm;
    dm.setConnections(db->server(), db->local());
    QCOMPARE(dm.NextBillNo(QStringLiteral("BILLSELLP")), expected);
    QCOMPARE(dm.NextBillNo(QStringLiteral("TBILLINP")), QStringLiteral("1001"));
}

void TestBillNo::refusesWhatIsNoBillNumber()
{
    Sql::run(db->server(), QStringLiteral("INSERT INTO BILLORDERP (BILLNO) VALUES ('1001')"));
    Sql::run(db->server(), QStringLiteral("INSERT INTO BILLORDERP (BILLNO) VALUES ('10A2')"));
    try {
        BillNumbers::nextNumber(db->server(), QStringLiteral("BILLORDERP"));
        QFAIL("a non-numeric bill number went unnoticed");
    } catch (const DbError &e) {
        QVERIFY2(e.text().contains(QLatin1String("BILLORDERP")) && e.text().contains(QLatin1String("10A2")),
                 qPrintable(e.text()));
    }
    // Only bill headers of our own schema are accepted as table names.
    for (const QString &t : {QStringLiteral("STAFF"), QStringLiteral("BILLSELLC"),
                             QStringLiteral("BILLSELLP; DROP TABLE STAFF")})
        QVERIFY_THROWS_EXCEPTION(DbError, BillNumbers::nextNumber(db->server(), t));
}

void TestBillNo::localCounters()
{
    const QSqlDatabase local = db->local();
    QCOMPARE(NextLocalCounter(local, QStringLiteral("BILLSELLP")), QString()); // no counter row yet
    Sql::run(local, QStringLiteral("INSERT INTO SYSPARAM (ID, PRMCODE, VALUE2, ISWAS) VALUES (1, 'LOCALBILLNO_SELL', '5', 0)"));
    Sql::run(local, QStringLiteral("INSERT INTO SYSPARAM (ID, PRMCODE, VALUE2, ISWAS) VALUES (2, 'LOCALBILLNO_ORDER', '', 0)"));
    QCOMPARE(NextLocalCounter(local, QStringLiteral("BILLSELLP")), QStringLiteral("6"));
    QCOMPARE(NextLocalCounter(local, QStringLiteral("BILLSELLP")), QStringLiteral("7"));
    QCOMPARE(NextLocalCounter(local, QStringLiteral("BILLORDERP")), QStringLiteral("1"));

    QVERIFY(SetLocalCounter(local, QStringLiteral("3"), QStringLiteral("BILLSELLP")));
    QCOMPARE(NextLocalCounter(local, QStringLiteral("BILLSELLP")), QStringLiteral("4"));
    QVERIFY(!SetLocalCounter(local, QStringLiteral("abc"), QStringLiteral("BILLSELLP")));
    QVERIFY(!SetLocalCounter(local, QStringLiteral("3"), QStringLiteral("TBILLINP")));
    QCOMPARE(NextLocalCounter(local, QStringLiteral("BILLSELLP")), QStringLiteral("5"));

    Sql::run(local, QStringLiteral("UPDATE SYSPARAM SET VALUE2 = 'x1' WHERE PRMCODE = 'LOCALBILLNO_SELL'"));
    QVERIFY_THROWS_EXCEPTION(DbError, NextLocalCounter(local, QStringLiteral("BILLSELLP")));
}

void TestBillNo::localModeNumbers()
{
    TDM dm;
    dm.setConnections(db->server(), db->local());
    dm.LocalMode = true;
    // No local bill and no counter: a clear refusal, not a number out of nowhere.
    QVERIFY_THROWS_EXCEPTION(DbError, dm.NextBillNo(QStringLiteral("BILLSELLP")));

    Sql::run(db->local(), QStringLiteral("INSERT INTO SYSPARAM (ID, PRMCODE, VALUE2, ISWAS) VALUES (1, 'LOCALBILLNO_SELL', '5', 0)"));
    QCOMPARE(dm.NextBillNo(QStringLiteral("BILLSELLP")), QStringLiteral("7")); // counter drawn (6), plus one
    QCOMPARE(Sql::scalar(db->local(), QStringLiteral("SELECT VALUE2 FROM SYSPARAM WHERE PRMCODE = 'LOCALBILLNO_SELL'")).toString(),
             QStringLiteral("6"));

    // With local bills 9 and 10 the next is 11: the numeric maximum, not the text one.
    Sql::run(db->local(), QStringLiteral("INSERT INTO BILLSELLP (BILLNO) VALUES ('9')"));
    Sql::run(db->local(), QStringLiteral("INSERT INTO BILLSELLP (BILLNO) VALUES ('10')"));
    QCOMPARE(dm.NextBillNo(QStringLiteral("BILLSELLP")), QStringLiteral("11"));
}

void TestBillNo::racingWorkstationsKeepEveryBill()
{
    constexpr int kWorkstations = 3;
    constexpr int kBills = 40;
    std::atomic<int> failures{0};
    QStringList errors;
    std::mutex errorsLock;
    std::vector<std::thread> threads;
    for (int w = 0; w < kWorkstations; ++w) {
        threads.emplace_back([&, w] {
            const QString name = QStringLiteral("ws%1").arg(w);
            try {
                const QSqlDatabase conn = db->openServerConnection(name);
                for (int i = 0; i < kBills; ++i) {
                    BillNumbers::InsertNumberedBill(conn, QStringLiteral("BILLSELLP"), [&](const QString &no) {
                        Sql::run(conn, QStringLiteral("INSERT INTO BILLSELLP (BILLNO, BILLSTATE, DSPT) VALUES (:NO, 10, :W)"),
                                 {{"NO", no}, {"W", name}});
                        Sql::run(conn, QStringLiteral("INSERT INTO BILLSELLC (BILLNO, SNO, INVID, QTY) VALUES (:NO, 1, 1, 2)"),
                                 {{"NO", no}});
                    });
                }
            } catch (const DbError &e) {
                ++failures;
                std::lock_guard<std::mutex> g(errorsLock);
                errors << e.text();
            }
            Connections::close(QStringLiteral("test-") + name);
        });
    }
    for (auto &t : threads)
        t.join();
    QVERIFY2(failures == 0, qPrintable(errors.join(u'\n')));

    QSqlQuery q = Sql::exec(db->server(), QStringLiteral("SELECT BILLNO FROM BILLSELLP"));
    QSet<QString> numbers;
    while (q.next())
        numbers.insert(q.value(0).toString().trimmed());
    QCOMPARE(numbers.size(), kWorkstations * kBills);
    QVERIFY(numbers.contains(QStringLiteral("1001")));
    QVERIFY(numbers.contains(QString::number(1000 + kWorkstations * kBills)));
    // Every header has its line: no half-written bill.
    QCOMPARE(Sql::scalar(db->server(), QStringLiteral("SELECT COUNT(*) FROM BILLSELLC")).toInt(), kWorkstations * kBills);
}

QTEST_GUILESS_MAIN(TestBillNo)
#include "tst_billno.moc"
