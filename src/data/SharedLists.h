#pragma once

#include <QHash>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlQueryModel>
#include <QString>
#include <QStringList>

// The lookup lists every window binds to: whole master tables of the server, their
// local copies, and the fixed lists built in SQL (grades, units, adjustment reasons,
// work teams, payment methods). Each is a model, opened by refresh().
class SharedLists : public QObject
{
    Q_OBJECT
public:
    enum class Source { Server, Local };

    explicit SharedLists(QObject *parent = nullptr);

    // The list with that name (tblProduct1, qryProdCls1, qryDspt, ...); nullptr for an
    // unknown name.
    QSqlQueryModel *list(const QString &name) const;
    QStringList names() const;
    Source sourceOf(const QString &name) const;

    // Reopens the lists of the given sources, fetching every row. Throws DbError at the
    // first list that fails; the lists after it stay as they were.
    void refresh(const QSqlDatabase &server, const QSqlDatabase &local, bool includeServer);

    // The fixed lists' SQL, also used directly by windows and reports.
    static QString gradesSql();        // ID, PRODCLS, NUMCODE: 10 优等品, 20 正品, 30 合格品
    static QString unitsSql();         // ID, NAME: 1 箱, 2 片, 3 支, 4 套
    static QString adjustReasonsSql(); // NUMCODE, NAME: '0' 破损 ... '7' 其他
    static QString workGroupsSql();    // ID, WORKGRP: 1车间1班 ... 3车间3班
    static QString payMethodsSql();    // ID, NAME: 1 现金, 2 支票, 3 汇款

    // Grade name for 10, 20, 30; empty otherwise.
    static QString gradeName(int grade);

private:
    struct Entry {
        QString name;
        Source source;
        QString sql;
        QSqlQueryModel *model;
    };
    void add(const QString &name, Source source, const QString &sql);
    QList<Entry> m_entries;
    QHash<QString, int> m_index;
};
