#pragma once

#include <QSqlDatabase>
#include <QString>

// The local file's bill-number counters: the last local sales and order numbers handed
// out, kept in the local SYSPARAM rows LOCALBILLNO_SELL and LOCALBILLNO_ORDER (VALUE2).

// Advances the counter of "BILLSELLP" or "BILLORDERP" and returns the new value; empty
// when the counter row is missing. Throws DbError for another table or a counter that
// does not hold a number.
QString NextLocalCounter(const QSqlDatabase &local, const QString &headerTable);

// Sets the counter to a number; false on any failure.
bool SetLocalCounter(const QSqlDatabase &local, const QString &number, const QString &headerTable);

// "LOCALBILLNO_SELL" / "LOCALBILLNO_ORDER", empty for any other table.
QString LocalCounterCode(const QString &headerTable);
