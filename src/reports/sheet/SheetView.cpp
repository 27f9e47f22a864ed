#include "SheetView.h"

#include "SheetPainter.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

static constexpr int kHeaderHeight = 20;
static constexpr int kHeaderWidth = 48;

SheetView::SheetView(Sheet *sheet, QWidget *parent) : QAbstractScrollArea(parent), m_sheet(sheet)
{
    setObjectName(QStringLiteral("F1Book"));
    setViewportMargins(kHeaderWidth, kHeaderHeight, 0, 0);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    sheetChanged();
}

double SheetView::zoom() const
{
    return m_sheet->viewScale / 100.0 * logicalDpiX() / 72.0;
}

void SheetView::sheetChanged()
{
    // A few empty rows and columns beyond the used part, as a spreadsheet shows them.
    m_rows = m_sheet->maxRow() + 20;
    m_cols = std::max(m_sheet->maxCol() + 5, 10);
    m_rowTops.assign(size_t(m_rows + 1), 0);
    for (int r = 1; r <= m_rows; ++r)
        m_rowTops[size_t(r)] = m_rowTops[size_t(r - 1)] + SheetPainter::rowHeightPt(m_sheet->rowHeight(r));
    m_colLefts.assign(size_t(m_cols + 1), 0);
    for (int c = 1; c <= m_cols; ++c)
        m_colLefts[size_t(c)] = m_colLefts[size_t(c - 1)] + SheetPainter::columnWidthPt(m_sheet->columnWidth(c));
    updateScrollBars();
    viewport()->update();
}

void SheetView::setZoom(int percent)
{
    m_sheet->viewScale = std::clamp(percent, 10, 400);
    updateScrollBars();
    viewport()->update();
}

void SheetView::updateScrollBars()
{
    const double z = zoom();
    horizontalScrollBar()->setRange(0, std::max(0, int(m_colLefts.back() * z) - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setRange(0, std::max(0, int(m_rowTops.back() * z) - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(20);
}

void SheetView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

int SheetView::rowAt(double y) const
{
    auto it = std::upper_bound(m_rowTops.begin(), m_rowTops.end(), y);
    return std::clamp(int(it - m_rowTops.begin()), 1, m_rows);
}

int SheetView::columnAt(double x) const
{
    auto it = std::upper_bound(m_colLefts.begin(), m_colLefts.end(), x);
    return std::clamp(int(it - m_colLefts.begin()), 1, m_cols);
}

void SheetView::paintEvent(QPaintEvent *)
{
    const double z = zoom();
    const double x0 = horizontalScrollBar()->value() / z, y0 = verticalScrollBar()->value() / z;
    const double vw = viewport()->width() / z, vh = viewport()->height() / z;
    const int r1 = rowAt(y0), r2 = rowAt(y0 + vh), c2 = columnAt(x0 + vw);

    QPainter p(viewport());
    // Grid lines of the visible cells.
    p.scale(z, z);
    p.translate(-x0, -y0);
    p.setPen(QPen(QColor(225, 225, 225), 0));
    for (int r = r1; r <= r2; ++r)
        p.drawLine(QPointF(x0, m_rowTops[size_t(r)]), QPointF(x0 + vw, m_rowTops[size_t(r)]));
    for (int c = 1; c <= c2; ++c)
        p.drawLine(QPointF(m_colLefts[size_t(c)], y0), QPointF(m_colLefts[size_t(c)], y0 + vh));

    // Cells: all columns (reports are narrow) so overflowing text keeps its origin.
    p.save();
    p.translate(0, m_rowTops[size_t(r1 - 1)]);
    SheetPainter(*m_sheet).paint(p, r1, std::min(r2, m_sheet->maxRow()), 1, std::max(1, m_sheet->maxCol()));
    p.restore();

    const CellRange s = m_sheet->normalized(m_sheet->selection());
    const QRectF sel(QPointF(m_colLefts[size_t(std::min(s.c1, m_cols) - 1)], m_rowTops[size_t(std::min(s.r1, m_rows) - 1)]),
                     QPointF(m_colLefts[size_t(std::min(s.c2, m_cols))], m_rowTops[size_t(std::min(s.r2, m_rows))]));
    p.fillRect(sel, QColor(0, 90, 200, 40));
    p.setPen(QPen(QColor(0, 90, 200), 2 / z));
    p.drawRect(sel);
    p.end();

    // Headings, unscaled, on the frame around the viewport.
    QPainter h(this);
    const QRect vp = viewport()->geometry();
    h.fillRect(QRect(0, 0, width(), vp.top()), palette().button());
    h.fillRect(QRect(0, 0, vp.left(), height()), palette().button());
    h.setPen(palette().buttonText().color());
    for (int c = columnAt(x0); c <= c2; ++c) {
        const int left = vp.left() + int((m_colLefts[size_t(c - 1)] - x0) * z);
        const int right = vp.left() + int((m_colLefts[size_t(c)] - x0) * z);
        if (right <= left)
            continue;
        h.drawText(QRect(left, 0, right - left, vp.top()), Qt::AlignCenter, Sheet::columnName(c));
        h.drawLine(right, 0, right, vp.top());
    }
    for (int r = r1; r <= r2; ++r) {
        const int top = vp.top() + int((m_rowTops[size_t(r - 1)] - y0) * z);
        const int bottom = vp.top() + int((m_rowTops[size_t(r)] - y0) * z);
        if (bottom <= top)
            continue;
        h.drawText(QRect(0, top, vp.left(), bottom - top), Qt::AlignCenter, QString::number(r));
        h.drawLine(0, bottom, vp.left(), bottom);
    }
}

void SheetView::selectAt(QPoint pos, bool extend)
{
    const double z = zoom();
    const int row = rowAt((pos.y() - kHeaderHeight + verticalScrollBar()->value()) / z);
    const int col = columnAt((pos.x() - kHeaderWidth + horizontalScrollBar()->value()) / z);
    if (!extend) {
        m_anchorRow = row;
        m_anchorCol = col;
    }
    const int r1 = std::min(m_anchorRow, row), r2 = std::max(m_anchorRow, row);
    const int c1 = std::min(m_anchorCol, col), c2 = std::max(m_anchorCol, col);
    switch (m_drag) {
    case Drag::Rows: m_sheet->select({r1, -1, r2, -1}); break;
    case Drag::Columns: m_sheet->select({-1, c1, -1, c2}); break;
    default: m_sheet->select({r1, c1, r2, c2}); break;
    }
    viewport()->update();
    emit selectionChanged();
}

// Presses on the cells arrive in viewport coordinates, presses on the heading strips in
// this widget's; the global position serves both.
void SheetView::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = mapFromGlobal(event->globalPosition().toPoint());
    m_drag = pos.x() < kHeaderWidth ? Drag::Rows : pos.y() < kHeaderHeight ? Drag::Columns : Drag::Cells;
    selectAt(pos, event->modifiers() & Qt::ShiftModifier);
}

void SheetView::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        selectAt(mapFromGlobal(event->globalPosition().toPoint()), true);
}
