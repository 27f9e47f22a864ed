#include "SheetPrinter.h"

#include "SheetPainter.h"

#include <QPainter>
#include <QPrinter>

void SheetPrinter::applyPageSetup(const PageSetup &setup, QPrinter *printer)
{
    printer->setPageSize(setup.pageSize);
    printer->setPageOrientation(setup.orientation);
    printer->setPageMargins(setup.marginsMm, QPageLayout::Millimeter);
}

QString SheetPrinter::expandCodes(const QString &text, int page, int pages, const QDateTime &now)
{
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('&') || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        switch (text[++i].toUpper().unicode()) {
        case 'D': out += now.date().toString(QStringLiteral("yyyy-MM-dd")); break;
        case 'T': out += now.time().toString(QStringLiteral("HH:mm:ss")); break;
        case 'P': out += QString::number(page); break;
        case 'N': out += QString::number(pages); break;
        case '&': out += QLatin1Char('&'); break;
        default: break; // section codes (&L, &C, &R) and unknown codes print nothing
        }
    }
    return out;
}

QList<SheetPrinter::Page> SheetPrinter::paginate(QSizeF area) const
{
    const PageSetup &ps = m_sheet.pageSetup();
    const double scale = std::max(10, ps.scale) / 100.0;
    const double width = area.width() / scale;
    double height = area.height() / scale;
    if (!ps.header.isEmpty()) height -= HeaderSpace / scale;
    if (!ps.footer.isEmpty()) height -= HeaderSpace / scale;

    const int rows = std::max(1, m_sheet.maxRow()), cols = std::max(1, m_sheet.maxCol());
    const bool hasTitles = ps.titleRowFirst > 0 && ps.titleRowLast >= ps.titleRowFirst && ps.titleRowLast <= rows;
    double titleHeight = 0;
    if (hasTitles)
        for (int r = ps.titleRowFirst; r <= ps.titleRowLast; ++r)
            titleHeight += SheetPainter::rowHeightPt(m_sheet.rowHeight(r));

    QList<std::pair<int, int>> rowPages;
    for (int r = 1; r <= rows;) {
        const bool titles = hasTitles && r > ps.titleRowLast;
        double used = titles ? titleHeight : 0;
        int last = r;
        for (int n = r; n <= rows; ++n) {
            used += SheetPainter::rowHeightPt(m_sheet.rowHeight(n));
            if (used > height && n > r)
                break;
            last = n;
        }
        rowPages.append({r, last});
        r = last + 1;
    }
    QList<std::pair<int, int>> colPages;
    for (int c = 1; c <= cols;) {
        double used = 0;
        int last = c;
        for (int n = c; n <= cols; ++n) {
            used += SheetPainter::columnWidthPt(m_sheet.columnWidth(n));
            if (used > width && n > c)
                break;
            last = n;
        }
        colPages.append({c, last});
        c = last + 1;
    }
    QList<Page> pages;
    for (auto [c1, c2] : colPages)
        for (auto [r1, r2] : rowPages)
            pages.append({r1, r2, c1, c2, hasTitles && r1 > ps.titleRowLast});
    return pages;
}

int SheetPrinter::print(QPrinter *printer, bool applySetup) const
{
    if (applySetup)
        applyPageSetup(m_sheet.pageSetup(), printer);
    const PageSetup &ps = m_sheet.pageSetup();
    const QRectF area = printer->pageLayout().paintRectPoints();
    const QList<Page> pages = paginate(area.size());
    QPainter p;
    if (!p.begin(printer))
        return 0;
    const double dpi = printer->resolution();
    const double scale = std::max(10, ps.scale) / 100.0;
    const QDateTime now = QDateTime::currentDateTime();
    CellStyle small = m_sheet.style(0);
    small.fontSize = 9;
    const QFont headerFont = SheetPainter::fontFor(small);
    SheetPainter painter(m_sheet);

    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0)
            printer->newPage();
        const Page &pg = pages[i];
        p.resetTransform();
        p.scale(dpi / 72.0, dpi / 72.0);
        p.setFont(headerFont);
        p.setPen(Qt::black);
        double top = 0;
        if (!ps.header.isEmpty()) {
            p.drawText(QRectF(0, 0, area.width(), HeaderSpace), Qt::AlignCenter,
                       expandCodes(ps.header, i + 1, int(pages.size()), now));
            top = HeaderSpace;
        }
        if (!ps.footer.isEmpty())
            p.drawText(QRectF(0, area.height() - HeaderSpace, area.width(), HeaderSpace),
                       Qt::AlignCenter, expandCodes(ps.footer, i + 1, int(pages.size()), now));
        p.translate(0, top);
        p.scale(scale, scale);
        if (pg.titles) {
            painter.paint(p, ps.titleRowFirst, ps.titleRowLast, pg.colFirst, pg.colLast);
            double h = 0;
            for (int r = ps.titleRowFirst; r <= ps.titleRowLast; ++r)
                h += SheetPainter::rowHeightPt(m_sheet.rowHeight(r));
            p.translate(0, h);
        }
        painter.paint(p, pg.rowFirst, pg.rowLast, pg.colFirst, pg.colLast);
    }
    p.end();
    return int(pages.size());
}
