#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

enum class Engine { SQLite, PostgreSQL };

// The few places where the two engines differ. Everything else is written once in
// the SQL both engines share.
namespace Dialect {

Engine engineOf(const QSqlDatabase &db);
inline bool isSqlite(const QSqlDatabase &db) { return engineOf(db) == Engine::SQLite; }

// Date-times travel as "yyyy-MM-dd HH:mm:ss" text on both engines: SQLite stores and
// compares that text, PostgreSQL casts it into TIMESTAMP(0). A null date binds NULL.
QVariant bindDate(const QDateTime &dt);
QVariant bindDate(const QDate &d);
// Reads what either engine returns for a date-time column (text or QDateTime).
QDateTime readDate(const QVariant &v);
QString dateText(const QDateTime &dt);

// Expression for the server's current date and time.
QString nowExpr(const QSqlDatabase &db);

// Expression that formats a date-time column as text "yyyy-MM-dd".
QString dayTextExpr(const QSqlDatabase &db, const QString &column);

// Expression for a bill number's integer value: the number for decimal text, -1 for
// text that is not a whole number, NULL for NULL. Both the numbering index and
// NextBillNo use it, so the maximum is read from the index.
QString billNoValueExpr(const QSqlDatabase &db, const QString &column = QStringLiteral("BILLNO"));
QString billNoValueExpr(Engine engine, const QString &column = QStringLiteral("BILLNO"));

// "BEGIN IMMEDIATE" on SQLite, so a writer takes its lock up front instead of failing
// with "database is locked" when it upgrades from reading; "BEGIN" on PostgreSQL.
QString beginWriteSql(const QSqlDatabase &db);

} // namespace Dialect
