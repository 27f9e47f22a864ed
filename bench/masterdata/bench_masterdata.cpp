// Dictionary window figures: opening the customer window over 20 000 customers until it
// shows its count, a substring filter over them, and opening the product picker over
// 10 000 products. Median of several runs, on SQLite and PostgreSQL.
//
//   bench_masterdata [--engine sqlite|postgres|both] [--runs 7]
// PostgreSQL is reached through KB_PG_HOST / KB_PG_PORT / KB_PG_USER (scripts/bench).
#include "BenchDb.h"
#include "Connections.h"
#include "DataModule.h"
#include "DictGrid.h"
#include "Dialect.h"
#include "SchemaInstaller.h"
#include "Sql.h"
#include "Transaction.h"
#include "frmBscCustomer.h"
#include "frmProduct.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int kCustomers = 20000;
constexpr int kProducts = 10000;

QString series(Engine e, int n)
{
    return e == Engine::SQLite
        ? QStringLiteral("(WITH RECURSIVE s(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM s WHERE i < %1) SELECT i FROM s) g").arg(n)
        : QStringLiteral("generate_series(1, %1) AS g(i)").arg(n);
}

void load(const QSqlDatabase &db)
{
    const Engine e = Dialect::engineOf(db);
    const QString text = e == Engine::SQLite ? QStringLiteral("CAST(i AS TEXT)") : QStringLiteral("CAST(i AS VARCHAR)");
    RunInTransaction(db, [&] {
        Sql::run(db, QStringLiteral("INSERT INTO STAFF (ID, NUMCODE, NAME, ROLE) VALUES (1, '001', '操作员', 'ABCDE')"));
        Sql::run(db, QStringLiteral("INSERT INTO PLACE (ID, NUMCODE, NAME) SELECT i, %1, '地区' || %1 FROM %2").arg(text, series(e, 300)));
        Sql::run(db, QStringLiteral("INSERT INTO CUSTOMER (ID, NUMCODE, NAME, PYCODE, PLACEID, ABBRNAME, TEL, CONTACT, ADDR) "
                                    "SELECT i, 'C' || %1, '华美建材' || %1 || '店', 'hmjc', 1 + i % 300, '华美', "
                                    "'0757-8000000', '王经理', '佛山市南海区' || %1 FROM %2")
                         .arg(text, series(e, kCustomers)));
        Sql::run(db, QStringLiteral("INSERT INTO PRODUCT (ID, NUMCODE, NAME, SPEC, SELLUNIT, UNIT, FIRSTPRICE, SECONDPRICE, THIRDPRICE) "
                                    "SELECT i, 'P' || %1, '抛光砖' || %1, '800x800', '箱', '件', 96.5, 88, 70 FROM %2")
                         .arg(text, series(e, kProducts)));
    });
}

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

// Milliseconds of each run of fn, median.
double measure(int runs, const std::function<void()> &fn)
{
    QList<double> ms;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer t;
        t.start();
        fn();
        ms << t.nsecsElapsed() / 1e6;
    }
    return median(ms);
}

void run(const QSqlDatabase &db, int runs)
{
    TDM dm;
    dm.setConnections(db, db);
    dm.Operator.StfID = 1;

    const double open = measure(runs, [] {
        TfrmBscCustomer w;
        w.show();
        QCoreApplication::processEvents();
        if (!w.findChild<QLabel *>(QStringLiteral("lbCount"))->text().endsWith(QString::number(kCustomers)))
            std::fprintf(stderr, "  unexpected count\n");
    });
    std::printf("  customer window open and count (%d customers)   %8.1f ms   (limit 300)\n", kCustomers, open);

    TfrmBscCustomer w;
    w.show();
    QCoreApplication::processEvents();
    auto *keyword = w.findChild<QLineEdit *>(QStringLiteral("edKeyWord"));
    auto *find = w.findChild<QPushButton *>(QStringLiteral("btnFind"));
    int i = 0;
    const double filter = measure(runs, [&] {
        keyword->setText(QStringLiteral("建材%1").arg(1234 + i++));
        find->click();
        QCoreApplication::processEvents();
    });
    std::printf("  substring filter over them                       %8.1f ms   (limit 50)\n", filter);
    w.close();

    const double picker = measure(runs, [] {
        TfrmProduct p;
        p.show();
        QCoreApplication::processEvents();
    });
    std::printf("  product picker open (%d products)               %8.1f ms   (limit 300)\n", kProducts, picker);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser p;
    p.addOption({QStringLiteral("engine"), QStringLiteral("sqlite, postgres or both"), QStringLiteral("engine"), QStringLiteral("both")});
    p.addOption({QStringLiteral("runs"), QStringLiteral("runs per figure"), QStringLiteral("n"), QStringLiteral("7")});
    p.process(app);
    const QString which = p.value(QStringLiteral("engine"));
    const int runs = qMax(1, p.value(QStringLiteral("runs")).toInt());

    try {
        QTemporaryDir dir;
        if (which == QLatin1String("sqlite") || which == QLatin1String("both")) {
            QSqlDatabase db = Connections::openSqlite(dir.path() + QStringLiteral("/server.db"), QStringLiteral("bench-sqlite"), true);
            SchemaInstaller::install(db, SchemaInstaller::Target::Server);
            load(db);
            std::printf("SQLite\n");
            run(db, runs);
        }
        if (which == QLatin1String("postgres") || which == QLatin1String("both")) {
            const ServerSettings s = FreshPostgresDatabase(QStringLiteral("kilnbook_bench_masterdata"));
            QSqlDatabase db = Connections::openServer(s, QStringLiteral("bench-pg"));
            SchemaInstaller::install(db, SchemaInstaller::Target::Server);
            load(db);
            std::printf("PostgreSQL (%s:%d)\n", qPrintable(s.host), s.port);
            run(db, runs);
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "bench_masterdata: %s\n", e.what());
        return 1;
    }
    return 0;
}
