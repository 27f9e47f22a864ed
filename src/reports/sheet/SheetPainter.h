#pragma once

#include "Sheet.h"

#include <QFont>
#include <vector>

class QPainter;

// Draws a block of cells. The painter works in points (1/72 inch); the view and the
// printer scale it to their device. Shared by the screen, the preview and the printout.
class SheetPainter
{
public:
    explicit SheetPainter(const Sheet &sheet);

    static double columnWidthPt(int width) { return width * 5.25 / 256; }
    static double rowHeightPt(int height) { return height / 20.0; }
    static QFont fontFor(const CellStyle &style);

    // Paints rows rowFirst..rowLast and columns colFirst..colLast with the top left
    // corner of (rowFirst, colFirst) at the painter's origin. Text overflows into empty
    // neighbours within the block, as spreadsheets show it.
    void paint(QPainter &p, int rowFirst, int rowLast, int colFirst, int colLast);
    double blockWidth(int colFirst, int colLast) const;

private:
    const QFont &font(int style);
    const Sheet &m_sheet;
    std::vector<QFont> m_fonts;
    std::vector<bool> m_fontMade;
};
