#pragma once

#include "frmF1Book.h"

// The salary sheet viewer: the same buttons and settings, its own headings in rows 3 to 5
// over the salary columns (column 2 on), rows filled from row 6 without a heading row at
// the salary row height. The caller writes the title into cell (1,2) and the department
// line into cell (2,2) after showing it.
class TprnBillSalary : public TfrmF1Book
{
    Q_OBJECT
public:
    explicit TprnBillSalary(QWidget *parent = nullptr);

    static constexpr int FirstRow = 6;
    static constexpr int SalaryRowHeight = 525;
    // Sheet columns of the blocks the tabs hide.
    static constexpr int PieceRateFirst = 5, PieceRateLast = 11;
    static constexpr int PointsFirst = 12, PointsLast = 19;

    // Hides the sheet columns first..last (width 0); the rest keep their widths.
    void hideColumns(int first, int last);

protected:
    void prepareSheet() override;
    bool largerBottomLine() const override { return false; }
};
