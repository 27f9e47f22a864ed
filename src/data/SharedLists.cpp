#include "SharedLists.h"

#include "DbError.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

QString unionOf(const QStringList &rows, const QString &orderBy)
{
    return rows.join(QStringLiteral(" UNION ALL ")) + QStringLiteral(" ORDER BY ") + orderBy;
}

} // namespace

QString SharedLists::gradesSql()
{
    return unionOf({QStringLiteral("SELECT 10 AS ID, '优等品' AS PRODCLS, 1 AS NUMCODE"),
                    QStringLiteral("SELECT 20 AS ID, '正品' AS PRODCLS, 2 AS NUMCODE"),
                    QStringLiteral("SELECT 30 AS ID, '合格品' AS PRODCLS, 3 AS NUMCODE")},
                   QStringLiteral("ID"));
}

QString SharedLists::unitsSql()
{
    QStringList rows;
    const QStringList names = {QStringLiteral("箱"), QStringLiteral("片"), QStringLiteral("支"), QStringLiteral("套")};
    for (int i = 0; i < names.size(); ++i)
        rows << QStringLiteral("SELECT %1 AS ID, '%2' AS NAME").arg(i + 1).arg(names[i]);
    return unionOf(rows, QStringLiteral("ID"));
}

QString SharedLists::adjustReasonsSql()
{
    QStringList rows;
    const QStringList names = {QStringLiteral("破损"),   QStringLiteral("换烂砖"), QStringLiteral("对调砖"),
                               QStringLiteral("降级"),   QStringLiteral("补客户破损"), QStringLiteral("发外加工"),
                               QStringLiteral("样板"),   QStringLiteral("其他")};
    for (int i = 0; i < names.size(); ++i)
        rows << QStringLiteral("SELECT '%1' AS NUMCODE, '%2' AS NAME").arg(i).arg(names[i]);
    return unionOf(rows, QStringLiteral("NUMCODE"));
}

QString SharedLists::workGroupsSql()
{
    QStringList rows;
    int id = 1;
    for (int shop = 1; shop <= 3; ++shop)
        for (int shift = 1; shift <= 3; ++shift)
            rows << QStringLiteral("SELECT %1 AS ID, '%2车间%3班' AS WORKGRP").arg(id++).arg(shop).arg(shift);
    return unionOf(rows, QStringLiteral("ID"));
}

QString SharedLists::payMethodsSql()
{
    return unionOf({QStringLiteral("SELECT 1 AS ID, '现金' AS NAME"), QStringLiteral("SELECT 2 AS ID, '支票' AS NAME"),
                    QStringLiteral("SELECT 3 AS ID, '汇款' AS NAME")},
                   QStringLiteral("ID"));
}

QString SharedLists::gradeName(int grade)
{
    switch (grade) {
    case 10: return QStringLiteral("优等品");
    case 20: return QStringLiteral("正品");
    case 30: return QStringLiteral("合格品");
    default: return {};
    }
}

SharedLists::SharedLists(QObject *parent) : QObject(parent)
{
    const Source S = Source::Server;
    const Source L = Source::Local;
    struct Whole { const char *name; const char *table; const char *order; };
    static const Whole server[] = {
        {"tblProduct1", "PRODUCT", "ID"},   {"tblStaff1", "STAFF", "ID"},       {"tblDept", "DEPT", "NUMCODE"},
        {"tblCustomer", "CUSTOMER", "ID"},  {"tblWorkKind", "WORKKIND", "ID"},  {"tblSupplier", "SUPPLIER", "ID"},
        {"tblStore1", "STORE", "ID"},       {"tblInventory", "INVENTORY", "ID"}, {"tblStorePos", "STOREPOS", "ID"},
        {"tblProdKind", "PRODKIND", "ID"},  {"tblCusAcc", "CUSACC", "BANKID, ACCNO"}, {"tblBanks", "BANKS", "ID"},
        {"tblPlace", "PLACE", "ID"},        {"tblTranSport", "TRANSPORT", "ID"},
    };
    for (const Whole &w : server)
        add(QString::fromLatin1(w.name), S,
            QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(QString::fromLatin1(w.table), QString::fromLatin1(w.order)));
    add(QStringLiteral("qryProdCls1"), S, gradesSql());
    add(QStringLiteral("qryStorePos"), S, QStringLiteral("SELECT NUMCODE, NAME FROM STOREPOS ORDER BY NUMCODE"));
    add(QStringLiteral("qryWorkGrp"), S, workGroupsSql());
    add(QStringLiteral("qryDspt"), S, adjustReasonsSql());
    add(QStringLiteral("qryPayMthd"), S, payMethodsSql());
    add(QStringLiteral("qryUnit"), S, unitsSql());
    add(QStringLiteral("qryCustomer1"), S, QStringLiteral("SELECT * FROM CUSTOMER ORDER BY PYCODE, ID"));

    add(QStringLiteral("tblProduct"), L, QStringLiteral("SELECT * FROM PRODUCT ORDER BY ID"));
    add(QStringLiteral("tblStaff"), L, QStringLiteral("SELECT * FROM STAFF ORDER BY ID"));
    add(QStringLiteral("tblStore"), L, QStringLiteral("SELECT * FROM STORE ORDER BY ID"));
    add(QStringLiteral("qryProdCls"), L, QStringLiteral("SELECT * FROM PRODCLS ORDER BY ID"));
    add(QStringLiteral("qryCustomer"), L, QStringLiteral("SELECT * FROM CUSTOMER ORDER BY PYCODE, ID"));
    add(QStringLiteral("qrySyspar"), L, QStringLiteral("SELECT * FROM SYSPARAM ORDER BY ID"));
}

void SharedLists::add(const QString &name, Source source, const QString &sql)
{
    m_index.insert(name.toLower(), int(m_entries.size()));
    m_entries.append({name, source, sql, new QSqlQueryModel(this)});
}

QSqlQueryModel *SharedLists::list(const QString &name) const
{
    const auto it = m_index.constFind(name.toLower());
    return it == m_index.cend() ? nullptr : m_entries.at(*it).model;
}

QStringList SharedLists::names() const
{
    QStringList out;
    for (const Entry &e : m_entries)
        out << e.name;
    return out;
}

SharedLists::Source SharedLists::sourceOf(const QString &name) const
{
    const auto it = m_index.constFind(name.toLower());
    return it == m_index.cend() ? Source::Server : m_entries.at(*it).source;
}

void SharedLists::refresh(const QSqlDatabase &server, const QSqlDatabase &local, bool includeServer)
{
    for (const Entry &e : m_entries) {
        if (e.source == Source::Server && !includeServer)
            continue;
        const QSqlDatabase &db = e.source == Source::Server ? server : local;
        QSqlQuery q(db);
        if (!q.exec(e.sql))
            throw DbError::fromSql(q.lastError(), e.sql);
        e.model->setQuery(std::move(q));
        while (e.model->canFetchMore())
            e.model->fetchMore();
        if (e.model->lastError().isValid())
            throw DbError::fromSql(e.model->lastError(), e.sql);
    }
}
