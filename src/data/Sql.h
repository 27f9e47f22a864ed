#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <initializer_list>
#include <utility>

// Statement helpers: prepare, bind by name, execute, and turn any failure into a
// DbError that carries the driver's text. Values always travel as bound parameters.
namespace Sql {

using Binding = std::pair<QString, QVariant>;
using Bindings = std::initializer_list<Binding>;

// Prepares and executes; the query is forward-only (walked once).
QSqlQuery exec(const QSqlDatabase &db, const QString &sql, Bindings binds = {});
QSqlQuery exec(const QSqlDatabase &db, const QString &sql, const QVariantMap &binds);

// Runs a statement that returns no rows and gives the number of rows it touched.
int run(const QSqlDatabase &db, const QString &sql, Bindings binds = {});

// First column of the first row, or an invalid QVariant when there is no row.
QVariant scalar(const QSqlDatabase &db, const QString &sql, Bindings binds = {});

// Runs a script of statements separated by lines holding only ";;".
void runScript(const QSqlDatabase &db, const QString &script);

} // namespace Sql
