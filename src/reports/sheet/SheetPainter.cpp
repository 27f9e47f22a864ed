#include "SheetPainter.h"

#include <QPainter>

SheetPainter::SheetPainter(const Sheet &sheet) : m_sheet(sheet) {}

QFont SheetPainter::fontFor(const CellStyle &style)
{
    QFont f;
    // The Windows names first; on other systems fontconfig falls back to the CJK fonts.
    if (style.fontName == QStringLiteral("黑体"))
        f.setFamilies({style.fontName, QStringLiteral("SimHei"), QStringLiteral("Noto Sans CJK SC")});
    else if (style.fontName == QStringLiteral("宋体"))
        f.setFamilies({style.fontName, QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"),
                       QStringLiteral("Noto Sans CJK SC")});
    else
        f.setFamilies({style.fontName, QStringLiteral("Noto Sans CJK SC")});
    // Pixel size in the painter's point units, so the painter's scale alone sizes it.
    f.setPixelSize(std::max(1, style.fontSize));
    f.setBold(style.bold);
    return f;
}

const QFont &SheetPainter::font(int style)
{
    if (size_t(style) >= m_fonts.size()) {
        m_fonts.resize(size_t(m_sheet.styleCount()));
        m_fontMade.resize(size_t(m_sheet.styleCount()), false);
    }
    if (!m_fontMade[size_t(style)]) {
        m_fonts[size_t(style)] = fontFor(m_sheet.style(style));
        m_fontMade[size_t(style)] = true;
    }
    return m_fonts[size_t(style)];
}

double SheetPainter::blockWidth(int colFirst, int colLast) const
{
    double w = 0;
    for (int c = colFirst; c <= colLast; ++c)
        w += columnWidthPt(m_sheet.columnWidth(c));
    return w;
}

void SheetPainter::paint(QPainter &p, int rowFirst, int rowLast, int colFirst, int colLast)
{
    m_sheet.recalc();
    std::vector<double> xs{0};
    for (int c = colFirst; c <= colLast; ++c)
        xs.push_back(xs.back() + columnWidthPt(m_sheet.columnWidth(c)));
    auto isEmpty = [&](int r, int c) { return m_sheet.kind(r, c) == Cell::Kind::Empty; };

    const QPen thin(Qt::black, 0.5);
    double y = 0;
    for (int r = rowFirst; r <= rowLast; ++r) {
        const double h = rowHeightPt(m_sheet.rowHeight(r));
        if (h <= 0)
            continue;
        for (int c = colFirst; c <= colLast; ++c) {
            const double x = xs[size_t(c - colFirst)], w = xs[size_t(c - colFirst + 1)] - x;
            const Cell *cell = m_sheet.cell(r, c);
            if (!cell || w <= 0)
                continue;
            const CellStyle &st = m_sheet.style(cell->style);
            if (st.borders) {
                p.setPen(thin);
                if (st.borders & BorderLeft) p.drawLine(QPointF(x, y), QPointF(x, y + h));
                if (st.borders & BorderTop) p.drawLine(QPointF(x, y), QPointF(x + w, y));
                if (st.borders & BorderRight) p.drawLine(QPointF(x + w, y), QPointF(x + w, y + h));
                if (st.borders & BorderBottom) p.drawLine(QPointF(x, y + h), QPointF(x + w, y + h));
            }
            if (cell->kind == Cell::Kind::Empty)
                continue;
            QString text = m_sheet.text(r, c);
            if (text.isEmpty())
                continue;
            text.truncate(2000); // no cell shows more; keeps very long texts cheap to lay out
            const bool isNumber = cell->kind != Cell::Kind::Text;
            double left = x, right = x + w;
            Qt::Alignment align = Qt::AlignLeft;
            switch (st.align) {
            case HAlign::General: align = isNumber ? Qt::AlignRight : Qt::AlignLeft; break;
            case HAlign::Left: align = Qt::AlignLeft; break;
            case HAlign::Right: align = Qt::AlignRight; break;
            case HAlign::Center: align = Qt::AlignHCenter; break;
            case HAlign::CenterAcross:
                align = Qt::AlignHCenter;
                for (int n = c + 1; n <= colLast && isEmpty(r, n)
                                    && m_sheet.style(m_sheet.cellStyle(r, n)).align == HAlign::CenterAcross; ++n)
                    right = xs[size_t(n - colFirst + 1)];
                break;
            }
            if (align == Qt::AlignLeft && !isNumber)
                for (int n = c + 1; n <= colLast && isEmpty(r, n); ++n)
                    right = xs[size_t(n - colFirst + 1)];
            p.setFont(font(cell->style));
            p.setPen(QColor::fromRgba(st.color));
            const QRectF box(left + 1.5, y, right - left - 3, h);
            p.save();
            p.setClipRect(QRectF(left, y, right - left, h), Qt::IntersectClip);
            p.drawText(box, int(align | Qt::AlignVCenter) | Qt::TextSingleLine, text);
            p.restore();
        }
        y += h;
    }
}
