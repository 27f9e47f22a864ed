#include "SheetView.h"

#include "SheetPainter.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

static constexpr int kHeaderHeight = 20;
static constexpr int kHeaderWidth = 48;

// The strips of column letters and row numbers beside the viewport.
class SheetHeader : public QWidget
{
public:
    SheetHeader(SheetView *view, Qt::Orientation o) : QWidget(view), m_view(view), m_orientation(o) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        m_view->paintHeader(p, m_orientation);
    }
    void mousePressEvent(QMouseEvent *e) override { forward(e, false); }
    void mouseMoveEvent(QMouseEvent *e) override
    {
        if (e->buttons() & Qt::LeftButton)
            forward(e, true);
    }

private:
    void forward(QMouseEvent *e, bool drag)
    {
        m_view->pressAt(mapTo(m_view, e->position().toPoint()), drag || (e->modifiers() & Qt::ShiftModifier), drag);
    }
    SheetView *m_view;
    Qt::Orientation m_orientation;
};

SheetView::SheetView(Sheet *sheet, QWidget *parent) : QAbstractScrollArea(parent), m_sheet(sheet)
{
    setObjectName(QStringLiteral("F1Book"));
    setViewportMargins(kHeaderWidth, kHeaderHeight, 0, 0);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    m_columnHeader = new SheetHeader(this, Qt::Horizontal);
    m_rowHeader = new SheetHeader(this, Qt::Vertical);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_columnHeader, qOverload<>(&QWidget::update));
    connect(verticalScrollBar(), &QScrollBar::valueChanged, m_rowHeader, qOverload<>(&QWidget::update));
    sheetChanged();
}

double SheetView::zoom() const
{
    return m_sheet->viewScale / 100.0 * logicalDpiX() / 72.0;
}

void SheetView::sheetChanged()
{
    // A few empty rows and columns beyond the used part, as a spreadsheet shows them.
    m_rows = m_sheet->maxRow() + 3;
    m_cols = std::max(m_sheet->maxCol() + 5, 10);
    m_rowTops.assign(size_t(m_rows + 1), 0);
    for (int r = 1; r <= m_rows; ++r)
        m_rowTops[size_t(r)] = m_rowTops[size_t(r - 1)] + SheetPainter::rowHeightPt(m_sheet->rowHeight(r));
    m_colLefts.assign(size_t(m_cols + 1), 0);
    for (int c = 1; c <= m_cols; ++c)
        m_colLefts[size_t(c)] = m_colLefts[size_t(c - 1)] + SheetPainter::columnWidthPt(m_sheet->columnWidth(c));
    updateScrollBars();
    viewport()->update();
    m_columnHeader->update();
    m_rowHeader->update();
}

void SheetView::setZoom(int percent)
{
    m_sheet->viewScale = std::clamp(percent, 10, 400);
    updateScrollBars();
    viewport()->update();
    m_columnHeader->update();
    m_rowHeader->update();
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
    const QRect vp = viewport()->geometry();
    m_columnHeader->setGeometry(vp.left(), vp.top() - kHeaderHeight, vp.width(), kHeaderHeight);
    m_rowHeader->setGeometry(vp.left() - kHeaderWidth, vp.top(), kHeaderWidth, vp.height());
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
}

void SheetView::paintHeader(QPainter &h, Qt::Orientation orientation)
{
    const double z = zoom();
    const double x0 = horizontalScrollBar()->value() / z, y0 = verticalScrollBar()->value() / z;
    const QWidget *strip = orientation == Qt::Horizontal ? m_columnHeader : m_rowHeader;
    h.fillRect(strip->rect(), palette().button());
    h.setPen(palette().buttonText().color());
    if (orientation == Qt::Horizontal) {
        for (int c = columnAt(x0); c <= columnAt(x0 + strip->width() / z); ++c) {
            const int left = int((m_colLefts[size_t(c - 1)] - x0) * z), right = int((m_colLefts[size_t(c)] - x0) * z);
            if (right <= left)
                continue;
            h.drawText(QRect(left, 0, right - left, kHeaderHeight), Qt::AlignCenter, Sheet::columnName(c));
            h.drawLine(right, 0, right, kHeaderHeight);
        }
        return;
    }
    for (int r = rowAt(y0); r <= rowAt(y0 + strip->height() / z); ++r) {
        const int top = int((m_rowTops[size_t(r - 1)] - y0) * z), bottom = int((m_rowTops[size_t(r)] - y0) * z);
        if (bottom <= top)
            continue;
        h.drawText(QRect(0, top, kHeaderWidth, bottom - top), Qt::AlignCenter, QString::number(r));
        h.drawLine(0, bottom, kHeaderWidth, bottom);
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
    m_columnHeader->update();
    m_rowHeader->update();
    emit selectionChanged();
}

void SheetView::pressAt(QPoint pos, bool extend, bool drag)
{
    if (!drag)
        m_drag = pos.x() < kHeaderWidth ? Drag::Rows : pos.y() < kHeaderHeight ? Drag::Columns : Drag::Cells;
    selectAt(pos, extend);
}

// Positions in this widget's coordinates: the viewport sits inside the heading margins.
void SheetView::mousePressEvent(QMouseEvent *event)
{
    pressAt(viewport()->mapTo(this, event->position().toPoint()), event->modifiers() & Qt::ShiftModifier, false);
}

void SheetView::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        pressAt(viewport()->mapTo(this, event->position().toPoint()), true, true);
}
