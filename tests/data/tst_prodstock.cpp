// Stock on hand kept by the database, and the weighted stock value function.
#include "DbError.h"
#include "Dialect.h"
#include "Sql.h"
#include "TestDatabase.h"
#include "Transaction.h"

#include <QTest>
#include <memory>

class TestProdStock : public QObject
{
    Q_OBJECT
private slots:
    void init() { db = std::make_unique<TestDatabase>(); }
    void cleanup() { db.reset(); }

    void followsEveryBillChange();
    void linesWrittenBeforeTheirHeaderCount();
    void getTotalAmt_data();
    void getTotalAmt();

private:
    void run(const QString &sql) { Sql::run(db->server(), sql); }
    void receipt(const QString &no, int state, int store)
    {
        run(QStringLiteral("INSERT INTO TBILLINP (BILLNO, BILLSTATE, STOREID) VALUES ('%1', %2, %3)").arg(no).arg(state).arg(store));
    }
    void outbound(const QString &no, int state, int store)
    {
        run(QStringLiteral("INSERT INTO BILLPRODOUTP (BILLNO, BILLSTATE, STOREID) VALUES ('%1', %2, %3)").arg(no).arg(state).arg(store));
    }
    void line(const QString &table, const QString &no, int sno, int prod, int grade, const QString &color, double qty)
    {
        run(QStringLiteral("INSERT INTO %1 (BILLNO, SNO, INVID, PRODCLS, COLORNO, SIZENO, QTY) "
                           "VALUES ('%2', %3, %4, %5, %6, 'S1', %7)")
                .arg(table, no).arg(sno).arg(prod).arg(grade)
                .arg(color.isNull() ? QStringLiteral("NULL") : u'\'' + color + u'\'')
                .arg(qty));
    }
    // "product/store/colour/size first second third" per row, sorted.
    QStringList stock()
    {
        QSqlQuery q = Sql::exec(db->server(), QStringLiteral(
            "SELECT PRODID, STOREID, COLORNO, SIZENO, FIRSTQTY, SECONDQTY, THIRDQTY FROM PRODSTOCK "
            "ORDER BY PRODID, STOREID, COLORNO, SIZENO"));
        QStringList rows;
        while (q.next())
            rows << QStringLiteral("%1/%2/%3/%4 %5 %6 %7").arg(q.value(0).toInt()).arg(q.value(1).toInt())
                        .arg(q.value(2).toString(), q.value(3).toString())
                        .arg(q.value(4).toDouble()).arg(q.value(5).toDouble()).arg(q.value(6).toDouble());
        return rows;
    }
    std::unique_ptr<TestDatabase> db;
};

void TestProdStock::followsEveryBillChange()
{
    receipt("1001", 0, 1);
    line("TBILLINC", "1001", 1, 1, 10, "A", 10);
    line("TBILLINC", "1001", 2, 1, 20, "A", 4);
    line("TBILLINC", "1001", 3, 2, 30, QString(), 7);
    QCOMPARE(stock(), QStringList()); // a receipt being edited moves nothing

    run("UPDATE TBILLINP SET BILLSTATE = 10 WHERE BILLNO = '1001'");
    QCOMPARE(stock(), QStringList({"1/1/A/S1 10 4 0", "2/1//S1 0 0 7"}));
    run("UPDATE TBILLINP SET BILLSTATE = 20 WHERE BILLNO = '1001'"); // still counts, counted once
    QCOMPARE(stock(), QStringList({"1/1/A/S1 10 4 0", "2/1//S1 0 0 7"}));

    // Outbound bills take away in every state, adjustments included.
    outbound("2001", 0, 1);
    line("BILLPRODOUTC", "2001", 1, 1, 10, "A", 3);
    line("BILLPRODOUTC", "2001", 2, 2, 30, QString(), 7.0);
    QCOMPARE(stock(), QStringList({"1/1/A/S1 7 4 0"})); // product 2 back to zero: row gone

    run("UPDATE BILLPRODOUTC SET QTY = 5, PRODCLS = 20 WHERE BILLNO = '2001' AND SNO = 1");
    QCOMPARE(stock(), QStringList({"1/1/A/S1 10 -1 0"}));

    // The receipt moves to warehouse 2: its goods move with it.
    run("UPDATE TBILLINP SET STOREID = 2 WHERE BILLNO = '1001'");
    QCOMPARE(stock(), QStringList({"1/1/A/S1 0 -5 0", "1/2/A/S1 10 4 0", "2/1//S1 0 0 -7", "2/2//S1 0 0 7"}));

    // Deleting the outbound bill, header first, inside one transaction.
    RunInTransaction(db->server(), [&] {
        run("DELETE FROM BILLPRODOUTP WHERE BILLNO = '2001'");
        run("DELETE FROM BILLPRODOUTC WHERE BILLNO = '2001'");
    });
    QCOMPARE(stock(), QStringList({"1/2/A/S1 10 4 0", "2/2//S1 0 0 7"}));

    // A failed transaction leaves the stock as it was.
    try {
        RunInTransaction(db->server(), [&] {
            line("TBILLINC", "1001", 4, 1, 10, "A", 100);
            run("INSERT INTO TBILLINC (BILLNO, SNO, INVID) VALUES ('1001', 4, 9)"); // duplicate line
        });
        QFAIL("duplicate line accepted");
    } catch (const DbError &) {
    }
    QCOMPARE(stock(), QStringList({"1/2/A/S1 10 4 0", "2/2//S1 0 0 7"}));

    run("UPDATE TBILLINP SET BILLSTATE = 0 WHERE BILLNO = '1001'"); // back to editing
    QCOMPARE(stock(), QStringList());
}

void TestProdStock::linesWrittenBeforeTheirHeaderCount()
{
    line("TBILLINC", "1005", 1, 3, 10, "C", 6);
    line("BILLPRODOUTC", "2005", 1, 3, 10, "C", 2);
    QCOMPARE(stock(), QStringList());
    receipt("1005", 10, 1);
    outbound("2005", 10, 1);
    QCOMPARE(stock(), QStringList({"3/1/C/S1 4 0 0"}));
    run("DELETE FROM TBILLINP WHERE BILLNO = '1005'");
    QCOMPARE(stock(), QStringList({"3/1/C/S1 -2 0 0"}));
}

void TestProdStock::getTotalAmt_data()
{
    QTest::addColumn<int>("grade");
    QTest::addColumn<double>("qty");
    QTest::addColumn<QString>("date");
    QTest::addColumn<double>("expected");
    QTest::newRow("before any receipt") << 10 << 4.0 << "2026-01-01 00:00:00" << 0.0;
    QTest::newRow("first price only") << 10 << 4.0 << "2026-02-01 00:00:00" << 20.0;
    QTest::newRow("weighted over both") << 10 << 4.0 << "2026-03-01 00:00:00" << 26.0;
    QTest::newRow("strictly before the date") << 10 << 4.0 << "2026-02-10 08:00:00" << 20.0;
    QTest::newRow("negative quantity") << 10 << -2.0 << "2026-03-01 00:00:00" << -13.0;
    QTest::newRow("zero quantity") << 10 << 0.0 << "2026-03-01 00:00:00" << 0.0;
    QTest::newRow("grade without receipts") << 20 << 4.0 << "2026-03-01 00:00:00" << 0.0;
}

void TestProdStock::getTotalAmt()
{
    QFETCH(int, grade);
    QFETCH(double, qty);
    QFETCH(QString, date);
    QFETCH(double, expected);
    // Accepted by finance: counted.
    run("INSERT INTO TBILLINP (BILLNO, BILLDATE, BILLSTATE, STOREID, APPSTF, APPDATE) VALUES "
        "('1001', '2026-01-10 09:00:00', 20, 1, 1, '2026-01-11 09:00:00')");
    line("TBILLINC", "1001", 1, 1, 10, "A", 10);
    run("UPDATE TBILLINC SET PRICE = 5 WHERE BILLNO = '1001'");
    run("INSERT INTO TBILLINP (BILLNO, BILLDATE, BILLSTATE, STOREID, APPSTF, APPDATE) VALUES "
        "('1002', '2026-02-10 08:00:00', 20, 1, 1, '2026-02-11 09:00:00')");
    line("TBILLINC", "1002", 1, 1, 10, "A", 30);
    run("UPDATE TBILLINC SET PRICE = 7 WHERE BILLNO = '1002'");
    // Not counted: only confirmed by the keeper; state 20 without the finance stamp.
    run("INSERT INTO TBILLINP (BILLNO, BILLDATE, BILLSTATE, STOREID) VALUES ('1003', '2026-01-05 00:00:00', 10, 1)");
    line("TBILLINC", "1003", 1, 1, 10, "A", 100);
    run("INSERT INTO TBILLINP (BILLNO, BILLDATE, BILLSTATE, STOREID, APPSTF) VALUES "
        "('1004', '2026-01-05 00:00:00', 20, 1, 1)");
    line("TBILLINC", "1004", 1, 1, 10, "A", 100);
    run("UPDATE TBILLINC SET PRICE = 1000 WHERE BILLNO IN ('1003', '1004')");

    const QVariant v = Sql::scalar(db->server(), QStringLiteral("SELECT GetTotalAmt(:P, :G, :Q, :D)"),
                                   {{"P", 1}, {"G", grade}, {"Q", qty},
                                    {"D", Dialect::bindDate(Dialect::readDate(date))}});
    QCOMPARE(v.toDouble(), expected);
}

QTEST_GUILESS_MAIN(TestProdStock)
#include "tst_prodstock.moc"
