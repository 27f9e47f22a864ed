#pragma once

#include "Types.h"

#include <QSqlDatabase>
#include <QString>

// Finding the person behind a staff number and password, for the login and the
// password change. Passwords are compared with their stored hashes.
namespace StaffLogin {

struct Lookup {
    enum Status { NotFound, Duplicate, Found };
    Status status = NotFound;
    TStaff staff;
};

// The staff rows whose number is the typed one (trailing blanks ignored) and whose
// password verifies. Found when there is exactly one.
Lookup find(const QSqlDatabase &db, const QString &number, const QString &password);

// The password check of the password change: the typed old password against the
// stored one of that staff row.
bool passwordMatches(const QSqlDatabase &db, int staffId, const QString &password);

// Stores the hash of a new password for the staff row.
void setPassword(const QSqlDatabase &db, int staffId, const QString &password);

} // namespace StaffLogin
