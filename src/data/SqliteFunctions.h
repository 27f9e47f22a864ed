#pragma once

#include <QSqlDatabase>

// Registers the server functions that SQLite lacks (GetTotalAmt) on an open SQLite
// connection. Must run on every connection the program opens to an embedded server.
void RegisterSqliteFunctions(const QSqlDatabase &db);
