// The local file's two transfers on generated data: uploading 1 000 local sales bills
// of 5 lines each, and downloading 20 000 customers, 10 000 products and 200 000 stock
// rows, each next to the row-by-row method that commits every row by itself.
//
//   bench_localsync [--engine sqlite|postgres|both] [--sample 200]
// The row-by-row figures are measured on --sample bills (and 25 times as many rows per
// table) and scaled up: run in full they take minutes. PostgreSQL is reached through
// KB_PG_HOST / KB_PG_PORT / KB_PG_USER (scripts/bench).
#include "BenchDb.h"
#include "Connections.h"
#include "DbError.h"
#include "Dialect.h"
#include "LocalCounters.h"
#include "LocalTransfer.h"
#include "SchemaInstaller.h"
#include "Sql.h"
#include "Transaction.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QUuid>
#include <cstdio>

namespace {

constexpr int kBills = 1000;
constexpr int kLines = 5;
struct Download { const char *table; int rows; };
constexpr Download kDownload[] = {{"CUSTOMER", 20000}, {"PRODUCT", 10000}, {"PRODSTOCK", 200000}};

QString series(Engine e, int n)
{
    return e == Engine::SQLite
        ? QStringLiteral("(WITH RECURSIVE s(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM s WHERE i < %1) SELECT i FROM s) g").arg(n)
        : QStringLiteral("generate_series(1, %1) AS g(i)").arg(n);
}

QString asText(Engine e, const QString &expr)
{
    return QStringLiteral("CAST(%1 AS %2)").arg(expr, e == Engine::SQLite ? QStringLiteral("TEXT") : QStringLiteral("VARCHAR"));
}

double seconds(const QElapsedTimer &t) { return t.nsecsElapsed() / 1e9; }

// Local bills as the sales window leaves them: numbered from 1, each with its id.
void fillLocalBills(const QSqlDatabase &local, int bills)
{
    RunInTransaction(local, [&] {
        for (int b = 1; b <= bills; ++b) {
            const QString no = QString::number(b);
            Sql::run(local, QStringLiteral("INSERT INTO BILLSELLP (BILLNO, BILLDATE, BILLER, BILLSTATE, CUSID, SELLAMT, STOREID, DSPT, LOCALID)"
                                           " VALUES (:NO, :D, 1, 10, :CUS, 1250, 1, '门店单', :ID)"),
                     {{"NO", no}, {"D", QStringLiteral("2026-03-02 09:15:00")}, {"CUS", 1 + b % 50},
                      {"ID", QUuid::createUuid().toString(QUuid::WithoutBraces)}});
            for (int s = 1; s <= kLines; ++s)
                Sql::run(local, QStringLiteral("INSERT INTO BILLSELLC (BILLNO, SNO, INVID, PRODCLS, COLORNO, SIZENO, QTY, PRICE, STOREID)"
                                               " VALUES (:NO, :S, :INV, 10, 'C1', 'S1', 10, 25, 1)"),
                         {{"NO", no}, {"S", s}, {"INV", 1 + (b * 7 + s) % 1000}});
        }
    });
}

void clearBills(const QSqlDatabase &db)
{
    Sql::run(db, QStringLiteral("DELETE FROM BILLSELLC"));
    Sql::run(db, QStringLiteral("DELETE FROM BILLSELLP"));
}

// Copies row by row, each statement committing by itself.
void copyRowByRow(const QSqlDatabase &to, const QString &table, const QSqlRecord &rec, const QVariantList &values,
                  const QHash<int, QVariant> &replace = {})
{
    QStringList names, marks;
    for (int i = 0; i < rec.count(); ++i) {
        names << rec.fieldName(i);
        marks << QStringLiteral(":P%1").arg(i);
    }
    QSqlQuery q(to);
    q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, names.join(u','), marks.join(u',')));
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, replace.value(i, values.at(i)));
    if (!q.exec())
        throw DbError::fromSql(q.lastError());
}

QVariantList valuesOf(const QSqlQuery &q)
{
    QVariantList v;
    for (int i = 0; i < q.record().count(); ++i)
        v << q.value(i);
    return v;
}

// The upload as first written: header, counter, then line by line, every row
// committed and deleted at once.
void uploadRowByRow(const QSqlDatabase &server, const QSqlDatabase &local, const QString &no)
{
    QSqlQuery h = Sql::exec(local, QStringLiteral("SELECT * FROM BILLSELLP WHERE BILLNO = :NO"), {{"NO", no}});
    h.next();
    const QSqlRecord rec = h.record();
    const QString serverNo = QString::number(
        Sql::scalar(server, QStringLiteral("SELECT COALESCE(MAX(%1), 1000) + 1 FROM BILLSELLP").arg(Dialect::billNoValueExpr(server))).toLongLong());
    const int dspt = rec.indexOf(QStringLiteral("DSPT"));
    copyRowByRow(server, QStringLiteral("BILLSELLP"), rec, valuesOf(h),
                 {{0, serverNo}, {dspt, h.value(dspt).toString() + QStringLiteral(" 原单机版单号：") + no}});
    SetLocalCounter(local, no, QStringLiteral("BILLSELLP"));
    QSqlQuery l = Sql::exec(local, QStringLiteral("SELECT * FROM BILLSELLC WHERE BILLNO = :NO ORDER BY SNO"), {{"NO", no}});
    QList<QVariantList> lines;
    while (l.next())
        lines << valuesOf(l);
    for (const QVariantList &line : lines) {
        copyRowByRow(server, QStringLiteral("BILLSELLC"), l.record(), line, {{0, serverNo}});
        Sql::run(local, QStringLiteral("DELETE FROM BILLSELLC WHERE BILLNO = :NO AND SNO = :S"), {{"NO", no}, {"S", line.at(1)}});
    }
    Sql::run(local, QStringLiteral("DELETE FROM BILLSELLP WHERE BILLNO = :NO"), {{"NO", no}});
}

void benchUpload(const QSqlDatabase &server, const QSqlDatabase &local, int sample)
{
    fillLocalBills(local, kBills);
    QElapsedTimer t;
    t.start();
    if (!UploadAllLocalBills(server, local))
        throw DbError(QStringLiteral("upload stopped"));
    const double ours = seconds(t);
    const int arrived = Sql::scalar(server, QStringLiteral("SELECT COUNT(*) FROM BILLSELLC")).toInt();

    clearBills(server);
    fillLocalBills(local, sample);
    t.restart();
    for (int b = 1; b <= sample; ++b)
        uploadRowByRow(server, local, QString::number(b));
    const double naive = seconds(t) * kBills / sample;
    clearBills(server);
    clearBills(local);

    std::printf("  upload %d bills x %d lines (%d lines arrived): %7.3f s   row by row %7.2f s   ratio %.1fx\n",
                kBills, kLines, arrived, ours, naive, naive / ours);
    std::fflush(stdout);
}

void fillServerBaseData(const QSqlDatabase &server)
{
    const Engine e = Dialect::engineOf(server);
    RunInTransaction(server, [&] {
        Sql::run(server, QStringLiteral("INSERT INTO CUSTOMER (ID, NUMCODE, NAME, PYCODE, PLACEID, TEL, ADDR)"
                                        " SELECT i, %1, '客户' || %1, 'kh', 1, '0757-8888', '佛山市禅城区' FROM %2")
                             .arg(asText(e, QStringLiteral("i")), series(e, 20000)));
        Sql::run(server, QStringLiteral("INSERT INTO PRODUCT (ID, NUMCODE, NAME, SPEC, UNIT, FIRSTPRICE, SECONDPRICE, THIRDPRICE, PIECE2BOX, M2PIECE)"
                                        " SELECT i, %1, '抛光砖' || %1, '800x800', '箱', 60, 55, 50, 3, 0.64 FROM %2")
                             .arg(asText(e, QStringLiteral("i")), series(e, 10000)));
        Sql::run(server, QStringLiteral("INSERT INTO PRODSTOCK (PRODID, STOREID, COLORNO, SIZENO, FIRSTQTY, SECONDQTY, THIRDQTY)"
                                        " SELECT 1 + (i - 1) % 10000, 1, 'C' || %1, 'S1', 40, 5, 1 FROM %2")
                             .arg(asText(e, QStringLiteral("(i - 1) / 10000")), series(e, 200000)));
    });
}

// The download as first written: empty the table, then one committed insert per row.
int downloadRowByRow(const QSqlDatabase &server, const QSqlDatabase &local, const QString &table, int limit)
{
    Sql::run(local, QStringLiteral("DELETE FROM %1").arg(table));
    QSqlQuery q = Sql::exec(server, QStringLiteral("SELECT * FROM %1").arg(table));
    int n = 0;
    while (n < limit && q.next()) {
        copyRowByRow(local, table, q.record(), valuesOf(q));
        ++n;
    }
    return n;
}

void benchDownload(const QSqlDatabase &server, const QSqlDatabase &local, int sample)
{
    fillServerBaseData(server);
    QElapsedTimer t;
    t.start();
    int rows = 0;
    for (const Download &d : kDownload) {
        if (!SyncBaseData(server, local, QString::fromLatin1(d.table), [](int, int) {}))
            throw DbError(QStringLiteral("download of %1 failed").arg(QLatin1String(d.table)));
        rows += Sql::scalar(local, QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(d.table))).toInt();
    }
    const double ours = seconds(t);

    double naive = 0;
    for (const Download &d : kDownload) {
        t.restart();
        const int copied = downloadRowByRow(server, local, QString::fromLatin1(d.table), sample * 25);
        naive += seconds(t) * d.rows / copied;
    }
    std::printf("  download %d rows (20 000 / 10 000 / 200 000):   %7.3f s   row by row %7.2f s   ratio %.1fx\n",
                rows, ours, naive, naive / ours);
    std::fflush(stdout);
}

void run(const QSqlDatabase &server, const QString &localFile, int sample)
{
    SchemaInstaller::install(server, SchemaInstaller::Target::Server);
    QSqlDatabase local = Connections::openLocal(localFile, QStringLiteral("bench-local-") + server.connectionName());
    SchemaInstaller::install(local, SchemaInstaller::Target::Local);
    Sql::run(local, QStringLiteral("INSERT INTO SYSPARAM (ID, PRMCODE, VALUE2, ISWAS) VALUES (1, 'LOCALBILLNO_SELL', '0', 0)"));
    benchUpload(server, local, sample);
    benchDownload(server, local, sample);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser p;
    p.addOption({QStringLiteral("engine"), QStringLiteral("sqlite, postgres or both"), QStringLiteral("engine"), QStringLiteral("both")});
    p.addOption({QStringLiteral("sample"), QStringLiteral("bills uploaded row by row (x25 rows per downloaded table)"),
                 QStringLiteral("n"), QStringLiteral("200")});
    p.addHelpOption();
    p.process(app);
    const QString which = p.value(QStringLiteral("engine"));
    const int sample = std::clamp(p.value(QStringLiteral("sample")).toInt(), 1, kBills);

    QTemporaryDir dir;
    DataFolder::setPath(dir.path());
    try {
        if (which == QLatin1String("sqlite") || which == QLatin1String("both")) {
            std::printf("SQLite server file, SQLite local file (%s)\n", qPrintable(dir.path()));
            run(Connections::openSqlite(dir.filePath(QStringLiteral("server.db")), QStringLiteral("bench-sqlite"), true),
                dir.filePath(QStringLiteral("local-sqlite.db")), sample);
        }
        if (which == QLatin1String("postgres") || which == QLatin1String("both")) {
            const ServerSettings s = FreshPostgresDatabase(QStringLiteral("kilnbook_bench_localsync"));
            std::printf("PostgreSQL server (%s:%d), SQLite local file\n", qPrintable(s.host), s.port);
            run(Connections::openServer(s, QStringLiteral("bench-pg")), dir.filePath(QStringLiteral("local-pg.db")), sample);
        }
    } catch (const DbError &e) {
        std::fprintf(stderr, "bench_localsync: %s\n", qPrintable(e.text()));
        return 1;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "bench_localsync: %s\n", e.what());
        return 1;
    }
    return 0;
}
