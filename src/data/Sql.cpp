#include "Sql.h"

#include "DbError.h"

#include <QRegularExpression>

namespace Sql {

namespace {

QSqlQuery prepared(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throw DbError::fromSql(q.lastError(), sql);
    return q;
}

void execPrepared(QSqlQuery &q, const QString &sql)
{
    if (!q.exec())
        throw DbError::fromSql(q.lastError(), sql);
}

} // namespace

QSqlQuery exec(const QSqlDatabase &db, const QString &sql, Bindings binds)
{
    QSqlQuery q = prepared(db, sql);
    for (const auto &[name, value] : binds)
        q.bindValue(name.startsWith(u':') ? name : u':' + name, value);
    execPrepared(q, sql);
    return q;
}

QSqlQuery exec(const QSqlDatabase &db, const QString &sql, const QVariantMap &binds)
{
    QSqlQuery q = prepared(db, sql);
    for (auto it = binds.cbegin(); it != binds.cend(); ++it)
        q.bindValue(it.key().startsWith(u':') ? it.key() : u':' + it.key(), it.value());
    execPrepared(q, sql);
    return q;
}

int run(const QSqlDatabase &db, const QString &sql, Bindings binds)
{
    QSqlQuery q = exec(db, sql, binds);
    return q.numRowsAffected();
}

QVariant scalar(const QSqlDatabase &db, const QString &sql, Bindings binds)
{
    QSqlQuery q = exec(db, sql, binds);
    if (!q.next())
        return {};
    return q.value(0);
}

void runScript(const QSqlDatabase &db, const QString &script)
{
    static const QRegularExpression separator(QStringLiteral("^\\s*;;\\s*$"),
                                              QRegularExpression::MultilineOption);
    const QStringList statements = script.split(separator, Qt::SkipEmptyParts);
    for (const QString &s : statements) {
        const QString stmt = s.trimmed();
        bool onlyComments = true;
        for (const QString &line : stmt.split(u'\n')) {
            const QString t = line.trimmed();
            if (!t.isEmpty() && !t.startsWith(QLatin1String("--"))) {
                onlyComments = false;
                break;
            }
        }
        if (onlyComments)
            continue;
        // Scripts hold DDL with no placeholders; run them unprepared so ':' in
        // trigger bodies and casts is left alone.
        QSqlQuery q(db);
        if (!q.exec(stmt))
            throw DbError::fromSql(q.lastError(), stmt);
    }
}

} // namespace Sql
