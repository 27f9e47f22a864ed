#pragma once

#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <optional>

// Bill numbers are decimal text; a new one is the table's highest number plus one,
// "1001" for the first. Nothing is reserved: the unique key on BILLNO decides between
// two workstations that computed the same number, and InsertNumberedBill retries.
namespace BillNumbers {

// Highest number in the header table; empty for a table without bills. Throws DbError
// like nextNumber.
std::optional<qlonglong> highestNumber(const QSqlDatabase &db, const QString &headerTable);

// Highest number in the header table plus one. Throws DbError for a table that is not
// a bill header, and for a table holding a number that is not decimal digits (the
// message names the table and the number).
QString nextNumber(const QSqlDatabase &db, const QString &headerTable);

// Runs write(number) with a fresh number inside a write transaction and commits. When
// another workstation took the number first (unique key on BILLNO) or the engine
// reports a conflict, everything is rolled back and done again with a new number.
// Returns the number the bill was stored under. Throws DbError on any other failure.
QString InsertNumberedBill(const QSqlDatabase &db, const QString &headerTable,
                           const std::function<void(const QString &billNo)> &write);

// Checks that a table name is a bill header of our own schema (names are put into SQL
// text, so only our own fixed list is accepted). Throws DbError otherwise.
void requireHeaderTable(const QString &headerTable);

} // namespace BillNumbers
