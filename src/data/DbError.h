#pragma once

#include <QSqlError>
#include <QString>
#include <exception>

// A failed database statement or service. Carries the driver's text so that the
// operator sees what the engine said, plus the engine's own error code (SQLSTATE on
// PostgreSQL, the extended result code on SQLite) so callers can tell a lost race
// from a real fault.
class DbError : public std::exception
{
public:
    DbError() = default;
    explicit DbError(QString text, QString nativeCode = {}, QString statement = {});
    static DbError fromSql(const QSqlError &err, const QString &statement = {});

    const QString &text() const { return m_text; }
    const QString &nativeCode() const { return m_code; }
    const QString &statement() const { return m_statement; }
    const char *what() const noexcept override { return m_utf8.constData(); }

    // Another transaction got there first: PostgreSQL serialization failure or deadlock.
    bool isConcurrencyConflict() const;
    // A unique key refused the row (PostgreSQL 23505, SQLite SQLITE_CONSTRAINT_UNIQUE/PRIMARYKEY).
    bool isUniqueViolation() const;
    // SQLite could not get its lock within the busy timeout.
    bool isBusy() const;

private:
    QString m_text;
    QString m_code;
    QString m_statement;
    QByteArray m_utf8;
};
