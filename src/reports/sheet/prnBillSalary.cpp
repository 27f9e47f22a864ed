#include "prnBillSalary.h"

#include "SheetView.h"

TprnBillSalary::TprnBillSalary(QWidget *parent) : TfrmF1Book(parent)
{
    setObjectName(QStringLiteral("prnBillSalary"));
    setWindowTitle(QStringLiteral("工资单打印预览"));
    StartRow = FirstRow;
    ShowHeaderRow = false;
    RowHeight = SalaryRowHeight;
}

void TprnBillSalary::hideColumns(int first, int last)
{
    for (int c = first; c <= last; ++c)
        m_sheet.setColumnWidth(c, 0);
    m_view->sheetChanged();
}

void TprnBillSalary::prepareSheet()
{
    Sheet &s = m_sheet;
    s.setDefaultFont(QStringLiteral("宋体"), FontSize);
    s.pageSetup().header.clear();
    s.pageSetup().footer = QString::fromUtf8(SheetFill::PageFooter);
    s.title = SheetTitle;

    CellStyle head = s.style(0);
    head.fontName = QStringLiteral("黑体");
    head.bold = true;
    head.borders = BorderAll;
    head.align = HAlign::CenterAcross;
    const int across = s.addStyle(head);
    head.align = HAlign::Center;
    const int centre = s.addStyle(head);

    // Headings over the column order the salary window hands: 序, 姓名, 工种 in 2..4,
    // piece rate 5..11, points 12..15, overtime 16..19, other income 20..24, total income
    // 25, deductions 26..34, total deductions 35, net pay 36, signature 37.
    auto span = [&](int row, int first, int last, const QString &text) {
        for (int c = first; c <= last; ++c)
            s.setText(row, c, c == first ? text : QString(), across);
    };
    span(3, 5, 25, QStringLiteral("收入项目"));
    span(3, 26, 35, QStringLiteral("扣除项目"));
    span(4, 5, 11, QStringLiteral("计件200*300"));
    span(4, 12, 15, QStringLiteral("基本工资"));
    span(4, 16, 19, QStringLiteral("加班费"));
    span(4, 20, 20, QStringLiteral("超产奖"));
    span(4, 21, 21, QStringLiteral("返还款"));
    span(4, 22, 24, QStringLiteral("其他"));
    span(4, 25, 25, QStringLiteral("金额合计"));
    span(4, 26, 29, QString());
    span(4, 30, 30, QStringLiteral("保证金"));
    span(4, 31, 34, QString());
    span(4, 35, 35, QStringLiteral("金额合计"));
    const QStringList labels{
        QStringLiteral("序"), QStringLiteral("姓名"), QStringLiteral("工种"),
        QStringLiteral("计件数~20*30"), QStringLiteral("单价"), QStringLiteral("小计"),
        QStringLiteral("计件数~30*30"), QStringLiteral("单价"), QStringLiteral("小计"), QStringLiteral("计件金额"),
        QStringLiteral("天数"), QStringLiteral("分值"), QStringLiteral("单价"), QStringLiteral("计分金额"),
        QStringLiteral("天数"), QStringLiteral("分值"), QStringLiteral("单价"), QStringLiteral("加班金额"),
        QStringLiteral("超产奖"), QStringLiteral("返还款"), QStringLiteral("其他"), QStringLiteral("其他"), QStringLiteral("其他"),
        QStringLiteral("收入总额"),
        QStringLiteral("伙食"), QStringLiteral("电费"), QStringLiteral("办证"), QStringLiteral("保险"),
        QStringLiteral("押金(10%)"), QStringLiteral("罚款"), QStringLiteral("其他"), QStringLiteral("其他"), QStringLiteral("其他"),
        QStringLiteral("扣除总额"), QStringLiteral("实发工资"), QStringLiteral("签名")};
    for (int i = 0; i < labels.size(); ++i)
        s.setText(5, 2 + i, labels[i], centre);
    for (int r : {3, 4}) // the columns without a group heading stand framed, empty
        for (int c : {2, 3, 4, 36, 37})
            s.setText(r, c, QString(), centre);
    s.setText(3, 36, QStringLiteral("实发工资"), centre);
    for (int r = 3; r <= 5; ++r)
        s.setRowHeight(r, SalaryRowHeight);
    m_view->sheetChanged();
}
