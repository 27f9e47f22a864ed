#include "Dialect.h"

#include <QSqlDriver>

namespace Dialect {

static const QString kDateFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

Engine engineOf(const QSqlDatabase &db)
{
    return db.driverName() == QLatin1String("QPSQL") ? Engine::PostgreSQL : Engine::SQLite;
}

QVariant bindDate(const QDateTime &dt)
{
    if (!dt.isValid())
        return QVariant(QMetaType::fromType<QString>());
    return dt.toString(kDateFormat);
}

QVariant bindDate(const QDate &d)
{
    return bindDate(d.isValid() ? d.startOfDay() : QDateTime());
}

QString dateText(const QDateTime &dt)
{
    return dt.isValid() ? dt.toString(kDateFormat) : QString();
}

QDateTime readDate(const QVariant &v)
{
    if (v.isNull() || !v.isValid())
        return {};
    if (v.metaType().id() == QMetaType::QDateTime)
        return v.toDateTime();
    if (v.metaType().id() == QMetaType::QDate)
        return v.toDate().startOfDay();
    const QString s = v.toString().trimmed();
    QDateTime dt = QDateTime::fromString(s.left(19), kDateFormat);
    if (!dt.isValid())
        dt = QDateTime::fromString(s, Qt::ISODateWithMs);
    if (!dt.isValid())
        dt = QDateTime::fromString(s, Qt::ISODate);
    if (!dt.isValid()) {
        const QDate d = QDate::fromString(s.left(10), QStringLiteral("yyyy-MM-dd"));
        if (d.isValid())
            dt = d.startOfDay();
    }
    return dt;
}

QString nowExpr(const QSqlDatabase &db)
{
    return isSqlite(db) ? QStringLiteral("datetime('now','localtime')")
                        : QStringLiteral("LOCALTIMESTAMP(0)");
}

QString dayTextExpr(const QSqlDatabase &db, const QString &column)
{
    return isSqlite(db) ? QStringLiteral("substr(%1,1,10)").arg(column)
                        : QStringLiteral("to_char(%1,'YYYY-MM-DD')").arg(column);
}

QString billNoValueExpr(Engine engine, const QString &column)
{
    if (engine == Engine::SQLite) {
        return QStringLiteral(
                   "(CASE WHEN %1 IS NULL THEN NULL"
                   " WHEN trim(%1) GLOB '[0-9]*' AND trim(%1) NOT GLOB '*[^0-9]*' AND length(trim(%1)) <= 18"
                   " THEN CAST(trim(%1) AS INTEGER) ELSE -1 END)")
            .arg(column);
    }
    return QStringLiteral("(CASE WHEN %1 IS NULL THEN NULL"
                          " WHEN %1 ~ '^\\s*[0-9]{1,18}\\s*$' THEN CAST(trim(%1) AS BIGINT)"
                          " ELSE -1 END)")
        .arg(column);
}

QString billNoValueExpr(const QSqlDatabase &db, const QString &column)
{
    return billNoValueExpr(engineOf(db), column);
}

QString beginWriteSql(const QSqlDatabase &db)
{
    return isSqlite(db) ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN");
}

} // namespace Dialect
