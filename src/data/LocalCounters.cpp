#include "LocalCounters.h"

#include "DbError.h"
#include "Sql.h"
#include "Transaction.h"

QString LocalCounterCode(const QString &headerTable)
{
    const QString t = headerTable.trimmed().toUpper();
    if (t == QLatin1String("BILLSELLP"))
        return QStringLiteral("LOCALBILLNO_SELL");
    if (t == QLatin1String("BILLORDERP"))
        return QStringLiteral("LOCALBILLNO_ORDER");
    return {};
}

QString NextLocalCounter(const QSqlDatabase &local, const QString &headerTable)
{
    const QString code = LocalCounterCode(headerTable);
    if (code.isEmpty())
        throw DbError(QStringLiteral("“%1”没有本地单号计数器").arg(headerTable));
    QString result;
    // Read and advance in one write transaction: two windows drawing at once get two numbers.
    RunInTransaction(local, [&] {
        result.clear();
        QSqlQuery q = Sql::exec(local, QStringLiteral("SELECT VALUE2 FROM SYSPARAM WHERE PRMCODE = :CODE"),
                                {{QStringLiteral("CODE"), code}});
        if (!q.next())
            return;
        const QString text = q.value(0).toString().trimmed();
        q.finish();
        bool ok = false;
        const qlonglong last = text.isEmpty() ? 0 : text.toLongLong(&ok);
        if (!text.isEmpty() && !ok)
            throw DbError(QStringLiteral("本地单号计数器 %1 的值“%2”不是数字").arg(code, text));
        result = QString::number(last + 1);
        Sql::run(local, QStringLiteral("UPDATE SYSPARAM SET VALUE2 = :V WHERE PRMCODE = :CODE"),
                 {{QStringLiteral("V"), result}, {QStringLiteral("CODE"), code}});
    });
    return result;
}

bool SetLocalCounter(const QSqlDatabase &local, const QString &number, const QString &headerTable)
{
    const QString code = LocalCounterCode(headerTable);
    bool ok = false;
    const qlonglong value = number.trimmed().toLongLong(&ok);
    if (code.isEmpty() || !ok)
        return false;
    try {
        Sql::run(local, QStringLiteral("UPDATE SYSPARAM SET VALUE2 = :V WHERE PRMCODE = :CODE"),
                 {{QStringLiteral("V"), QString::number(value)}, {QStringLiteral("CODE"), code}});
        return true;
    } catch (const DbError &) {
        return false;
    }
}
