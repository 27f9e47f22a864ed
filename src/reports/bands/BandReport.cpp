#include "BandReport.h"

#include "NumberFormat.h"
#include "Rows.h"
#include "SheetFiles.h"

#include <QDateTime>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

constexpr double kPtPerMm = 72.0 / 25.4;

QFont bandFont(int size, bool bold)
{
    QFont f;
    f.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("Noto Sans CJK SC")});
    f.setPixelSize(size); // painter units are points
    f.setBold(bold);
    return f;
}

// Lines with the same row number print side by side.
QList<QList<const BandLine *>> printedLines(const QList<BandLine> &lines)
{
    QList<QList<const BandLine *>> out;
    for (const BandLine &l : lines) {
        if (l.row >= 0 && !out.isEmpty() && out.last().first()->row == l.row)
            out.last().append(&l);
        else
            out.append({&l});
    }
    return out;
}

double linesHeight(const QList<BandLine> &lines)
{
    double h = 0;
    for (const auto &pl : printedLines(lines)) {
        int size = 0;
        for (const BandLine *l : pl)
            size = std::max(size, l->fontSize);
        h += size * 1.6;
    }
    return h;
}

} // namespace

// The report laid out as bands, then cut into pages.
class BandLayout
{
public:
    struct Band {
        enum Kind { GroupHeader, Detail, GroupFooter, Summary, SummaryLines } kind;
        int row = -1;
        int level = 0;
        BandTotals totals;
    };
    struct Page { QList<Band> bands; int firstRow = -1; };

    explicit BandLayout(const BandReport &r) : m_r(r) {}

    double detailHeight() const { return m_r.rowHeightMm * kPtPerMm; }
    double headingHeight() const
    {
        bool grouped = false;
        for (const BandColumn &c : m_r.columns)
            grouped = grouped || !c.group.isEmpty();
        return detailHeight() * (grouped ? 2 : 1);
    }
    double height(const Band &b) const
    {
        switch (b.kind) {
        case Band::Detail: return detailHeight();
        case Band::SummaryLines: return linesHeight(m_r.summaryLines);
        default: return detailHeight() * 1.2;
        }
    }

    QList<Band> bands() const
    {
        QList<Band> out;
        const Rows *rows = m_r.rows;
        const int n = rows ? rows->rowCount() : 0;
        const int levels = int(m_r.groups.size());
        QList<BandTotals> open(levels);
        BandTotals grand;
        QList<int> keyField;
        for (const BandGroup &g : m_r.groups)
            keyField.append(rows ? rows->indexOf(g.field) : -1);
        auto closeFrom = [&](int level, int lastRow) {
            for (int l = levels - 1; l >= level; --l) {
                if (m_r.groups[l].footerLabel)
                    out.append({Band::GroupFooter, lastRow, l, open[l]});
                open[l] = BandTotals();
            }
        };
        for (int i = 0; i < n; ++i) {
            int changed = i == 0 ? 0 : levels;
            for (int l = 0; i > 0 && l < levels; ++l)
                if (rows->value(i, keyField[l]) != rows->value(i - 1, keyField[l])) {
                    changed = l;
                    break;
                }
            if (i > 0)
                closeFrom(changed, i - 1);
            for (int l = changed; l < levels; ++l)
                if (m_r.groups[l].header)
                    out.append({Band::GroupHeader, i, l, {}});
            out.append({Band::Detail, i, 0, {}});
            for (const BandColumn &c : m_r.columns) {
                if (!c.sum)
                    continue;
                const double v = m_r.value(c, i).toDouble();
                const QString key = c.field.toUpper();
                for (BandTotals &t : open)
                    t.sums[key] += v;
                grand.sums[key] += v;
            }
            for (BandTotals &t : open)
                ++t.count;
            ++grand.count;
        }
        if (n > 0)
            closeFrom(0, n - 1);
        if (m_r.summaryLabel)
            out.append({Band::Summary, n - 1, 0, grand});
        if (!m_r.summaryLines.isEmpty())
            out.append({Band::SummaryLines, n - 1, 0, grand});
        return out;
    }

    QList<Page> pages(double pageHeight) const
    {
        const double footer = m_r.pageFooter ? 18 : 0;
        const double frame = linesHeight(m_r.pageHeader) + headingHeight() + footer;
        QList<Page> pages{Page{}};
        double room = pageHeight - frame - linesHeight(m_r.titleBand);
        const QList<Band> all = bands();
        for (int i = 0; i < all.size(); ++i) {
            double need = height(all[i]);
            // A group header stays with the row under it.
            if (all[i].kind == Band::GroupHeader && i + 1 < all.size())
                need += height(all[i + 1]);
            if (need > room && !pages.last().bands.isEmpty()) {
                pages.append(Page{});
                room = pageHeight - frame;
            }
            if (pages.last().firstRow < 0 && all[i].row >= 0)
                pages.last().firstRow = all[i].row;
            pages.last().bands.append(all[i]);
            room -= height(all[i]);
        }
        return pages;
    }

private:
    const BandReport &m_r;
};

QString BandReport::gradeText(const QVariant &code)
{
    switch (code.toInt()) {
    case 10: return QStringLiteral("优");
    case 20: return QStringLiteral("正");
    case 30: return QStringLiteral("合");
    default: return code.toString();
    }
}

QPageSize BandReport::customSize(double widthMm, double heightMm)
{
    return QPageSize(QSizeF(widthMm, heightMm), QPageSize::Millimeter,
                     QStringLiteral("%1 x %2 mm").arg(widthMm).arg(heightMm), QPageSize::ExactMatch);
}

QVariant BandReport::value(const BandColumn &column, int row) const
{
    if (column.compute)
        return column.compute(BandContext{rows, row, 0, nullptr});
    return rows ? rows->value(row, rows->indexOf(column.field)) : QVariant();
}

QString BandReport::cellText(const BandColumn &column, const QVariant &value) const
{
    if (column.grade)
        return gradeText(value);
    return NumberFormat::formatValue(value, column.mask);
}

int BandReport::print(QPrinter *printer) const
{
    printer->setPageSize(pageSize);
    printer->setPageOrientation(orientation);
    printer->setPageMargins(marginsMm, QPageLayout::Millimeter);
    printer->setDocName(title);
    const QRectF area = printer->pageLayout().paintRectPoints();
    const BandLayout layout(*this);
    const auto pages = layout.pages(area.height());

    QPainter p;
    if (!p.begin(printer))
        return 0;
    const double dpi = printer->resolution();
    const QDateTime now = QDateTime::currentDateTime();
    const double width = area.width();
    QList<double> xs{0};
    for (const BandColumn &c : columns)
        xs.append(xs.last() + c.widthMm * kPtPerMm);
    const double rowH = layout.detailHeight();
    const QPen thin(Qt::black, 0.5);

    auto drawLines = [&](const QList<BandLine> &lines, double &y, const BandContext &ctx) {
        for (const auto &pl : printedLines(lines)) {
            int size = 0;
            for (const BandLine *l : pl) {
                size = std::max(size, l->fontSize);
                p.setFont(bandFont(l->fontSize, l->bold));
                const QString text = l->dynamic ? l->dynamic(ctx) : l->text;
                p.drawText(QRectF(0, y, width, l->fontSize * 1.6), int(l->align | Qt::AlignVCenter), text);
            }
            y += size * 1.6;
        }
    };
    auto cell = [&](int c, double y, const QString &text, Qt::Alignment align, double h) {
        p.drawText(QRectF(xs[c] + 2, y, xs[c + 1] - xs[c] - 4, h), int(align | Qt::AlignVCenter) | Qt::TextSingleLine, text);
    };
    auto totalsRow = [&](double y, const QString &label, const BandTotals &t) {
        const double h = rowH * 1.2;
        p.setPen(thin);
        p.drawLine(QPointF(0, y), QPointF(xs.last(), y));
        p.setFont(bandFont(detailFontSize, true));
        int firstValue = int(columns.size());
        for (int c = 0; c < columns.size(); ++c)
            if (columns[c].sum || columns[c].total) {
                firstValue = c;
                break;
            }
        p.drawText(QRectF(2, y, std::max(xs[firstValue] - 4, 40.0), h), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, label);
        for (int c = 0; c < columns.size(); ++c) {
            const BandColumn &col = columns[c];
            if (col.total)
                cell(c, y, cellText(col, col.total(t)), col.align, h);
            else if (col.sum)
                cell(c, y, cellText(col, t.sum(col.field)), col.align, h);
        }
    };

    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0)
            printer->newPage();
        p.resetTransform();
        p.scale(dpi / 72.0, dpi / 72.0);
        p.setPen(Qt::black);
        const BandContext pageCtx{rows, pages[i].firstRow, i + 1, nullptr};
        double y = 0;
        drawLines(pageHeader, y, pageCtx);
        if (i == 0)
            drawLines(titleBand, y, pageCtx);

        // Column headings, with a group heading over the columns that share one.
        const double hh = layout.headingHeight();
        p.setFont(bandFont(detailFontSize, true));
        p.setPen(thin);
        for (int c = 0; c < columns.size(); ++c) {
            const BandColumn &col = columns[c];
            if (col.group.isEmpty()) {
                p.drawRect(QRectF(xs[c], y, xs[c + 1] - xs[c], hh));
                cell(c, y, col.heading, Qt::AlignCenter, hh);
                continue;
            }
            p.drawRect(QRectF(xs[c], y + rowH, xs[c + 1] - xs[c], rowH));
            cell(c, y + rowH, col.heading, Qt::AlignCenter, rowH);
            if (c == 0 || columns[c - 1].group != col.group) {
                int last = c;
                while (last + 1 < columns.size() && columns[last + 1].group == col.group)
                    ++last;
                const QRectF box(xs[c], y, xs[last + 1] - xs[c], rowH);
                p.drawRect(box);
                p.drawText(box, Qt::AlignCenter, col.group);
            }
        }
        y += hh;

        for (const BandLayout::Band &b : pages[i].bands) {
            const BandContext ctx{rows, b.row, i + 1, &b.totals};
            switch (b.kind) {
            case BandLayout::Band::GroupHeader:
                p.setFont(bandFont(detailFontSize, true));
                p.drawText(QRectF(2, y, width - 4, rowH * 1.2), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                           groups[b.level].header(ctx));
                break;
            case BandLayout::Band::Detail:
                p.setFont(bandFont(detailFontSize, false));
                for (int c = 0; c < columns.size(); ++c)
                    cell(c, y, cellText(columns[c], value(columns[c], b.row)), columns[c].align, rowH);
                break;
            case BandLayout::Band::GroupFooter:
                totalsRow(y, groups[b.level].footerLabel(ctx), b.totals);
                break;
            case BandLayout::Band::Summary:
                totalsRow(y, summaryLabel(ctx), b.totals);
                break;
            case BandLayout::Band::SummaryLines: {
                double ly = y;
                drawLines(summaryLines, ly, ctx);
                break;
            }
            }
            y += layout.height(b);
        }

        if (pageFooter) {
            const double fy = area.height() - 16;
            p.setFont(bandFont(9, false));
            p.drawLine(QPointF(0, fy), QPointF(width, fy));
            const QRectF box(0, fy, width, 16);
            p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("制表：") + preparedBy);
            p.drawText(box, Qt::AlignHCenter | Qt::AlignVCenter,
                       QStringLiteral("打印时间：") + now.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
            p.drawText(box, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("第%1页").arg(i + 1));
        }
    }
    p.end();
    return int(pages.size());
}

bool BandReport::savePdf(const QString &path, QString *error) const
{
    return SheetFiles::saveVia(path, error, [this](const QString &tmp) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(tmp);
        return print(&printer) > 0;
    });
}

void BandReport::preview(QWidget *parent) const
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(pageSize);
    printer.setPageOrientation(orientation);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    dialog.setWindowState(Qt::WindowMaximized);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [this](QPrinter *p) { print(p); });
    dialog.exec();
}
