#pragma once

#include "F1BookSettings.h"

#include <QString>
#include <functional>

class Rows;
class Sheet;

// What a caller sets before showing the viewer.
struct F1BookInputs {
    QString SheetTitle;
    QString SubTitle;
    QString SubTitle2;      // when set, the headings move one row down
    QString BottomLine;
    QString BottomLine2;
    const ::Rows *Rows = nullptr;
    bool ShowHeaderRow = true;
    int RowHeight = 0;      // twips; 0 = font height x 22
    int FontSize = 12;
    int StartRow = 0;       // heading row; 0 = 5 with SubTitle2, else 4
};

// Where the fill put things.
struct FillResult {
    bool filled = false;
    int headingRow = 0;     // 0 without a heading row
    int firstDataRow = 0;
    int lastDataRow = 0;    // firstDataRow - 1 for no rows
    int totalsRow = 0;      // 0 without a totals row
    int lastFieldCol = 0;
    int marginCol = 0;      // the right margin column, the sheet's last column
    int bottomRow = 0;
    int printScale = 100;   // from the saved settings
};

// Lays rows out on the sheet: title and sub-titles, column headings, framed data cells,
// the totals row and the bottom lines. Knows no widget.
namespace SheetFill {
constexpr const char *NoContentText = "表格没有内容，请关闭退出。";
constexpr const char *CancelledText = "用户已经中断打印，请关闭退出。";
constexpr const char *PageFooter = "打印时间：&D &T  第&P页/共&N页";

int fontHeight(int fontSize);                 // pixels at 96 dpi: 16 for 12 points
int rowHeight(const F1BookInputs &in);
int headingRow(const F1BookInputs &in);
int gbkLength(const QString &text);           // bytes of the text in the GBK code page

// Seconds a fill of rows x fields takes, from this sheet's measured speed (with room for
// slower machines); the viewer asks before a fill of 31 seconds or more.
int estimateSeconds(qint64 rows, qint64 fields);

// Before filling: sheet font, page header and footer, titles, title and sub-title cells.
void prepare(Sheet &sheet, const F1BookInputs &in);
// Fills from in.Rows. progress(row) is called per data row. Settings may be null.
// largerBottomLine: the modal way shows the bottom line 2 points larger.
FillResult fill(Sheet &sheet, const F1BookInputs &in, const F1BookSettings::Entry *settings,
                bool largerBottomLine = false, const std::function<void(int)> &progress = {});
} // namespace SheetFill
