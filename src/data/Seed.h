#pragma once

#include <QSqlDatabase>

// The rows a new installation needs before anyone has entered data. The first
// administrator is created by the first-run set-up, not here.
namespace Seed {
void server(const QSqlDatabase &db);
void local(const QSqlDatabase &db);
} // namespace Seed
