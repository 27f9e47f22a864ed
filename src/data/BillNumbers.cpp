#include "BillNumbers.h"

#include "DbError.h"
#include "Dialect.h"
#include "SchemaCatalog.h"
#include "Sql.h"
#include "Transaction.h"

namespace BillNumbers {

void requireHeaderTable(const QString &headerTable)
{
    const Schema::Table *t = Schema::find(headerTable);
    if (!t || !t->billHeader || t->name != headerTable.toUpper())
        throw DbError(QStringLiteral("“%1”不是单据表").arg(headerTable));
}

std::optional<qlonglong> highestNumber(const QSqlDatabase &db, const QString &headerTable)
{
    requireHeaderTable(headerTable);
    const QString table = headerTable.toUpper();
    const QString value = Dialect::billNoValueExpr(db);

    // One round trip, both halves answered from the numbering index: a number that is
    // not decimal digits, and the highest number.
    QSqlQuery q = Sql::exec(db, QStringLiteral("SELECT (SELECT BILLNO FROM %1 WHERE %2 = -1 LIMIT 1),"
                                               " (SELECT MAX(%2) FROM %1)")
                                    .arg(table, value));
    q.next();
    const QVariant bad = q.value(0);
    if (!bad.isNull())
        throw DbError(QStringLiteral("单据表 %1 中的单号“%2”不是数字，无法生成新单号").arg(table, bad.toString().trimmed()));
    const QVariant max = q.value(1);
    if (max.isNull())
        return std::nullopt;
    return max.toLongLong();
}

QString nextNumber(const QSqlDatabase &db, const QString &headerTable)
{
    return QString::number(highestNumber(db, headerTable).value_or(1000) + 1);
}

QString InsertNumberedBill(const QSqlDatabase &db, const QString &headerTable,
                           const std::function<void(const QString &)> &write)
{
    QString number;
    RunInTransaction(db, [&] {
        number = nextNumber(db, headerTable);
        write(number);
    }, Retry::OnNumberRace);
    return number;
}

} // namespace BillNumbers
