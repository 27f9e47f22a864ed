#pragma once

#include "Dialect.h"

#include <QList>
#include <QString>
#include <QStringList>

// The tables of the server database and of the local file, declared once. The column
// order is the documented order: the upload and the base-data download copy rows by
// position, so both files must agree column for column.
namespace Schema {

enum class Type { Char, VarChar, SmallInt, Integer, Float, Decimal, DateTime, Blob };

struct Column {
    QString name;
    Type type;
    int width = 0;       // characters for text columns
    bool required = false;
};

struct Index {
    QStringList columns;
    bool unique = false;
};

enum Where { Server = 1, Local = 2, Both = Server | Local };

struct Table {
    QString name;
    QList<Column> columns;
    QStringList primaryKey;
    QList<Index> indexes;
    int where = Server;
    bool billHeader = false; // numbered by NextBillNo-style max + 1: unique BILLNO and a numbering index

    QStringList columnNames() const;
};

// Every table, in creation order.
const QList<Table> &tables();
const Table *find(const QString &name);

// Tables the base-data download copies from the server into the local file.
QStringList baseDataTables();

QString columnType(Engine engine, const Column &c);
QStringList createStatements(Engine engine, const Table &t);

} // namespace Schema
