#include "LocalTransfer.h"

#include "BillNumbers.h"
#include "DbError.h"
#include "Dialect.h"
#include "LocalCounters.h"
#include "SchemaCatalog.h"
#include "Sql.h"
#include "Transaction.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <algorithm>

namespace {

const QString kLocalNoNote = QStringLiteral(" 原单机版单号：");

struct BillTables {
    const Schema::Table *header;
    const Schema::Table *lines;
};

// Table names go into SQL text, so only the two kinds of local bill are accepted.
BillTables billTables(const QString &kind)
{
    const QString k = kind.trimmed().toUpper();
    if (k != QLatin1String("BILLSELL") && k != QLatin1String("BILLORDER"))
        throw DbError(QStringLiteral("“%1”不是本地单据的种类").arg(kind));
    return {Schema::find(k + u'P'), Schema::find(k + u'C')};
}

QString columnList(const Schema::Table &t, int count)
{
    return t.columnNames().mid(0, count).join(QStringLiteral(", "));
}

// Dates travel as text: SQLite would store a QDateTime with a "T" and no longer compare.
QVariant portable(const Schema::Column &c, const QVariant &v)
{
    return c.type == Schema::Type::DateTime ? Dialect::bindDate(Dialect::readDate(v)) : v;
}

// One positional INSERT, prepared once and run for every row.
class RowWriter
{
public:
    RowWriter(const QSqlDatabase &db, const Schema::Table &t, int count) : m_table(t), m_query(db)
    {
        m_sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                    .arg(t.name, columnList(t, count), QStringList(count, QStringLiteral("?")).join(u','));
        if (!m_query.prepare(m_sql))
            throw DbError::fromSql(m_query.lastError(), m_sql);
    }

    void set(int column, const QVariant &value)
    {
        m_query.bindValue(column, portable(m_table.columns.at(column), value));
    }

    void write()
    {
        if (!m_query.exec())
            throw DbError::fromSql(m_query.lastError(), m_sql);
    }

    void write(const QVariantList &row)
    {
        for (int i = 0; i < row.size(); ++i)
            set(i, row.at(i));
        write();
    }

private:
    const Schema::Table &m_table;
    QSqlQuery m_query;
    QString m_sql;
};

QList<QVariantList> readRows(const QSqlDatabase &db, const Schema::Table &t, const QString &tail,
                             Sql::Bindings binds)
{
    const int n = int(t.columns.size());
    QSqlQuery q = Sql::exec(db, QStringLiteral("SELECT %1 FROM %2 %3").arg(columnList(t, n), t.name, tail), binds);
    QList<QVariantList> rows;
    while (q.next()) {
        QVariantList row;
        row.reserve(n);
        for (int i = 0; i < n; ++i)
            row << q.value(i);
        rows << row;
    }
    return rows;
}

// A local bill read for the upload, and the server number it ends up with.
struct LocalBill {
    QString no;
    QVariantList head;
    QList<QVariantList> lines;
    QString localId;
    QString serverNo;
};

struct HeaderColumns {
    int billNo, dspt, localId;
};

HeaderColumns headerColumns(const Schema::Table &header)
{
    const QStringList names = header.columnNames();
    return {int(names.indexOf(QLatin1String("BILLNO"))), int(names.indexOf(QLatin1String("DSPT"))),
            int(names.indexOf(QLatin1String("LOCALID")))};
}

// Reads the bills in order up to the first one missing from the local file; *missing
// tells whether one was.
QList<LocalBill> readLocalBills(const QSqlDatabase &local, const BillTables &t, const QStringList &numbers,
                                bool *missing)
{
    const HeaderColumns col = headerColumns(*t.header);
    const int width = t.header->columns.at(col.dspt).width;
    QList<LocalBill> bills;
    *missing = false;
    for (const QString &no : numbers) {
        const QList<QVariantList> head = readRows(local, *t.header, QStringLiteral("WHERE BILLNO = :NO"), {{"NO", no}});
        if (head.isEmpty()) {
            *missing = true;
            break;
        }
        LocalBill b{no, head.first(), {}, {}, {}};
        b.localId = b.head.at(col.localId).toString().trimmed();
        const QString remark = b.head.at(col.dspt).toString() + kLocalNoNote + no.trimmed();
        // SQLite would keep an overlong remark that PostgreSQL refuses; refuse it on both.
        if (remark.size() > width)
            throw DbError(QStringLiteral("本地单据 %1 的备注太长，加上原单机版单号后超过 %2 个字，请缩短备注后再上传")
                              .arg(no.trimmed())
                              .arg(width));
        b.head[col.dspt] = remark;
        b.lines = readRows(local, *t.lines, QStringLiteral("WHERE BILLNO = :NO ORDER BY SNO"), {{"NO", no}});
        bills << b;
    }
    return bills;
}

// The id must be in the local file before the server sees the bill: it is how a
// repeated upload recognises what already arrived.
void giveLocalIds(const QSqlDatabase &local, const BillTables &t, QList<LocalBill> &bills)
{
    if (std::all_of(bills.cbegin(), bills.cend(), [](const LocalBill &b) { return !b.localId.isEmpty(); }))
        return;
    const int localIdAt = headerColumns(*t.header).localId;
    RunInTransaction(local, [&] {
        for (LocalBill &b : bills) {
            if (!b.localId.isEmpty())
                continue;
            const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
            Sql::run(local, QStringLiteral("UPDATE %1 SET LOCALID = :ID WHERE BILLNO = :NO").arg(t.header->name),
                     {{"ID", id}, {"NO", b.no}});
            b.localId = id;
            b.head[localIdAt] = id;
        }
    });
}

// Stores bills [from, to) in one server transaction. A bill whose id the server already
// holds arrived in an upload that stopped before its local deletion: it only gets its
// number back.
void storeOnServer(const QSqlDatabase &server, const BillTables &t, QList<LocalBill> &bills, qsizetype from,
                   qsizetype to)
{
    const HeaderColumns col = headerColumns(*t.header);
    const int lineBillNoAt = int(t.lines->columnNames().indexOf(QLatin1String("BILLNO")));
    RunInTransaction(server, [&] {
        RowWriter headers(server, *t.header, int(t.header->columns.size()));
        RowWriter lines(server, *t.lines, int(t.lines->columns.size()));
        for (qsizetype i = from; i < to; ++i) {
            LocalBill &b = bills[i];
            const QVariant arrived = Sql::scalar(server, QStringLiteral("SELECT BILLNO FROM %1 WHERE LOCALID = :ID").arg(t.header->name),
                                                 {{"ID", b.localId}});
            if (arrived.isValid()) {
                b.serverNo = arrived.toString().trimmed();
                continue;
            }
            b.serverNo = BillNumbers::nextNumber(server, t.header->name);
            QVariantList head = b.head;
            head[col.billNo] = b.serverNo;
            headers.write(head);
            for (QVariantList line : b.lines) {
                line[lineBillNoAt] = b.serverNo;
                lines.write(line);
            }
        }
    }, Retry::OnNumberRace);
}

// Only bills the server has committed are removed; the counter keeps the last local
// number uploaded.
void removeLocalCopies(const QSqlDatabase &local, const BillTables &t, const QList<LocalBill> &bills)
{
    if (bills.isEmpty())
        return;
    RunInTransaction(local, [&] {
        for (const LocalBill &b : bills) {
            Sql::run(local, QStringLiteral("DELETE FROM %1 WHERE BILLNO = :NO").arg(t.lines->name), {{"NO", b.no}});
            Sql::run(local, QStringLiteral("DELETE FROM %1 WHERE BILLNO = :NO").arg(t.header->name), {{"NO", b.no}});
        }
        SetLocalCounter(local, bills.last().no.trimmed(), t.header->name);
    });
}

// Uploads the local bills of one kind in the order given. A server on SQLite takes
// them all in one transaction (it holds its write lock anyway, and every commit costs
// a disk sync); PostgreSQL one transaction per bill, so a lost number race redoes only
// that bill. False when a bill is not in the local file; the bills before it are
// uploaded.
bool uploadBills(const QSqlDatabase &server, const QSqlDatabase &local, const QString &kind,
                 const QStringList &numbers, QStringList *serverNos = nullptr)
{
    const BillTables t = billTables(kind);
    bool missing = false;
    QList<LocalBill> bills = readLocalBills(local, t, numbers, &missing);
    giveLocalIds(local, t, bills);

    const qsizetype group = Dialect::isSqlite(server) ? std::max<qsizetype>(bills.size(), 1) : 1;
    qsizetype stored = 0;
    try {
        for (; stored < bills.size(); stored += group)
            storeOnServer(server, t, bills, stored, std::min(stored + group, bills.size()));
    } catch (const DbError &) {
        removeLocalCopies(local, t, bills.first(stored));
        throw;
    }
    removeLocalCopies(local, t, bills);
    if (serverNos)
        for (const LocalBill &b : bills)
            *serverNos << b.serverNo;
    return !missing;
}

} // namespace

QString UploadLocalBill(const QSqlDatabase &server, const QSqlDatabase &local, const QString &kind,
                        const QString &localNo)
{
    QStringList serverNos;
    uploadBills(server, local, kind, {localNo}, &serverNos);
    return serverNos.value(0);
}

bool UploadAllLocalBills(const QSqlDatabase &server, const QSqlDatabase &local)
{
    // Bills go up in batches, so the local file is cleaned up as the upload progresses.
    constexpr qsizetype kBatch = 50;
    for (const QString &kind : {QStringLiteral("BILLSELL"), QStringLiteral("BILLORDER")}) {
        QStringList numbers;
        QSqlQuery q = Sql::exec(local, QStringLiteral("SELECT BILLNO FROM %1P ORDER BY %2").arg(kind, Dialect::billNoValueExpr(local)));
        while (q.next())
            numbers << q.value(0).toString();
        q.finish();
        for (qsizetype i = 0; i < numbers.size(); i += kBatch)
            if (!uploadBills(server, local, kind, numbers.mid(i, kBatch)))
                return false;
    }
    return true;
}

bool SyncBaseData(const QSqlDatabase &server, const QSqlDatabase &local, const QString &table,
                  const std::function<void(int, int)> &progress)
{
    const QString name = table.trimmed().toUpper();
    if (!Schema::baseDataTables().contains(name))
        return false;
    const Schema::Table &target = *Schema::find(name);
    try {
        const int total = progress ? Sql::scalar(server, QStringLiteral("SELECT COUNT(*) FROM %1").arg(name)).toInt() : 0;
        QSqlQuery source = Sql::exec(server, QStringLiteral("SELECT * FROM %1").arg(name));
        const int n = source.record().count();
        if (n > target.columns.size())
            return false;

        Transaction tx(local);
        Sql::run(local, QStringLiteral("DELETE FROM %1").arg(name));
        RowWriter writer(local, target, n);
        int done = 0;
        if (progress)
            progress(0, total);
        while (source.next()) {
            for (int i = 0; i < n; ++i)
                writer.set(i, source.value(i));
            writer.write();
            if (progress)
                progress(++done, std::max(total, done));
        }
        if (source.lastError().isValid())
            return false;
        tx.commit();
        return true;
    } catch (const DbError &) {
        return false;
    }
}
