#pragma once

#include "SchemaCatalog.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QStringList>
#include <QVariantMap>
#include <functional>
#include <memory>

// The names a lookup column shows for the IDs it stores, and the choices its drop-down
// offers ("编码", "名称").
struct TDictLookup {
    struct Item {
        QVariant id;
        QString code;
        QString name;
    };
    QString sql; // SELECT ID, NUMCODE, NAME ...
    QString codeTitle = QStringLiteral("编码");
    QString nameTitle = QStringLiteral("名称");
    QList<Item> items;
    QHash<QString, QString> names; // id as text -> name

    void load(const QSqlDatabase &db); // throws DbError
    QString nameOf(const QVariant &id) const;
};

struct TDictColumn {
    enum class Kind { Plain, Check, Password };
    TDictColumn(const QString &field, const QString &title, Kind kind = Kind::Plain, bool readOnly = false)
        : field(field), title(title), kind(kind), readOnly(readOnly) {}
    TDictColumn(const QString &field, const QString &title, std::shared_ptr<TDictLookup> lookup)
        : field(field), title(title), lookup(std::move(lookup)) {}

    QString field;
    QString title; // "~" breaks the title into two lines
    Kind kind = Kind::Plain;
    bool readOnly = false;
    std::shared_ptr<TDictLookup> lookup;
};

// A live dictionary table: every row of the table in memory, each edited in a buffer
// and written by post() (an UPDATE of the changed columns or an INSERT), or given up by
// cancel(). Rows can be filtered in memory without touching the database.
class TDictModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    TDictModel(const QSqlDatabase &db, const QString &table, QObject *parent = nullptr);

    QString tableName() const { return m_table->name; }
    QSqlDatabase database() const { return m_db; }
    const Schema::Table &schema() const { return *m_table; }

    // The rows read: "WHERE ... ORDER BY ..." text after FROM, with its bound values.
    void setSelect(const QString &tail, const QVariantMap &binds = {});
    void setBinds(const QVariantMap &binds) { m_binds = binds; }
    void setColumns(const QList<TDictColumn> &columns);
    const QList<TDictColumn> &columns() const { return m_columns; }
    int columnOf(const QString &field) const; // grid column of a field, -1 when not shown

    // Reads the rows anew (throws DbError). Pending changes are dropped.
    void open();
    bool isOpen() const { return m_open; }

    void setEditable(bool on);
    bool isEditable() const { return m_editable; }

    // Field values of a row, by table column name.
    QVariant value(int row, const QString &field) const;
    void setValue(int row, const QString &field, const QVariant &v);

    bool isDirty(int row) const;
    bool isInserted(int row) const;
    int insertRecord(int row); // a blank row in the insert state; returns its row
    void post(int row);        // throws DbError; the row keeps its buffer on failure
    void cancel(int row);
    void remove(int row);      // throws DbError

    // In-memory filter: rows whose display text in that column contains the keyword.
    void setFilter(int column, const QString &keyword);
    void clearFilter();
    bool isFiltered() const { return m_filterColumn >= 0; }
    // First shown row whose column equals the keyword, trailing blanks ignored; -1 when none.
    int findExact(int column, const QString &keyword) const;
    int findRow(const QString &field, const QVariant &value) const;

    // Turns typed text into the field's value; false with a refusal text naming the column.
    bool parse(int column, const QString &text, QVariant *out, QString *refusal) const;
    QString displayText(int row, int column) const;
    int maxLength(int column) const; // characters a text column holds; 0 for others
    int maxLengthOf(const QString &field) const;

    // Hooks of the owner window.
    std::function<void(int row)> onNewRecord;
    std::function<bool(int row, const QString &field, const QVariant &v)> beforeChange;
    std::function<void(int row, const QString &field)> afterChange;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Row {
        QVariantList values;
        QVariantList original;
        enum class State { Clean, Modified, Inserted } state = State::Clean;
    };
    using RowPtr = std::shared_ptr<Row>;

    int fieldIndex(const QString &field) const;
    void insertIntoTable(Row &r);
    void updateTable(Row &r);
    QString keyCondition(const Row &r, QVariantMap &binds) const;
    bool passes(const Row &r) const;
    QVariant normalized(int field, const QVariant &v) const;

    QSqlDatabase m_db;
    const Schema::Table *m_table;
    QStringList m_fields;
    QStringList m_key;
    QString m_tail;
    QVariantMap m_binds;
    QList<TDictColumn> m_columns;
    QList<int> m_columnField;
    QList<RowPtr> m_all;
    QList<RowPtr> m_rows; // the rows shown
    int m_filterColumn = -1;
    QString m_keyword;
    bool m_open = false;
    bool m_editable = false;
};
