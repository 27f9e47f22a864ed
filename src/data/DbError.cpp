#include "DbError.h"

DbError::DbError(QString text, QString nativeCode, QString statement)
    : m_text(std::move(text)), m_code(std::move(nativeCode)), m_statement(std::move(statement)),
      m_utf8(m_text.toUtf8())
{
}

DbError DbError::fromSql(const QSqlError &err, const QString &statement)
{
    QString text = err.databaseText().trimmed();
    const QString driver = err.driverText().trimmed();
    if (text.isEmpty())
        text = driver;
    else if (!driver.isEmpty() && !text.contains(driver))
        text = driver + QStringLiteral(": ") + text;
    if (text.isEmpty())
        text = QStringLiteral("数据库错误");
    return DbError(text, err.nativeErrorCode(), statement);
}

bool DbError::isConcurrencyConflict() const
{
    return m_code == QLatin1String("40001") || m_code == QLatin1String("40P01");
}

bool DbError::isUniqueViolation() const
{
    // 2067 SQLITE_CONSTRAINT_UNIQUE, 1555 SQLITE_CONSTRAINT_PRIMARYKEY
    return m_code == QLatin1String("23505") || m_code == QLatin1String("2067")
        || m_code == QLatin1String("1555");
}

bool DbError::isBusy() const
{
    // 5 SQLITE_BUSY, 517 SQLITE_BUSY_SNAPSHOT, 261 SQLITE_BUSY_RECOVERY, 6 SQLITE_LOCKED
    return m_code == QLatin1String("5") || m_code == QLatin1String("517")
        || m_code == QLatin1String("261") || m_code == QLatin1String("6");
}
