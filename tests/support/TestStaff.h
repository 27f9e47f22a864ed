#pragma once

#include "Types.h"

#include <QSqlDatabase>
#include <QString>

class TDM;

// Staff rows for tests: a person with a number, a password (stored hashed) and role letters.
namespace TestStaff {

// Inserts a STAFF row (and its DEPT row when depId > 0 and missing) and returns the
// TStaff the login would fill for that person.
TStaff add(const QSqlDatabase &db, int id, const QString &number, const QString &name, const QString &role,
           const QString &password = QStringLiteral("1"), int depId = 0);

// Sets the data module's run-wide login state as a confirmed login would, in network
// mode, and refreshes the shared lists.
void login(TDM &dm, const TStaff &clerk, const TStaff &cashier);

} // namespace TestStaff
