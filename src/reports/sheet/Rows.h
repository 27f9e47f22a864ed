#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <vector>

class QAbstractItemModel;
class QSqlQuery;
class QSqlRecord;

// A column of a result set as the viewer and the printed layouts see it.
struct RowField {
    QString name;                           // column name, used by layouts to find it
    QString label;                          // heading
    int width = 10;                         // display width in characters (bytes of GBK text)
    Qt::Alignment alignment = Qt::AlignLeft;
    QString format;                         // number format ("#,##0.00"); empty = General
    bool visible = true;
    int tag = 0;                            // 100 sum, 50 average, 200 blank repeated values
    bool numeric = false;                   // numbers are written as values, the rest as text
};

// Field tags understood by the viewer.
enum FieldTag { TagAverage = 50, TagSum = 100, TagBlankRepeats = 200 };

// Any set of rows a report hands to the viewer or a printed layout. Random access, so
// renderers may walk it more than once. Values are numbers (double/int), text or null.
class Rows
{
public:
    virtual ~Rows() = default;
    virtual int rowCount() const = 0;
    virtual QVariant value(int row, int column) const = 0;

    const QList<RowField> &fields() const { return m_fields; }
    QList<RowField> &fields() { return m_fields; }
    int fieldCount() const { return m_fields.size(); }
    // Index of the field with this name (case-insensitive), -1 when absent.
    int indexOf(const QString &name) const;
    // The field by name; callers use it to set labels, widths, formats and tags.
    // Throws std::invalid_argument for a name the rows do not have.
    RowField &field(const QString &name);
    QVariant value(int row, const QString &name) const { return value(row, indexOf(name)); }

    // Display text of a value: numbers through the field's format, null as empty text.
    QString displayText(int row, int column) const;

protected:
    QList<RowField> m_fields;
};

// Rows held in memory: built by a computation, or copied from a query.
class RowList : public Rows
{
public:
    RowList() = default;
    explicit RowList(const QList<RowField> &fields) { m_fields = fields; }

    RowField &addField(const QString &name, const QString &label, int width = 10,
                       bool numeric = false, int tag = 0, const QString &format = {});
    void addRow(QVariantList values) { m_rows.push_back(std::move(values)); }
    void reserve(int rows) { m_rows.reserve(rows); }

    int rowCount() const override { return int(m_rows.size()); }
    QVariant value(int row, int column) const override;
    using Rows::value;

    // Walks the query once (it may be forward-only) and keeps every row. Numeric
    // columns become right-aligned numeric fields; labels are the column names.
    static RowList fromQuery(QSqlQuery &query);

private:
    std::vector<QVariantList> m_rows;
};

// Rows read through a model (a QSqlQueryModel as a query window shows it). Fetches the
// whole result on construction so that rowCount() is the real count.
class ModelRows : public Rows
{
public:
    explicit ModelRows(QAbstractItemModel *model);
    int rowCount() const override;
    QVariant value(int row, int column) const override;
    using Rows::value;

private:
    QAbstractItemModel *m_model;
};

// Field description for a column of a query result.
RowField fieldFromRecord(const QSqlRecord &record, int column);
