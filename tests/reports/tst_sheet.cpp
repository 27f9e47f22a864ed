#include "NumberFormat.h"
#include "ReportFixtures.h"
#include "Sheet.h"
#include "SheetFill.h"

#include <QtTest>

class TestSheet : public QObject
{
    Q_OBJECT
private slots:
    void columnNames_data();
    void columnNames();
    void numberFormats_data();
    void numberFormats();
    void formulasFollowChanges();
    void sortByKeys();

    void fillCells();
    void fillLayouts_data();
    void fillLayouts();
    void blankRepeats();
    void savedWidthsMoveSubTitle();
    void totalsPastColumnZ();
    void badInput();
};

void TestSheet::columnNames_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("name");
    QTest::newRow("A") << 1 << "A";
    QTest::newRow("Z") << 26 << "Z";
    QTest::newRow("AA") << 27 << "AA";
    QTest::newRow("AZ") << 52 << "AZ";
    QTest::newRow("BA") << 53 << "BA";
    QTest::newRow("ZZ") << 702 << "ZZ";
    QTest::newRow("AAA") << 703 << "AAA";
}

void TestSheet::columnNames()
{
    QFETCH(int, column);
    QFETCH(QString, name);
    QCOMPARE(Sheet::columnName(column), name);
    int r = 0, c = 0;
    QVERIFY(Sheet::parseCellName(name + "12", &r, &c));
    QCOMPARE(c, column);
    QCOMPARE(r, 12);
}

void TestSheet::numberFormats_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("text");
    QTest::newRow("money") << 1234.5 << "#,##0.00" << "1,234.50";
    QTest::newRow("boxes rounded") << 1234.5 << "#,##0" << "1,235";
    QTest::newRow("negative grouped") << -1234567.891 << "#,##0.00" << "-1,234,567.89";
    QTest::newRow("no minus zero") << -0.001 << "0.00" << "0.00";
    QTest::newRow("binary half") << 2.675 << "0.00" << "2.68";
    QTest::newRow("percent") << 0.125 << "0.0%" << "12.5%";
    QTest::newRow("general fraction") << 12.5 << "General" << "12.5";
    QTest::newRow("general integer") << 1e6 << "" << "1000000";
}

void TestSheet::numberFormats()
{
    QFETCH(double, value);
    QFETCH(QString, mask);
    QFETCH(QString, text);
    QCOMPARE(NumberFormat::format(value, mask), text);
}

void TestSheet::formulasFollowChanges()
{
    Sheet s;
    s.setNumber(1, 2, 1);
    s.setNumber(2, 2, 2);
    s.setText(3, 2, "x"); // text is not counted
    s.setFormula(4, 2, "Sum(B1:B3)");
    s.setFormula(5, 2, "=AVERAGE(B1:B3)");
    s.setFormula(6, 2, "AVERAGE(C1:C3)");
    s.setFormula(7, 2, "SUM(B4:B5)");  // uses the results above it
    QCOMPARE(s.number(4, 2), 3.0);
    QCOMPARE(s.number(5, 2), 1.5);
    QCOMPARE(s.text(6, 2), QString("#DIV/0!"));
    QCOMPARE(s.number(7, 2), 4.5);
    s.setNumber(2, 2, 10);
    QCOMPARE(s.number(4, 2), 11.0);
    QCOMPARE(s.number(7, 2), 16.5);
    s.setFormula(8, 2, "MEDIAN(B1:B2)");
    QCOMPARE(s.text(8, 2), QString("#NAME?"));
}

void TestSheet::sortByKeys()
{
    Sheet s;
    const QList<QVariantList> rows{{"b", 2}, {"a", 2}, {"c", 1}, {"", 5}};
    for (int i = 0; i < rows.size(); ++i) {
        s.setText(i + 1, 1, rows[i][0].toString());
        s.setNumber(i + 1, 2, rows[i][1].toDouble());
    }
    s.setText(10, 1, "outside");
    s.sort({1, 1, 4, 2}, {{2, false}, {1, true}});
    QCOMPARE(s.text(1, 1) + s.text(2, 1) + s.text(3, 1) + s.text(4, 1), QString("abc"));
    QCOMPARE(s.number(1, 2), 5.0); // the empty name goes with its number
    QCOMPARE(s.number(4, 2), 1.0);
    s.sort({1, 1, 4, 2}, {{1, true}});
    QCOMPARE(s.text(1, 1), QString("a"));
    QCOMPARE(s.kind(4, 1), Cell::Kind::Empty); // empty cells stay last
    QCOMPARE(s.text(10, 1), QString("outside"));
}

static FillResult fillGoods(Sheet &s, F1BookInputs &in, const RowList &rows,
                            const F1BookSettings::Entry *settings = nullptr)
{
    in.Rows = &rows;
    SheetFill::prepare(s, in);
    return SheetFill::fill(s, in, settings);
}

void TestSheet::fillCells()
{
    const RowList rows = ReportFixtures::goods(3);
    Sheet s;
    F1BookInputs in;
    in.SheetTitle = "销售日报";
    in.SubTitle = "日期：2026-12-11";
    in.BottomLine = "打印人：张三";
    in.BottomLine2 = "审核：";
    const FillResult r = fillGoods(s, in, rows);
    const int rh = 16 * 22;

    QCOMPARE(s.text(1, 1), QString("销售日报"));
    QCOMPARE(s.style(s.cellStyle(1, 1)).align, HAlign::CenterAcross);
    QCOMPARE(s.style(s.cellStyle(1, 1)).fontSize, 17);
    QCOMPARE(s.rowHeight(1), qRound(1.5 * rh));
    QCOMPARE(s.text(3, 1), QString("　　日期：2026-12-11"));
    QCOMPARE(s.rowHeight(3), rh);

    // Headings in row 4, data from row 5, from column 2.
    QCOMPARE(r.headingRow, 4);
    QCOMPARE(s.text(4, 2), QString("产品名称"));
    const CellStyle &head = s.style(s.cellStyle(4, 3));
    QVERIFY(head.bold);
    QCOMPARE(head.fontName, QString("黑体"));
    QCOMPARE(head.borders, quint8(BorderAll));
    QCOMPARE(s.rowHeight(4), qRound(1.2 * rh));
    QCOMPARE(s.pageSetup().titleRowFirst, 3);
    QCOMPARE(s.pageSetup().titleRowLast, 4);
    QCOMPARE(s.pageSetup().footer, QString("打印时间：&D &T  第&P页/共&N页"));

    // Width = max(display width, label bytes) x font height x 21; margins 500.
    QCOMPARE(s.columnWidth(2), 8 * 16 * 21);
    QCOMPARE(s.columnWidth(3), 6 * 16 * 21);
    QCOMPARE(s.columnWidth(4), 12 * 16 * 21);
    QCOMPARE(s.columnWidth(1), 500);
    QCOMPARE(s.columnWidth(5), 500);
    QCOMPARE(r.marginCol, 5);

    QCOMPARE(s.text(5, 2), QString("瓷砖0"));
    QCOMPARE(s.kind(5, 3), Cell::Kind::Number);
    QCOMPARE(s.number(7, 3), 4.5);
    QCOMPARE(s.text(7, 3), QString("4.50"));
    QCOMPARE(s.style(s.cellStyle(6, 4)).align, HAlign::Right);
    QCOMPARE(s.rowHeight(6), rh);

    // Totals: formulas, "0.00" widened to "#,##0.00", the count in the first shown column.
    QCOMPARE(r.totalsRow, 8);
    QCOMPARE(s.formula(8, 3), QString("SUM(C5:C7)"));
    QCOMPARE(s.formula(8, 4), QString("AVERAGE(D5:D7)"));
    QCOMPARE(s.number(8, 3), 9.0);
    QCOMPARE(s.number(8, 4), 20.0);
    QCOMPARE(s.style(s.cellStyle(8, 3)).numberFormat, QString("#,##0.00"));
    QCOMPARE(s.text(8, 1), QString("合计： 3项"));
    QCOMPARE(s.style(s.cellStyle(8, 2)).borders, quint8(BorderAll));
    QCOMPARE(s.rowHeight(8), qRound(1.1 * rh));

    QCOMPARE(s.text(9, 1), QString("　打印人：张三"));
    QCOMPARE(s.rowHeight(9), qRound(1.3 * rh));
    QCOMPARE(s.text(10, 1), QString("　审核："));
    QCOMPARE(r.bottomRow, 10);
}

void TestSheet::fillLayouts_data()
{
    QTest::addColumn<bool>("subTitle2");
    QTest::addColumn<bool>("header");
    QTest::addColumn<bool>("tagged");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("firstData");
    QTest::addColumn<int>("totalsRow");
    QTest::addColumn<int>("subTitleCol"); // where the sub-title ends up

    QTest::newRow("one text column, no tags") << false << true << false << 2 << 5 << 0 << 1;
    QTest::newRow("second sub-title moves headings") << true << true << true << 2 << 6 << 8 << 1;
    QTest::newRow("no heading row") << false << false << true << 2 << 4 << 6 << 1;
    QTest::newRow("no rows") << false << true << true << 0 << 5 << 5 << 1;
}

void TestSheet::fillLayouts()
{
    QFETCH(bool, subTitle2);
    QFETCH(bool, header);
    QFETCH(bool, tagged);
    QFETCH(int, rows);
    QFETCH(int, firstData);
    QFETCH(int, totalsRow);
    QFETCH(int, subTitleCol);

    RowList data = ReportFixtures::goods(rows);
    if (!tagged) {
        data.fields().removeLast();
        data.fields().removeLast();
        data.field("NAME").tag = 0;
    }
    Sheet s;
    F1BookInputs in;
    in.SubTitle = "甲";
    in.SubTitle2 = subTitle2 ? "乙" : "";
    in.ShowHeaderRow = header;
    const FillResult r = fillGoods(s, in, data);
    QCOMPARE(r.firstDataRow, firstData);
    QCOMPARE(r.totalsRow, totalsRow);
    QCOMPARE(s.text(3, subTitleCol), QString("　　甲"));
    if (subTitle2)
        QCOMPARE(s.text(4, subTitleCol), QString("　　乙"));
    if (header)
        QCOMPARE(s.text(firstData - 1, 2), QString("产品名称"));
    else
        QCOMPARE(s.pageSetup().titleRowFirst, 0);
    if (totalsRow) {
        QCOMPARE(s.text(totalsRow, 1), QString("合计： %1项").arg(rows));
        if (rows == 0) { // an empty totals row with 0, not a sum reaching into the headings
            QCOMPARE(s.kind(totalsRow, 3), Cell::Kind::Number);
            QCOMPARE(s.text(totalsRow, 3), QString("0.00"));
        }
    } else {
        QCOMPARE(s.kind(firstData + rows, 1), Cell::Kind::Empty);
    }
}

void TestSheet::blankRepeats()
{
    RowList data;
    data.addField("KIND", "类别", 6, false, TagBlankRepeats);
    data.addField("NAME", "名称", 6);
    for (const char *k : {"地砖", "地砖", "墙砖", "地砖"})
        data.addRow({QString::fromUtf8(k), "x"});
    Sheet s;
    F1BookInputs in;
    fillGoods(s, in, data);
    QCOMPARE(s.text(5, 2), QString("地砖"));
    QCOMPARE(s.kind(6, 2), Cell::Kind::Empty);
    QCOMPARE(s.style(s.cellStyle(6, 2)).borders, quint8(BorderAll & ~BorderTop));
    QCOMPARE(s.text(7, 2), QString("墙砖"));
    QCOMPARE(s.text(8, 2), QString("地砖"));
    QCOMPARE(s.style(s.cellStyle(8, 2)).borders, quint8(BorderAll));
    QCOMPARE(s.text(6, 3), QString("x")); // untagged repeats stay
}

void TestSheet::savedWidthsMoveSubTitle()
{
    const RowList data = ReportFixtures::goods(2);
    Sheet s;
    F1BookInputs in;
    in.SubTitle = "甲";
    in.SubTitle2 = "乙";
    F1BookSettings::Entry saved;
    saved.widths = {{1, 0}, {3, 4000}};
    saved.printScale = 130;
    const FillResult r = fillGoods(s, in, data, &saved);
    QCOMPARE(r.printScale, 130);
    QCOMPARE(s.columnWidth(3), 4000);
    QCOMPARE(s.columnWidth(2), 8 * 16 * 21); // not saved: keeps its width
    QCOMPARE(s.kind(3, 1), Cell::Kind::Empty);
    QCOMPARE(s.text(3, 2), QString("　　甲"));
    QCOMPARE(s.text(4, 2), QString("　　乙"));
    QCOMPARE(s.text(r.totalsRow, 2), QString("合计： 2项"));
}

void TestSheet::totalsPastColumnZ()
{
    const RowList data = ReportFixtures::wide(30, 2);
    Sheet s;
    F1BookInputs in;
    const FillResult r = fillGoods(s, in, data);
    // Field 30 sits in column 31 = AE.
    QCOMPARE(s.formula(r.totalsRow, 31), QString("SUM(AE5:AE6)"));
    QCOMPARE(s.number(r.totalsRow, 31), 29.0 + 30.0);
    QCOMPARE(s.formula(r.totalsRow, 27), QString("SUM(AA5:AA6)"));
}

void TestSheet::badInput()
{
    { // no fields at all, and fields that are all hidden
        RowList none;
        Sheet s;
        F1BookInputs in;
        QVERIFY(!fillGoods(s, in, none).filled);
        QCOMPARE(s.text(5, 2), QString("表格没有内容，请关闭退出。"));
        RowList hidden = ReportFixtures::goods(1);
        for (RowField &f : hidden.fields())
            f.visible = false;
        Sheet s2;
        QVERIFY(!fillGoods(s2, in, hidden).filled);
        QCOMPARE(s2.text(5, 2), QString("表格没有内容，请关闭退出。"));
    }
    { // NULL values and a text of 10 000 characters
        RowList data = ReportFixtures::goods(0);
        const QString longText(10000, QChar(u'砖'));
        data.addRow({QVariant(), QVariant(), 5.0});
        data.addRow({longText, 2.0, QVariant()});
        Sheet s;
        F1BookInputs in;
        const FillResult r = fillGoods(s, in, data);
        QCOMPARE(s.kind(5, 3), Cell::Kind::Empty);
        QCOMPARE(s.style(s.cellStyle(5, 3)).borders, quint8(BorderAll));
        QCOMPARE(s.text(6, 2), longText);
        QCOMPARE(s.number(r.totalsRow, 3), 2.0);
        QCOMPARE(s.number(r.totalsRow, 4), 5.0); // the average skips the empty cell
    }
}

QTEST_MAIN(TestSheet)
#include "tst_sheet.moc"
