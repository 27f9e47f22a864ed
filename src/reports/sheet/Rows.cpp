#include "Rows.h"

#include "NumberFormat.h"

#include <QAbstractItemModel>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <stdexcept>

int Rows::indexOf(const QString &name) const
{
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

RowField &Rows::field(const QString &name)
{
    const int i = indexOf(name);
    if (i < 0)
        throw std::invalid_argument("no field " + name.toStdString());
    return m_fields[i];
}

QString Rows::displayText(int row, int column) const
{
    const QVariant v = value(row, column);
    if (v.isNull() || !v.isValid())
        return {};
    if (m_fields[column].numeric)
        return NumberFormat::format(v.toDouble(), m_fields[column].format);
    return v.toString();
}

RowField &RowList::addField(const QString &name, const QString &label, int width,
                            bool numeric, int tag, const QString &format)
{
    RowField f;
    f.name = name;
    f.label = label;
    f.width = width;
    f.numeric = numeric;
    f.alignment = numeric ? Qt::AlignRight : Qt::AlignLeft;
    f.tag = tag;
    f.format = format;
    m_fields.append(f);
    return m_fields.last();
}

QVariant RowList::value(int row, int column) const
{
    if (row < 0 || row >= int(m_rows.size()) || column < 0)
        return {};
    const QVariantList &r = m_rows[size_t(row)];
    return column < r.size() ? r[column] : QVariant();
}

static bool isNumericType(int typeId)
{
    switch (typeId) {
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong:
    case QMetaType::ULongLong: case QMetaType::Double: case QMetaType::Float:
    case QMetaType::Short: case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

RowField fieldFromRecord(const QSqlRecord &record, int column)
{
    const QSqlField f = record.field(column);
    RowField rf;
    rf.name = f.name();
    rf.label = f.name();
    rf.numeric = isNumericType(f.metaType().id());
    rf.alignment = rf.numeric ? Qt::AlignRight : Qt::AlignLeft;
    rf.width = f.length() > 0 ? qBound(4, f.length(), 40) : 10;
    return rf;
}

RowList RowList::fromQuery(QSqlQuery &query)
{
    RowList rows;
    const QSqlRecord rec = query.record();
    for (int c = 0; c < rec.count(); ++c)
        rows.m_fields.append(fieldFromRecord(rec, c));
    // SQLite may not know a computed column's type: its first value tells.
    QList<bool> seen(rec.count(), false);
    while (query.next()) {
        QVariantList values;
        values.reserve(rec.count());
        for (int c = 0; c < rec.count(); ++c) {
            QVariant v = query.value(c);
            if (!seen[c] && !v.isNull()) {
                seen[c] = true;
                RowField &f = rows.m_fields[c];
                if (!f.numeric && isNumericType(v.metaType().id())) {
                    f.numeric = true;
                    f.alignment = Qt::AlignRight;
                }
            }
            values.append(std::move(v));
        }
        rows.m_rows.push_back(std::move(values));
    }
    return rows;
}

ModelRows::ModelRows(QAbstractItemModel *model) : m_model(model)
{
    while (m_model->canFetchMore(QModelIndex()))
        m_model->fetchMore(QModelIndex());
    const auto *query = qobject_cast<const QSqlQueryModel *>(model);
    for (int c = 0; c < m_model->columnCount(); ++c) {
        RowField f = query ? fieldFromRecord(query->record(), c) : RowField();
        if (!query)
            f.name = m_model->headerData(c, Qt::Horizontal, Qt::EditRole).toString();
        f.label = m_model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        for (int r = 0; r < m_model->rowCount() && !f.numeric; ++r) {
            const QVariant v = m_model->index(r, c).data(Qt::EditRole);
            if (!v.isNull()) {
                f.numeric = isNumericType(v.metaType().id());
                break;
            }
        }
        f.alignment = f.numeric ? Qt::AlignRight : Qt::AlignLeft;
        m_fields.append(f);
    }
}

int ModelRows::rowCount() const { return m_model->rowCount(); }

QVariant ModelRows::value(int row, int column) const
{
    return m_model->index(row, column).data(Qt::EditRole);
}
