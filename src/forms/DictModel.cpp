#include "DictModel.h"

#include "DbError.h"
#include "Dialect.h"
#include "Sql.h"
#include "Transaction.h"

#include <QBrush>
#include <QColor>
#include <QDateTime>
#include <QSqlQuery>
#include <limits>
#include <stdexcept>

namespace {

QString trimEnd(const QString &s)
{
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1).isSpace())
        --n;
    return s.left(n);
}

bool isText(Schema::Type t) { return t == Schema::Type::Char || t == Schema::Type::VarChar; }
bool isWhole(Schema::Type t) { return t == Schema::Type::SmallInt || t == Schema::Type::Integer; }
bool isReal(Schema::Type t) { return t == Schema::Type::Float || t == Schema::Type::Decimal; }

QVariant bindable(Schema::Type t, const QVariant &v)
{
    if (t == Schema::Type::DateTime)
        return Dialect::bindDate(v.toDateTime());
    return v;
}

} // namespace

void TDictLookup::load(const QSqlDatabase &db)
{
    items.clear();
    names.clear();
    QSqlQuery q = Sql::exec(db, sql);
    while (q.next()) {
        Item it{q.value(0), trimEnd(q.value(1).toString()), trimEnd(q.value(2).toString())};
        names.insert(it.id.toString(), it.name);
        items << it;
    }
}

QString TDictLookup::nameOf(const QVariant &id) const
{
    return id.isNull() ? QString() : names.value(id.toString());
}

TDictModel::TDictModel(const QSqlDatabase &db, const QString &table, QObject *parent)
    : QAbstractTableModel(parent), m_db(db), m_table(Schema::find(table))
{
    if (!m_table)
        throw std::invalid_argument("unknown dictionary table");
    m_fields = m_table->columnNames();
    m_key = m_table->primaryKey.isEmpty() ? m_fields : m_table->primaryKey;
}

void TDictModel::setSelect(const QString &tail, const QVariantMap &binds)
{
    m_tail = tail;
    m_binds = binds;
}

void TDictModel::setColumns(const QList<TDictColumn> &columns)
{
    beginResetModel();
    m_columns = columns;
    m_columnField.clear();
    for (const TDictColumn &c : columns) {
        const int f = fieldIndex(c.field);
        if (f < 0)
            throw std::invalid_argument("unknown dictionary column");
        m_columnField << f;
    }
    endResetModel();
}

int TDictModel::fieldIndex(const QString &field) const
{
    return int(m_fields.indexOf(field.toUpper()));
}

int TDictModel::columnOf(const QString &field) const
{
    return int(m_columnField.indexOf(fieldIndex(field)));
}

QVariant TDictModel::normalized(int field, const QVariant &v) const
{
    if (v.isNull() || !v.isValid())
        return {};
    const Schema::Type t = m_table->columns.at(field).type;
    if (isWhole(t))
        return v.toInt();
    if (isReal(t))
        return v.toDouble();
    if (t == Schema::Type::DateTime)
        return Dialect::readDate(v);
    if (isText(t))
        return v.toString();
    return v;
}

void TDictModel::open()
{
    const QString sql = QStringLiteral("SELECT %1 FROM %2 %3").arg(m_fields.join(QStringLiteral(", ")), m_table->name, m_tail);
    QSqlQuery q = Sql::exec(m_db, sql, m_binds);
    QList<RowPtr> rows;
    const int n = int(m_fields.size());
    while (q.next()) {
        auto r = std::make_shared<Row>();
        r->values.reserve(n);
        for (int i = 0; i < n; ++i)
            r->values << normalized(i, q.value(i));
        r->original = r->values;
        rows << r;
    }
    beginResetModel();
    m_all = rows;
    m_rows.clear();
    for (const RowPtr &r : std::as_const(m_all))
        if (passes(*r))
            m_rows << r;
    m_open = true;
    endResetModel();
}

void TDictModel::setEditable(bool on)
{
    if (m_editable == on)
        return;
    m_editable = on;
    if (!m_rows.isEmpty() && !m_columns.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

QVariant TDictModel::value(int row, const QString &field) const
{
    const int f = fieldIndex(field);
    if (row < 0 || row >= m_rows.size() || f < 0)
        return {};
    return m_rows.at(row)->values.at(f);
}

void TDictModel::setValue(int row, const QString &field, const QVariant &v)
{
    const int f = fieldIndex(field);
    if (row < 0 || row >= m_rows.size() || f < 0)
        return;
    Row &r = *m_rows[row];
    r.values[f] = normalized(f, v);
    if (r.state == Row::State::Clean)
        r.state = Row::State::Modified;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

bool TDictModel::isDirty(int row) const
{
    return row >= 0 && row < m_rows.size() && m_rows.at(row)->state != Row::State::Clean;
}

bool TDictModel::isInserted(int row) const
{
    return row >= 0 && row < m_rows.size() && m_rows.at(row)->state == Row::State::Inserted;
}

int TDictModel::insertRecord(int row)
{
    row = qBound(0, row, int(m_rows.size()));
    auto r = std::make_shared<Row>();
    for (int i = 0; i < m_fields.size(); ++i)
        r->values << QVariant();
    r->state = Row::State::Inserted;
    const qsizetype at = row < m_rows.size() ? m_all.indexOf(m_rows.at(row)) : m_all.size();
    beginInsertRows({}, row, row);
    m_all.insert(at, r);
    m_rows.insert(row, r);
    endInsertRows();
    if (onNewRecord)
        onNewRecord(row);
    return row;
}

QString TDictModel::keyCondition(const Row &r, QVariantMap &binds) const
{
    QStringList parts;
    for (int i = 0; i < m_key.size(); ++i) {
        const int f = fieldIndex(m_key.at(i));
        const QVariant v = r.original.at(f);
        if (v.isNull()) {
            parts << m_key.at(i) + QStringLiteral(" IS NULL");
        } else {
            parts << QStringLiteral("%1 = :K%2").arg(m_key.at(i)).arg(i);
            binds.insert(QStringLiteral("K%1").arg(i), bindable(m_table->columns.at(f).type, v));
        }
    }
    return parts.join(QStringLiteral(" AND "));
}

void TDictModel::insertIntoTable(Row &r)
{
    auto insert = [&] {
        QStringList cols, params;
        QVariantMap binds;
        for (int f = 0; f < m_fields.size(); ++f) {
            if (r.values.at(f).isNull())
                continue;
            cols << m_fields.at(f);
            params << QStringLiteral(":V%1").arg(f);
            binds.insert(QStringLiteral("V%1").arg(f), bindable(m_table->columns.at(f).type, r.values.at(f)));
        }
        Sql::exec(m_db, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(m_table->name, cols.join(QStringLiteral(", ")), params.join(QStringLiteral(", "))),
                  binds);
    };
    const int id = fieldIndex(QStringLiteral("ID"));
    if (m_key != QStringList{QStringLiteral("ID")}) {
        insert();
        return;
    }
    // The ID was MAX(ID)+1 when the row was begun; another workstation may have taken it
    // since. Then the row takes the next free ID instead of failing.
    RunInTransaction(
        m_db,
        [&] {
            QVariant v = r.values.at(id);
            if (v.isNull() || Sql::scalar(m_db, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE ID = :ID").arg(m_table->name),
                                          {{QStringLiteral("ID"), v}}).toInt() > 0)
                v = Sql::scalar(m_db, QStringLiteral("SELECT MAX(ID) FROM %1").arg(m_table->name)).toInt() + 1;
            r.values[id] = v.toInt();
            insert();
        },
        Retry::OnNumberRace);
}

void TDictModel::updateTable(Row &r)
{
    QStringList sets;
    QVariantMap binds;
    for (int f = 0; f < m_fields.size(); ++f) {
        if (r.values.at(f) == r.original.at(f) && r.values.at(f).isNull() == r.original.at(f).isNull())
            continue;
        sets << QStringLiteral("%1 = :V%2").arg(m_fields.at(f)).arg(f);
        binds.insert(QStringLiteral("V%1").arg(f), bindable(m_table->columns.at(f).type, r.values.at(f)));
    }
    if (sets.isEmpty())
        return;
    const QString where = keyCondition(r, binds);
    Sql::exec(m_db, QStringLiteral("UPDATE %1 SET %2 WHERE %3").arg(m_table->name, sets.join(QStringLiteral(", ")), where),
              binds);
}

void TDictModel::post(int row)
{
    if (!isDirty(row))
        return;
    Row &r = *m_rows[row];
    if (r.state == Row::State::Inserted)
        insertIntoTable(r);
    else
        updateTable(r);
    r.original = r.values;
    r.state = Row::State::Clean;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void TDictModel::cancel(int row)
{
    if (!isDirty(row))
        return;
    Row &r = *m_rows[row];
    if (r.state == Row::State::Inserted) {
        beginRemoveRows({}, row, row);
        m_all.removeOne(m_rows.at(row));
        m_rows.removeAt(row);
        endRemoveRows();
        return;
    }
    r.values = r.original;
    r.state = Row::State::Clean;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void TDictModel::remove(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    const Row &r = *m_rows.at(row);
    if (r.state != Row::State::Inserted) {
        QVariantMap binds;
        const QString where = keyCondition(r, binds);
        Sql::exec(m_db, QStringLiteral("DELETE FROM %1 WHERE %2").arg(m_table->name, where), binds);
    }
    beginRemoveRows({}, row, row);
    m_all.removeOne(m_rows.at(row));
    m_rows.removeAt(row);
    endRemoveRows();
}

bool TDictModel::passes(const Row &r) const
{
    if (m_filterColumn < 0 || m_keyword.isEmpty() || r.state == Row::State::Inserted)
        return true;
    const TDictColumn &c = m_columns.at(m_filterColumn);
    const QVariant v = r.values.at(m_columnField.at(m_filterColumn));
    const QString text = c.lookup ? c.lookup->nameOf(v) : v.toString();
    return text.contains(m_keyword, Qt::CaseSensitive);
}

void TDictModel::setFilter(int column, const QString &keyword)
{
    beginResetModel();
    m_filterColumn = qBound(0, column, int(m_columns.size()) - 1);
    m_keyword = keyword;
    m_rows.clear();
    for (const RowPtr &r : std::as_const(m_all))
        if (passes(*r))
            m_rows << r;
    endResetModel();
}

void TDictModel::clearFilter()
{
    beginResetModel();
    m_filterColumn = -1;
    m_keyword.clear();
    m_rows = m_all;
    endResetModel();
}

int TDictModel::findExact(int column, const QString &keyword) const
{
    const QString key = trimEnd(keyword);
    for (int row = 0; row < m_rows.size(); ++row)
        if (trimEnd(displayText(row, column)) == key)
            return row;
    return -1;
}

int TDictModel::findRow(const QString &field, const QVariant &v) const
{
    const int f = fieldIndex(field);
    for (int row = 0; row < m_rows.size(); ++row)
        if (m_rows.at(row)->values.at(f) == v)
            return row;
    return -1;
}

int TDictModel::maxLength(int column) const
{
    const Schema::Column &c = m_table->columns.at(m_columnField.at(column));
    return isText(c.type) ? c.width : 0;
}

int TDictModel::maxLengthOf(const QString &field) const
{
    const int f = fieldIndex(field);
    return f < 0 ? 0 : m_table->columns.at(f).width;
}

bool TDictModel::parse(int column, const QString &text, QVariant *out, QString *refusal) const
{
    const TDictColumn &c = m_columns.at(column);
    const Schema::Column &sc = m_table->columns.at(m_columnField.at(column));
    const QString title = QString(c.title).remove(u'~');
    const QString t = text.trimmed();
    *out = QVariant();
    if (isText(sc.type)) {
        if (text.size() > sc.width) {
            *refusal = QStringLiteral("%1最多只能输入%2个字！").arg(title).arg(sc.width);
            return false;
        }
        if (!text.isEmpty())
            *out = text;
        return true;
    }
    if (t.isEmpty())
        return true;
    bool ok = false;
    if (isWhole(sc.type)) {
        const qlonglong n = t.toLongLong(&ok);
        const qlonglong limit = sc.type == Schema::Type::SmallInt ? std::numeric_limits<qint16>::max()
                                                                  : std::numeric_limits<qint32>::max();
        ok = ok && n >= -limit - 1 && n <= limit;
        if (ok)
            *out = int(n);
        else
            *refusal = QStringLiteral("%1必须是整数！").arg(title);
    } else if (isReal(sc.type)) {
        const double d = t.toDouble(&ok);
        ok = ok && qIsFinite(d);
        if (ok)
            *out = d;
        else
            *refusal = QStringLiteral("%1必须是数字！").arg(title);
    } else if (sc.type == Schema::Type::DateTime) {
        const QDate d = QDate::fromString(t, QStringLiteral("yyyy-MM-dd"));
        ok = d.isValid();
        if (ok)
            *out = QDateTime(d, QTime(0, 0));
        else
            *refusal = QStringLiteral("%1必须是日期（年-月-日）！").arg(title);
    } else {
        ok = true;
        *out = t;
    }
    return ok;
}

QString TDictModel::displayText(int row, int column) const
{
    const TDictColumn &c = m_columns.at(column);
    const QVariant v = m_rows.at(row)->values.at(m_columnField.at(column));
    if (c.kind == TDictColumn::Kind::Password)
        return QStringLiteral("****");
    if (c.kind == TDictColumn::Kind::Check)
        return {};
    if (c.lookup)
        return c.lookup->nameOf(v);
    if (v.isNull())
        return {};
    switch (m_table->columns.at(m_columnField.at(column)).type) {
    case Schema::Type::Float:
    case Schema::Type::Decimal:
        return QString::number(v.toDouble(), 'g', 12);
    case Schema::Type::DateTime:
        return v.toDateTime().toString(QStringLiteral("yyyy-MM-dd"));
    default:
        return v.toString();
    }
}

int TDictModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int TDictModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant TDictModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const TDictColumn &c = m_columns.at(index.column());
    const QVariant v = m_rows.at(index.row())->values.at(m_columnField.at(index.column()));
    switch (role) {
    case Qt::DisplayRole:
        return displayText(index.row(), index.column());
    case Qt::EditRole:
        if (c.lookup || c.kind == TDictColumn::Kind::Check)
            return v;
        return displayText(index.row(), index.column());
    case Qt::CheckStateRole:
        if (c.kind == TDictColumn::Kind::Check)
            return v.toInt() == 1 ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::TextAlignmentRole: {
        const Schema::Type t = m_table->columns.at(m_columnField.at(index.column())).type;
        if (!c.lookup && (isWhole(t) || isReal(t)))
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (c.kind == TDictColumn::Kind::Check)
            return int(Qt::AlignCenter);
        return {};
    }
    default:
        return {};
    }
}

bool TDictModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return false;
    const TDictColumn &c = m_columns.at(index.column());
    QVariant v = value;
    if (role == Qt::CheckStateRole && c.kind == TDictColumn::Kind::Check)
        v = value.toInt() == Qt::Checked ? 1 : 0;
    else if (role != Qt::EditRole)
        return false;
    const int f = m_columnField.at(index.column());
    v = normalized(f, v);
    Row &r = *m_rows[index.row()];
    if (r.values.at(f) == v && r.values.at(f).isNull() == v.isNull())
        return true;
    if (beforeChange && !beforeChange(index.row(), c.field, v))
        return false;
    r.values[f] = v;
    if (r.state == Row::State::Clean)
        r.state = Row::State::Modified;
    if (afterChange)
        afterChange(index.row(), c.field);
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
    return true;
}

Qt::ItemFlags TDictModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (!index.isValid() || !m_editable)
        return f;
    const TDictColumn &c = m_columns.at(index.column());
    if (c.readOnly || c.kind == TDictColumn::Kind::Password)
        return f;
    return f | (c.kind == TDictColumn::Kind::Check ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable);
}

QVariant TDictModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return QString(m_columns.at(section).title).replace(u'~', u'\n');
    if (role == Qt::ForegroundRole)
        return QBrush(m_editable ? QColor(0x80, 0x00, 0x80) : QColor(Qt::black));
    return {};
}
