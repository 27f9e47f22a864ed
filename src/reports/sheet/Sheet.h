#pragma once

#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRgb>
#include <QString>
#include <vector>

enum class HAlign : quint8 { General, Left, Center, Right, CenterAcross };
enum BorderSide : quint8 { BorderLeft = 1, BorderTop = 2, BorderRight = 4, BorderBottom = 8, BorderAll = 15 };

struct CellStyle {
    QString fontName = QStringLiteral("宋体");
    int fontSize = 12;          // points
    bool bold = false;
    QRgb color = 0xff000000;
    HAlign align = HAlign::General;
    quint8 borders = 0;         // BorderSide bits
    QString numberFormat;       // empty = General
    bool operator==(const CellStyle &) const = default;
};

struct Cell {
    enum class Kind : quint8 { Empty, Text, Number, Formula };
    Kind kind = Kind::Empty;
    quint16 style = 0;          // index into the sheet's style table; 0 is the sheet font
    double number = 0;          // the number, or a formula's last result (NaN on error)
    QString text;               // the text, or the formula without "="
};

// Rows and columns are 1-based; r2/c2 of -1 (or r1 = -1) mean "to the end" in that direction.
struct CellRange {
    int r1 = 1, c1 = 1, r2 = 1, c2 = 1;
};

struct SortKey {
    int column;
    bool ascending = true;
};

struct PageSetup {
    QPageSize pageSize{QPageSize::A4};
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF marginsMm{15, 15, 15, 15};
    int scale = 100;            // per cent, not fitted to the page
    // Page header and footer with the codes &D (date), &T (time), &P (page), &N (pages).
    QString header;
    QString footer;
    int titleRowFirst = 0;      // rows repeated at the top of every page; 0 = none
    int titleRowLast = 0;
};

// The spreadsheet behind the report viewer: cells with text, numbers and SUM/AVERAGE
// formulas, shared cell styles, column widths (1/256 of a character) and row heights
// (twips, 1/20 point), a selection, zoom and page set-up. Knows no widget.
class Sheet
{
public:
    Sheet();

    static QString columnName(int column);          // 1 -> "A", 27 -> "AA"
    static QString cellName(int row, int column);   // (5, 2) -> "B5"
    static bool parseCellName(const QString &name, int *row, int *column);

    // Writing cells; style -1 keeps the cell's style.
    void setText(int row, int column, const QString &text, int style = -1);
    void setNumber(int row, int column, double value, int style = -1);
    void setFormula(int row, int column, const QString &formula, int style = -1);
    void clearCell(int row, int column);

    const Cell *cell(int row, int column) const;    // nullptr for a cell never written
    Cell::Kind kind(int row, int column) const;
    QString text(int row, int column) const;        // what the cell shows
    double number(int row, int column) const;       // formulas are recalculated first
    QString formula(int row, int column) const;
    int maxRow() const { return int(m_cells.size()); }
    int maxCol() const { return m_maxCol; }

    // Styles are shared: cells hold an index into this table.
    int addStyle(const CellStyle &style);
    const CellStyle &style(int id) const { return m_styles[size_t(id)]; }
    int styleCount() const { return int(m_styles.size()); }
    int cellStyle(int row, int column) const;
    void setCellStyle(int row, int column, int style);
    void setDefaultFont(const QString &name, int size);

    // Selection and the formatting operations that act on a range.
    void select(const CellRange &range) { m_selection = range; }
    void selectCell(int row, int column) { m_selection = {row, column, row, column}; }
    CellRange selection() const { return m_selection; }
    QString selectionText() const;                  // "B5" or "B5:D9"
    CellRange normalized(const CellRange &range) const;
    void setAlignment(const CellRange &range, HAlign align);
    void setBorder(const CellRange &range, quint8 borders);
    void setFont(const CellRange &range, const QString &name, int size, bool bold, QRgb color = 0xff000000);
    void setNumberFormat(const CellRange &range, const QString &format);

    int columnWidth(int column) const;
    void setColumnWidth(int column, int width);
    int rowHeight(int row) const;
    void setRowHeight(int row, int height);
    int defaultColumnWidth = 9 * 256;
    int defaultRowHeight = 300;

    // Sorts the rows of the range by the given columns; cells outside the range stay.
    // Numbers come before text, empty cells last.
    void sort(const CellRange &range, const QList<SortKey> &keys);

    PageSetup &pageSetup() { return m_page; }
    const PageSetup &pageSetup() const { return m_page; }
    void setPrintTitles(const QString &ref);        // "A3:IV4" -> rows 3..4 repeat

    QString title;
    int viewScale = 100;
    bool showZeroValues = true;

    // Recomputes every formula when a cell changed since the last time.
    void recalc() const;

private:
    Cell &at(int row, int column);
    template <typename F> void restyle(const CellRange &range, F change);
    double evaluate(const QString &formula, QString *error) const;

    std::vector<std::vector<Cell>> m_cells;
    std::vector<CellStyle> m_styles;
    std::vector<int> m_colWidths;
    std::vector<int> m_rowHeights;
    std::vector<std::pair<int, int>> m_formulaCells;
    mutable bool m_dirty = false;
    int m_maxCol = 0;
    CellRange m_selection;
    PageSetup m_page;
};
