#include "SchemaInstaller.h"

#include "DbError.h"
#include "Passwords.h"
#include "Dialect.h"
#include "SchemaCatalog.h"
#include "Seed.h"
#include "Sql.h"
#include "StockObjects.h"
#include "Transaction.h"

#include <QDateTime>
#include <functional>

namespace SchemaInstaller {

namespace {

using Step = std::function<void(const QSqlDatabase &, Target)>;

// Version 1: every table with its keys and indexes; on the server the stock table's
// triggers and GetTotalAmt; the rows a new installation needs.
void step1(const QSqlDatabase &db, Target target)
{
    const Engine engine = Dialect::engineOf(db);
    const int where = target == Target::Server ? Schema::Server : Schema::Local;
    for (const Schema::Table &t : Schema::tables()) {
        if (!(t.where & where))
            continue;
        for (const QString &stmt : Schema::createStatements(engine, t))
            Sql::runScript(db, stmt);
    }
    if (target == Target::Server) {
        for (const QString &stmt : StockObjects::createStatements(engine))
            Sql::runScript(db, stmt);
        Seed::server(db);
    } else {
        Seed::local(db);
    }
}

const QList<Step> &steps()
{
    static const QList<Step> s = {step1};
    return s;
}

bool hasVersionTable(const QSqlDatabase &db)
{
    const QString sql = Dialect::isSqlite(db)
        ? QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND upper(name) = 'SCHEMAVERSION'")
        : QStringLiteral("SELECT COUNT(*) FROM information_schema.tables"
                         " WHERE table_schema = current_schema() AND upper(table_name) = 'SCHEMAVERSION'");
    return Sql::scalar(db, sql).toInt() > 0;
}

} // namespace

int currentVersion()
{
    return int(steps().size());
}

int version(const QSqlDatabase &db)
{
    if (!hasVersionTable(db))
        return 0;
    return Sql::scalar(db, QStringLiteral("SELECT COALESCE(MAX(VERSION), 0) FROM SCHEMAVERSION")).toInt();
}

int install(const QSqlDatabase &db, Target target)
{
    if (!hasVersionTable(db)) {
        Sql::runScript(db, QStringLiteral("CREATE TABLE SCHEMAVERSION (VERSION INTEGER NOT NULL PRIMARY KEY,"
                                          " APPLIED %1)")
                               .arg(Dialect::isSqlite(db) ? QStringLiteral("DATETIME") : QStringLiteral("TIMESTAMP(0)")));
    }
    int v = version(db);
    while (v < currentVersion()) {
        const int next = v + 1;
        RunInTransaction(db, [&] {
            // Another workstation may have applied the step while we waited for the lock.
            if (version(db) >= next)
                return;
            steps().at(next - 1)(db, target);
            Sql::run(db, QStringLiteral("INSERT INTO SCHEMAVERSION (VERSION, APPLIED) VALUES (:V, :D)"),
                     {{QStringLiteral("V"), next},
                      {QStringLiteral("D"), Dialect::bindDate(QDateTime::currentDateTime())}});
        });
        v = version(db);
    }
    // Staff rows may arrive from an older database with plain-text passwords; none
    // stays readable.
    Passwords::hashPlainTextPasswords(db);
    return v;
}

} // namespace SchemaInstaller
