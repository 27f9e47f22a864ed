#include "Sheet.h"

#include "NumberFormat.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <limits>

Sheet::Sheet()
{
    m_styles.emplace_back();
}

QString Sheet::columnName(int column)
{
    QString name;
    for (int c = column; c > 0; c = (c - 1) / 26)
        name.prepend(QChar(u'A' + (c - 1) % 26));
    return name;
}

QString Sheet::cellName(int row, int column)
{
    return columnName(column) + QString::number(row);
}

bool Sheet::parseCellName(const QString &name, int *row, int *column)
{
    static const QRegularExpression re(QStringLiteral("^\\$?([A-Za-z]{1,3})\\$?(\\d+)$"));
    const auto m = re.match(name.trimmed());
    if (!m.hasMatch())
        return false;
    int c = 0;
    for (QChar ch : m.captured(1).toUpper())
        c = c * 26 + (ch.unicode() - u'A' + 1);
    *column = c;
    *row = m.captured(2).toInt();
    return *row > 0;
}

Cell &Sheet::at(int row, int column)
{
    Q_ASSERT(row > 0 && column > 0);
    if (size_t(row) > m_cells.size())
        m_cells.resize(size_t(row));
    auto &r = m_cells[size_t(row - 1)];
    if (size_t(column) > r.size())
        r.resize(size_t(column));
    m_maxCol = std::max(m_maxCol, column);
    m_dirty = m_dirty || !m_formulaCells.empty();
    return r[size_t(column - 1)];
}

const Cell *Sheet::cell(int row, int column) const
{
    if (row < 1 || column < 1 || size_t(row) > m_cells.size())
        return nullptr;
    const auto &r = m_cells[size_t(row - 1)];
    return size_t(column) <= r.size() ? &r[size_t(column - 1)] : nullptr;
}

void Sheet::setText(int row, int column, const QString &text, int style)
{
    Cell &c = at(row, column);
    c.kind = text.isEmpty() ? Cell::Kind::Empty : Cell::Kind::Text;
    c.text = text;
    c.number = 0;
    if (style >= 0)
        c.style = quint16(style);
}

void Sheet::setNumber(int row, int column, double value, int style)
{
    Cell &c = at(row, column);
    c.kind = Cell::Kind::Number;
    c.text.clear();
    c.number = value;
    if (style >= 0)
        c.style = quint16(style);
}

void Sheet::setFormula(int row, int column, const QString &formula, int style)
{
    Cell &c = at(row, column);
    if (c.kind != Cell::Kind::Formula)
        m_formulaCells.emplace_back(row, column);
    c.kind = Cell::Kind::Formula;
    c.text = formula.startsWith(QLatin1Char('=')) ? formula.mid(1) : formula;
    if (style >= 0)
        c.style = quint16(style);
    m_dirty = true;
}

void Sheet::clearCell(int row, int column)
{
    if (cell(row, column))
        setText(row, column, QString());
}

Cell::Kind Sheet::kind(int row, int column) const
{
    const Cell *c = cell(row, column);
    return c ? c->kind : Cell::Kind::Empty;
}

double Sheet::number(int row, int column) const
{
    recalc();
    const Cell *c = cell(row, column);
    return c && (c->kind == Cell::Kind::Number || c->kind == Cell::Kind::Formula) ? c->number : 0;
}

QString Sheet::formula(int row, int column) const
{
    const Cell *c = cell(row, column);
    return c && c->kind == Cell::Kind::Formula ? c->text : QString();
}

QString Sheet::text(int row, int column) const
{
    const Cell *c = cell(row, column);
    if (!c)
        return {};
    switch (c->kind) {
    case Cell::Kind::Empty:
        return {};
    case Cell::Kind::Text:
        return c->text;
    case Cell::Kind::Formula:
        recalc();
        if (std::isnan(c->number)) {
            QString error;
            evaluate(c->text, &error);
            return error;
        }
        [[fallthrough]];
    case Cell::Kind::Number:
        if (c->number == 0 && !showZeroValues)
            return {};
        return NumberFormat::format(c->number, m_styles[c->style].numberFormat);
    }
    return {};
}

// Formulas: SUM(range), AVERAGE(range), or a single cell reference.
double Sheet::evaluate(const QString &formula, QString *error) const
{
    static const QRegularExpression re(QStringLiteral(
        "^\\s*(SUM|AVERAGE)\\s*\\(\\s*([$A-Za-z0-9]+)\\s*(?::\\s*([$A-Za-z0-9]+))?\\s*\\)\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = re.match(formula);
    int r1, c1, r2, c2;
    if (!m.hasMatch()) {
        if (parseCellName(formula, &r1, &c1)) {
            const Cell *c = cell(r1, c1);
            return c && c->kind != Cell::Kind::Text ? c->number : 0;
        }
        *error = QStringLiteral("#NAME?");
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (!parseCellName(m.captured(2), &r1, &c1)) {
        *error = QStringLiteral("#REF!");
        return std::numeric_limits<double>::quiet_NaN();
    }
    r2 = r1, c2 = c1;
    if (m.capturedLength(3) && !parseCellName(m.captured(3), &r2, &c2)) {
        *error = QStringLiteral("#REF!");
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (r1 > r2) std::swap(r1, r2);
    if (c1 > c2) std::swap(c1, c2);
    double sum = 0;
    int count = 0;
    for (int r = r1; r <= std::min(r2, maxRow()); ++r)
        for (int c = c1; c <= c2; ++c)
            if (const Cell *x = cell(r, c); x && (x->kind == Cell::Kind::Number || x->kind == Cell::Kind::Formula)
                                           && !std::isnan(x->number)) {
                sum += x->number;
                ++count;
            }
    if (m.captured(1).compare(QLatin1String("AVERAGE"), Qt::CaseInsensitive) == 0) {
        if (count == 0) {
            *error = QStringLiteral("#DIV/0!");
            return std::numeric_limits<double>::quiet_NaN();
        }
        return sum / count;
    }
    return sum;
}

// One pass in row order, so a formula may use the results of formulas above it.
void Sheet::recalc() const
{
    if (!m_dirty)
        return;
    m_dirty = false;
    auto order = m_formulaCells;
    std::sort(order.begin(), order.end());
    for (auto [r, c] : order) {
        auto &x = const_cast<Cell &>(*cell(r, c));
        if (x.kind != Cell::Kind::Formula)
            continue;
        QString error;
        x.number = evaluate(x.text, &error);
    }
}

int Sheet::addStyle(const CellStyle &style)
{
    for (size_t i = 0; i < m_styles.size(); ++i)
        if (m_styles[i] == style)
            return int(i);
    m_styles.push_back(style);
    return int(m_styles.size() - 1);
}

int Sheet::cellStyle(int row, int column) const
{
    const Cell *c = cell(row, column);
    return c ? c->style : 0;
}

void Sheet::setCellStyle(int row, int column, int style)
{
    at(row, column).style = quint16(style);
}

void Sheet::setDefaultFont(const QString &name, int size)
{
    m_styles[0].fontName = name;
    m_styles[0].fontSize = size;
}

QString Sheet::selectionText() const
{
    const CellRange r = m_selection;
    const QString first = r.r1 < 0 ? columnName(r.c1) : r.c1 < 0 ? QString::number(r.r1) : cellName(r.r1, r.c1);
    if (r.r1 == r.r2 && r.c1 == r.c2 && r.r1 > 0 && r.c1 > 0)
        return first;
    const QString last = r.r1 < 0 ? columnName(r.c2) : r.c1 < 0 ? QString::number(r.r2) : cellName(r.r2, r.c2);
    return first + QLatin1Char(':') + last;
}

CellRange Sheet::normalized(const CellRange &range) const
{
    CellRange r = range;
    if (r.r1 < 0) { r.r1 = 1; r.r2 = std::max(1, maxRow()); }
    if (r.c1 < 0) { r.c1 = 1; r.c2 = std::max(1, maxCol()); }
    if (r.r2 < 0) r.r2 = std::max(r.r1, maxRow());
    if (r.c2 < 0) r.c2 = std::max(r.c1, maxCol());
    if (r.r1 > r.r2) std::swap(r.r1, r.r2);
    if (r.c1 > r.c2) std::swap(r.c1, r.c2);
    return r;
}

template <typename F>
void Sheet::restyle(const CellRange &range, F change)
{
    const CellRange r = normalized(range);
    QHash<int, int> mapped; // old style -> new style, so a range is restyled in one lookup per style
    for (int row = r.r1; row <= r.r2; ++row)
        for (int col = r.c1; col <= r.c2; ++col) {
            Cell &c = at(row, col);
            auto it = mapped.find(c.style);
            if (it == mapped.end()) {
                CellStyle s = m_styles[c.style];
                change(s);
                it = mapped.insert(c.style, addStyle(s));
            }
            c.style = quint16(*it);
        }
}

void Sheet::setAlignment(const CellRange &range, HAlign align)
{
    restyle(range, [&](CellStyle &s) { s.align = align; });
}

void Sheet::setBorder(const CellRange &range, quint8 borders)
{
    restyle(range, [&](CellStyle &s) { s.borders = borders; });
}

void Sheet::setFont(const CellRange &range, const QString &name, int size, bool bold, QRgb color)
{
    restyle(range, [&](CellStyle &s) { s.fontName = name; s.fontSize = size; s.bold = bold; s.color = color; });
}

void Sheet::setNumberFormat(const CellRange &range, const QString &format)
{
    restyle(range, [&](CellStyle &s) { s.numberFormat = format; });
}

int Sheet::columnWidth(int column) const
{
    return size_t(column) <= m_colWidths.size() && column > 0 && m_colWidths[size_t(column - 1)] >= 0
               ? m_colWidths[size_t(column - 1)] : defaultColumnWidth;
}

void Sheet::setColumnWidth(int column, int width)
{
    if (column < 1)
        return;
    if (size_t(column) > m_colWidths.size())
        m_colWidths.resize(size_t(column), -1);
    m_colWidths[size_t(column - 1)] = std::max(0, width);
}

int Sheet::rowHeight(int row) const
{
    return size_t(row) <= m_rowHeights.size() && row > 0 && m_rowHeights[size_t(row - 1)] >= 0
               ? m_rowHeights[size_t(row - 1)] : defaultRowHeight;
}

void Sheet::setRowHeight(int row, int height)
{
    if (row < 1)
        return;
    if (size_t(row) > m_rowHeights.size())
        m_rowHeights.resize(size_t(row), -1);
    m_rowHeights[size_t(row - 1)] = std::max(0, height);
}

void Sheet::setPrintTitles(const QString &ref)
{
    static const QRegularExpression re(QStringLiteral("^[A-Za-z]*(\\d+):[A-Za-z]*(\\d+)$"));
    const auto m = re.match(ref);
    m_page.titleRowFirst = m.hasMatch() ? m.captured(1).toInt() : 0;
    m_page.titleRowLast = m.hasMatch() ? m.captured(2).toInt() : 0;
}

void Sheet::sort(const CellRange &range, const QList<SortKey> &keys)
{
    const CellRange r = normalized(range);
    if (keys.isEmpty() || r.r1 >= r.r2)
        return;
    recalc();
    std::vector<std::vector<Cell>> block;
    block.reserve(size_t(r.r2 - r.r1 + 1));
    for (int row = r.r1; row <= r.r2; ++row) {
        std::vector<Cell> cells(size_t(r.c2 - r.c1 + 1));
        for (int col = r.c1; col <= r.c2; ++col)
            if (const Cell *c = cell(row, col))
                cells[size_t(col - r.c1)] = *c;
        block.push_back(std::move(cells));
    }
    auto rank = [](const Cell &c) { return c.kind == Cell::Kind::Empty ? 2 : c.kind == Cell::Kind::Text ? 1 : 0; };
    std::stable_sort(block.begin(), block.end(), [&](const std::vector<Cell> &a, const std::vector<Cell> &b) {
        for (const SortKey &k : keys) {
            const int i = k.column - r.c1;
            if (i < 0 || i >= int(a.size()))
                continue;
            const Cell &x = a[size_t(i)], &y = b[size_t(i)];
            if (rank(x) != rank(y))
                return rank(x) < rank(y); // empty cells stay last either way
            int cmp = 0;
            if (rank(x) == 0)
                cmp = x.number < y.number ? -1 : x.number > y.number ? 1 : 0;
            else if (rank(x) == 1)
                cmp = QString::localeAwareCompare(x.text, y.text);
            if (cmp != 0)
                return k.ascending ? cmp < 0 : cmp > 0;
        }
        return false;
    });
    for (int row = r.r1; row <= r.r2; ++row)
        for (int col = r.c1; col <= r.c2; ++col)
            at(row, col) = std::move(block[size_t(row - r.r1)][size_t(col - r.c1)]);
    // Formula cells may have moved.
    m_formulaCells.clear();
    for (int row = 1; row <= maxRow(); ++row)
        for (size_t col = 0; col < m_cells[size_t(row - 1)].size(); ++col)
            if (m_cells[size_t(row - 1)][col].kind == Cell::Kind::Formula)
                m_formulaCells.emplace_back(row, int(col) + 1);
    m_dirty = true;
}
