#include "SheetFill.h"

#include "Rows.h"
#include "Sheet.h"

#include <QList>
#include <cmath>

namespace SheetFill {

int fontHeight(int fontSize) { return int(std::lround(fontSize * 96.0 / 72.0)); }

int rowHeight(const F1BookInputs &in)
{
    return in.RowHeight > 0 ? in.RowHeight : fontHeight(in.FontSize) * 22;
}

int headingRow(const F1BookInputs &in)
{
    return in.StartRow > 0 ? in.StartRow : in.SubTitle2.isEmpty() ? 4 : 5;
}

int gbkLength(const QString &text)
{
    int n = 0;
    for (QChar ch : text)
        n += ch.unicode() < 0x80 ? 1 : ch.isLowSurrogate() ? 0 : 2;
    return n;
}

int estimateSeconds(qint64 rows, qint64 fields)
{
    // bench_sheet measures 0.2-0.4 microseconds per cell with totals; 1 leaves room for
    // slower machines.
    return int(std::llround(double(rows) * double(fields) * 0.000001));
}

void prepare(Sheet &sheet, const F1BookInputs &in)
{
    sheet.setDefaultFont(QStringLiteral("宋体"), in.FontSize);
    sheet.pageSetup().header.clear();
    sheet.pageSetup().footer = QString::fromUtf8(PageFooter);
    sheet.title = in.SheetTitle;
    sheet.setText(1, 1, in.SheetTitle);
    CellStyle left = sheet.style(0);
    left.align = HAlign::Left;
    const int leftStyle = sheet.addStyle(left);
    sheet.setText(3, 1, QStringLiteral("　　") + in.SubTitle, leftStyle);
    sheet.setRowHeight(3, rowHeight(in));
    if (!in.SubTitle2.isEmpty())
        sheet.setText(4, 1, QStringLiteral("　　") + in.SubTitle2, leftStyle);
}

static void moveCell(Sheet &sheet, int row, int from, int to)
{
    if (from == to || sheet.kind(row, from) != Cell::Kind::Text)
        return;
    sheet.setText(row, to, sheet.text(row, from), sheet.cellStyle(row, from));
    sheet.clearCell(row, from);
}

FillResult fill(Sheet &sheet, const F1BookInputs &in, const F1BookSettings::Entry *settings,
                bool largerBottomLine, const std::function<void(int)> &progress)
{
    FillResult res;
    const Rows *rows = in.Rows;
    QList<int> fields; // visible fields, in field order
    if (rows)
        for (int f = 0; f < rows->fieldCount(); ++f)
            if (rows->fields()[f].visible)
                fields.append(f);
    if (fields.isEmpty()) {
        sheet.setText(5, 2, QString::fromUtf8(NoContentText));
        return res;
    }
    const int rh = rowHeight(in), fh = fontHeight(in.FontSize);
    const int h = headingRow(in);
    const int n = rows->rowCount();
    const CellStyle base = sheet.style(0);

    // Columns from column 2; column 1 and the one after the last are margins.
    CellStyle heading = base;
    heading.fontName = QStringLiteral("黑体");
    heading.bold = true;
    heading.align = HAlign::Center;
    heading.borders = BorderAll;
    const int headingStyle = sheet.addStyle(heading);
    for (int k = 0; k < fields.size(); ++k) {
        const RowField &f = rows->fields()[fields[k]];
        const int col = 2 + k;
        sheet.setColumnWidth(col, std::max(f.width, gbkLength(f.label)) * fh * 21);
        if (in.ShowHeaderRow)
            sheet.setText(h, col, f.label, headingStyle);
    }
    res.lastFieldCol = 1 + int(fields.size());
    res.marginCol = res.lastFieldCol + 1;
    if (in.ShowHeaderRow) {
        sheet.setPrintTitles(QStringLiteral("A%1:IV%2").arg(h - 1).arg(h));
        sheet.setRowHeight(h, int(std::lround(1.2 * rh)));
        res.headingRow = h;
    }
    res.firstDataRow = in.ShowHeaderRow ? h + 1 : h;

    sheet.setRowHeight(1, int(std::lround(1.5 * rh)));
    CellStyle title = sheet.style(sheet.cellStyle(1, 1));
    title.fontSize = in.FontSize + 5;
    title.align = HAlign::CenterAcross;
    const int titleStyle = sheet.addStyle(title);
    for (int c = 1; c <= res.marginCol; ++c)
        sheet.setCellStyle(1, c, titleStyle);
    sheet.setColumnWidth(1, 500);
    sheet.setColumnWidth(res.marginCol, 500);

    // One style per column (and a variant without the top line for blanked repeats).
    QList<int> cellStyle, openTopStyle;
    for (int f : fields) {
        const RowField &fd = rows->fields()[f];
        CellStyle s = base;
        s.borders = BorderAll;
        s.align = fd.alignment & Qt::AlignRight ? HAlign::Right
                : fd.alignment & Qt::AlignHCenter ? HAlign::Center : HAlign::Left;
        s.numberFormat = fd.numeric ? (fd.format.isEmpty() ? QStringLiteral("General") : fd.format) : QString();
        cellStyle.append(sheet.addStyle(s));
        s.borders = BorderAll & ~BorderTop;
        openTopStyle.append(sheet.addStyle(s));
    }
    QList<QString> previous(fields.size());
    for (int i = 0; i < n; ++i) {
        const int r = res.firstDataRow + i;
        sheet.setRowHeight(r, rh);
        for (int k = 0; k < fields.size(); ++k) {
            const RowField &fd = rows->fields()[fields[k]];
            const int col = 2 + k;
            const QVariant v = rows->value(i, fields[k]);
            if (fd.numeric) {
                bool ok = false;
                const double d = v.toDouble(&ok);
                if (v.isNull() || !ok)
                    sheet.setText(r, col, v.isNull() ? QString() : v.toString(), cellStyle[k]);
                else
                    sheet.setNumber(r, col, d, cellStyle[k]);
                continue;
            }
            QString text = v.isNull() ? QString() : v.toString();
            if (fd.tag == TagBlankRepeats) {
                if (i > 0 && text == previous[k]) {
                    sheet.setText(r, col, QString(), openTopStyle[k]);
                    continue;
                }
                previous[k] = text;
            }
            sheet.setText(r, col, text, cellStyle[k]);
        }
        if (progress)
            progress(i + 1);
    }
    res.lastDataRow = res.firstDataRow + n - 1;

    bool totals = false;
    for (int f : fields)
        totals = totals || rows->fields()[f].tag == TagSum || rows->fields()[f].tag == TagAverage;
    if (totals) {
        res.totalsRow = res.lastDataRow + 1;
        for (int k = 0; k < fields.size(); ++k) {
            const RowField &fd = rows->fields()[fields[k]];
            if (fd.tag != TagSum && fd.tag != TagAverage)
                continue;
            const int col = 2 + k;
            CellStyle s = sheet.style(cellStyle[k]);
            if (s.numberFormat == QLatin1String("0.00"))
                s.numberFormat = QStringLiteral("#,##0.00");
            const int style = sheet.addStyle(s);
            if (n == 0) {
                // An empty range would reach back into the headings: the total is plainly 0.
                sheet.setNumber(res.totalsRow, col, 0, style);
                continue;
            }
            const QString letter = Sheet::columnName(col);
            sheet.setFormula(res.totalsRow, col,
                             QStringLiteral("%1(%2%3:%2%4)").arg(fd.tag == TagSum ? QStringLiteral("SUM") : QStringLiteral("AVERAGE"),
                                                               letter).arg(res.firstDataRow).arg(res.lastDataRow),
                             style);
        }
    }

    if (settings) {
        for (int c = 1; c <= res.marginCol; ++c)
            sheet.setColumnWidth(c, settings->widths.value(c, sheet.columnWidth(c)));
        res.printScale = settings->printScale;
    }

    if (totals) {
        int first = 1;
        while (first < res.marginCol && sheet.columnWidth(first) == 0)
            ++first;
        int last = res.lastFieldCol;
        while (last > first && sheet.columnWidth(last) == 0)
            --last;
        moveCell(sheet, 3, 1, first);
        moveCell(sheet, 4, 1, first);
        const int t = res.totalsRow;
        sheet.setText(t, first, QStringLiteral("合计： %1项").arg(n));
        for (int c = first; c <= last; ++c) {
            CellStyle s = sheet.style(sheet.cellStyle(t, c));
            s.borders = BorderAll;
            s.fontName = base.fontName;
            s.fontSize = base.fontSize;
            sheet.setCellStyle(t, c, sheet.addStyle(s));
        }
        sheet.setRowHeight(t, int(std::lround(1.1 * rh)));
    }

    sheet.selectCell(1, 1);

    const int b = sheet.maxRow() + 1;
    CellStyle bottom = base;
    bottom.align = HAlign::Left;
    const int bottomStyle = sheet.addStyle(bottom);
    if (largerBottomLine)
        bottom.fontSize += 2;
    if (!in.BottomLine.isEmpty())
        sheet.setText(b, 1, QStringLiteral("　") + in.BottomLine, sheet.addStyle(bottom));
    sheet.setRowHeight(b, int(std::lround(1.3 * rh)));
    res.bottomRow = b;
    if (!in.BottomLine2.isEmpty()) {
        sheet.setText(b + 1, 1, QStringLiteral("　") + in.BottomLine2, bottomStyle);
        sheet.setRowHeight(b + 1, rh);
        res.bottomRow = b + 1;
    }
    res.filled = true;
    return res;
}

} // namespace SheetFill
