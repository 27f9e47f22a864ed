#pragma once

#include <QSqlDatabase>
#include <QString>

// Login passwords are stored as argon2id hashes in STAFF.PSW, never as plain text.
namespace Passwords {

// A new hash of the password (a fresh salt each time).
QString hash(const QString &password);

// True when the stored hash belongs to the typed password. A stored value that is not
// a hash never matches.
bool verify(const QString &stored, const QString &password);

bool isHash(const QString &stored);

// The work a new hash costs. Interactive is what a login can afford and is always used
// by the program; tests that create many staff rows choose Minimal (a hash records its
// own cost, so verifying works either way).
enum class Cost { Interactive, Minimal };
void setCost(Cost cost);

// Replaces every plain-text password of STAFF by its hash, in one transaction, so a
// database imported with plain-text passwords keeps none. Trailing blanks of the old
// fixed-width column are not part of the password. Returns the number of rows changed.
int hashPlainTextPasswords(const QSqlDatabase &db);

} // namespace Passwords
