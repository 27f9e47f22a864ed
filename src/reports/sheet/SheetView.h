#pragma once

#include "Sheet.h"

#include <QAbstractScrollArea>

class QPainter;
#include <vector>

// Shows a sheet with row and column headings, draws only the visible cells, and lets the
// user select a cell, a range, whole rows or whole columns. Zoom is the sheet's viewScale.
class SheetView : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit SheetView(Sheet *sheet, QWidget *parent = nullptr);

    Sheet *sheet() const { return m_sheet; }
    // Call after cells, widths or heights changed.
    void sheetChanged();
    void setZoom(int percent);
    // A press at a position of this widget (headings included); drag extends the selection.
    void pressAt(QPoint pos, bool extend, bool drag);
    void paintHeader(QPainter &painter, Qt::Orientation orientation);

signals:
    void selectionChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    double zoom() const;
    int rowAt(double y) const;    // y in sheet points
    int columnAt(double x) const;
    void updateScrollBars();
    void selectAt(QPoint pos, bool extend);

    Sheet *m_sheet;
    QWidget *m_columnHeader = nullptr;
    QWidget *m_rowHeader = nullptr;
    std::vector<double> m_rowTops;  // points; one more than rows shown
    std::vector<double> m_colLefts;
    int m_rows = 0, m_cols = 0;
    int m_anchorRow = 1, m_anchorCol = 1;
    enum class Drag { None, Cells, Rows, Columns } m_drag = Drag::None;
};
