// Data-layer figures on a generated data set: reading PRODSTOCK for one product and
// computing the next bill number, each next to the same statements run by the engine's
// own command-line client.
//
//   bench_data [--engine sqlite|postgres|both] [--scale 1.0] [--keep DIR]
// PostgreSQL is reached through KB_PG_HOST / KB_PG_PORT / KB_PG_USER (scripts/bench).
#include "BillNumbers.h"
#include "BenchDb.h"
#include "Connections.h"
#include "Dialect.h"
#include "SchemaInstaller.h"
#include "Sql.h"
#include "Transaction.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

namespace {

struct Sizes {
    int products = 1000;
    int outboundBills = 200000; // 5 lines each: 1 000 000 outbound lines
    int receiptBills = 60000;   // 5 lines each: 300 000 receipt lines
    int salesBills = 200000;
};

// The numbers 1..n as a row source named alias, with the column i.
QString series(Engine e, int n, const QString &alias = QStringLiteral("g"))
{
    return e == Engine::SQLite
        ? QStringLiteral("(WITH RECURSIVE s(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM s WHERE i < %1) SELECT i FROM s) %2").arg(n).arg(alias)
        : QStringLiteral("generate_series(1, %1) AS %2(i)").arg(n).arg(alias);
}

void load(const QSqlDatabase &db, const Sizes &z)
{
    const Engine e = Dialect::engineOf(db);
    const QString text = e == Engine::SQLite ? QStringLiteral("CAST(%1 AS TEXT)") : QStringLiteral("CAST(%1 AS VARCHAR)");
    auto step = [&](const char *what, const QString &sql) {
        QElapsedTimer t;
        t.start();
        RunInTransaction(db, [&] { Sql::run(db, sql); });
        std::printf("  load %-34s %8.1f s\n", what, t.elapsed() / 1000.0);
        std::fflush(stdout);
    };
    step("products", QStringLiteral("INSERT INTO PRODUCT (ID, NUMCODE, NAME, SPEC, PIECE2BOX) SELECT i, %1, %2, '800x800', 3 FROM %3")
                         .arg(text.arg(QStringLiteral("i")), QStringLiteral("'抛光砖' || ") + text.arg(QStringLiteral("i")), series(e, z.products)));
    step("sales headers", QStringLiteral("INSERT INTO BILLSELLP (BILLNO, BILLSTATE, CUSID) SELECT %1, 10, 1 FROM %2")
                              .arg(text.arg(QStringLiteral("1000 + i")), series(e, z.salesBills)));
    step("receipt headers (state 10)", QStringLiteral("INSERT INTO TBILLINP (BILLNO, BILLSTATE, STOREID) SELECT %1, 10, 1 + i % 3 FROM %2")
                                           .arg(text.arg(QStringLiteral("1000 + i")), series(e, z.receiptBills)));
    // Five lines per bill, spread over the products, grades, colours and sizes.
    auto lines = [&](const QString &table, int bills, const QString &qtyPrice) {
        return QStringLiteral("INSERT INTO %1 (BILLNO, SNO, INVID, PRODCLS, COLORNO, SIZENO, QTY, PRICE) "
                              "SELECT %2, k.i, 1 + (g.i * 7 + k.i * 13) % %3, 10 * (1 + (g.i + k.i) % 3), "
                              "'C' || %4, 'S' || %5, %6 FROM %7, %8")
            .arg(table, text.arg(QStringLiteral("1000 + g.i")), QString::number(z.products),
                 text.arg(QStringLiteral("(g.i + k.i) % 5")), text.arg(QStringLiteral("k.i % 3")), qtyPrice,
                 series(e, bills), series(e, 5, QStringLiteral("k")));
    };
    step("receipt lines (stock triggers)", lines(QStringLiteral("TBILLINC"), z.receiptBills, QStringLiteral("50, 20")));
    step("outbound headers", QStringLiteral("INSERT INTO BILLPRODOUTP (BILLNO, BILLSTATE, STOREID) SELECT %1, 10, 1 + i % 3 FROM %2")
                                 .arg(text.arg(QStringLiteral("1000 + i")), series(e, z.outboundBills)));
    step("outbound lines (stock triggers)", lines(QStringLiteral("BILLPRODOUTC"), z.outboundBills, QStringLiteral("1 + g.i % 10, 0")));
    // The steady state of a working server: the load's row versions cleaned up.
    Sql::runScript(db, e == Engine::PostgreSQL ? QStringLiteral("VACUUM ANALYZE") : QStringLiteral("ANALYZE"));
}

const QString kStockSql = QStringLiteral(
    "SELECT PRODID, STOREID, COLORNO, SIZENO, FIRSTQTY, SECONDQTY, THIRDQTY FROM PRODSTOCK WHERE PRODID = %1");

// Milliseconds per call of fn over n calls.
template <typename F>
double perCall(int n, F fn)
{
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < n; ++i)
        fn(i);
    return t.nsecsElapsed() / 1e6 / n;
}

// Milliseconds per statement when the engine's client runs `statements` (n of them):
// the run of the file minus the run of an empty file, divided by n.
double clientPerStatement(Engine e, const QString &target, const QStringList &statements, const QString &dir)
{
    auto runFile = [&](const QStringList &stmts) {
        const QString path = dir + QStringLiteral("/client.sql");
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write((stmts.join(QStringLiteral(";\n")) + (stmts.isEmpty() ? QString() : QStringLiteral(";\n"))).toUtf8());
        f.close();
        QProcess p;
        p.setStandardInputFile(path);
        p.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer t;
        if (e == Engine::SQLite) {
            t.start();
            p.start(QStringLiteral("sqlite3"), {target});
        } else {
            t.start();
            p.start(QStringLiteral("psql"), {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-h"), qEnvironmentVariable("KB_PG_HOST"),
                                           QStringLiteral("-p"), qEnvironmentVariable("KB_PG_PORT"), QStringLiteral("-U"),
                                           qEnvironmentVariable("KB_PG_USER"), QStringLiteral("-d"), target});
        }
        p.waitForFinished(-1);
        return t.nsecsElapsed() / 1e6;
    };
    double best = 1e18, base = 1e18;
    for (int r = 0; r < 3; ++r) {
        base = std::min(base, runFile({}));
        best = std::min(best, runFile(statements));
    }
    return std::max(0.0, best - base) / statements.size();
}

void measure(const QSqlDatabase &db, Engine e, const QString &clientTarget, const Sizes &z, const QString &dir)
{
    const int n = 2000;
    // PRODSTOCK for one product, prepared once as a window would, all rows fetched.
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT PRODID, STOREID, COLORNO, SIZENO, FIRSTQTY, SECONDQTY, THIRDQTY FROM PRODSTOCK WHERE PRODID = :P"));
    int rows = 0;
    const double stockMs = perCall(n, [&](int i) {
        q.bindValue(QStringLiteral(":P"), 1 + (i * 37) % z.products);
        q.exec();
        while (q.next())
            ++rows;
    });
    QStringList stockStmts;
    for (int i = 0; i < n; ++i)
        stockStmts << kStockSql.arg(1 + (i * 37) % z.products);
    const double stockClient = clientPerStatement(e, clientTarget, stockStmts, dir);

    const double billMs = perCall(n, [&](int) { BillNumbers::nextNumber(db, QStringLiteral("BILLSELLP")); });
    const QString value = Dialect::billNoValueExpr(db);
    QStringList billStmts;
    for (int i = 0; i < n; ++i)
        billStmts << QStringLiteral("SELECT (SELECT BILLNO FROM BILLSELLP WHERE %1 = -1 LIMIT 1), (SELECT MAX(%1) FROM BILLSELLP)")
                         .arg(value);
    const double billClient = clientPerStatement(e, clientTarget, billStmts, dir);

    const char *name = e == Engine::SQLite ? "SQLite" : "PostgreSQL";
    std::printf("  %-10s PRODSTOCK, one product (%d rows avg): %.3f ms   client %.3f ms   ratio %.2f   (target <= 5 ms)\n",
                name, rows / n, stockMs, stockClient, stockClient > 0 ? stockMs / stockClient : 0.0);
    std::printf("  %-10s NextBillNo over %d headers:     %.3f ms   client %.3f ms   ratio %.2f   (target <= 1 ms)\n",
                name, z.salesBills, billMs, billClient, billClient > 0 ? billMs / billClient : 0.0);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser p;
    p.addOption({QStringLiteral("engine"), QStringLiteral("sqlite, postgres or both"), QStringLiteral("engine"), QStringLiteral("both")});
    p.addOption({QStringLiteral("scale"), QStringLiteral("fraction of the full data set"), QStringLiteral("scale"), QStringLiteral("1")});
    p.addHelpOption();
    p.process(app);
    const double scale = p.value(QStringLiteral("scale")).toDouble();
    Sizes z;
    z.outboundBills = int(z.outboundBills * scale);
    z.receiptBills = int(z.receiptBills * scale);
    z.salesBills = int(z.salesBills * scale);
    const QString which = p.value(QStringLiteral("engine"));

    QTemporaryDir dir;
    DataFolder::setPath(dir.path());
    std::printf("Data set: %d products, 3 warehouses, %d outbound lines, %d receipt lines, %d sales headers\n",
                z.products, z.outboundBills * 5, z.receiptBills * 5, z.salesBills);
    try {
        if (which == QLatin1String("sqlite") || which == QLatin1String("both")) {
            const QString file = dir.filePath(QStringLiteral("bench.db"));
            QSqlDatabase db = Connections::openSqlite(file, QStringLiteral("bench-sqlite"), true);
            SchemaInstaller::install(db, SchemaInstaller::Target::Server);
            std::printf("SQLite (%s)\n", qPrintable(file));
            load(db, z);
            measure(db, Engine::SQLite, file, z, dir.path());
        }
        if (which == QLatin1String("postgres") || which == QLatin1String("both")) {
            const ServerSettings s = FreshPostgresDatabase(QStringLiteral("kilnbook_bench"));
            QSqlDatabase db = Connections::openServer(s, QStringLiteral("bench-pg"));
            SchemaInstaller::install(db, SchemaInstaller::Target::Server);
            std::printf("PostgreSQL (%s:%d)\n", qPrintable(s.host), s.port);
            load(db, z);
            measure(db, Engine::PostgreSQL, s.database, z, dir.path());
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "bench_data: %s\n", e.what());
        return 1;
    }
    return 0;
}
