#include "PdfText.h"
#include "ReportFixtures.h"
#include "Sheet.h"
#include "SheetFiles.h"
#include "SheetFill.h"
#include "SheetPrinter.h"

#include <QTemporaryDir>
#include <QtTest>

class TestSheetFiles : public QObject
{
    Q_OBJECT
private slots:
    void xlsxHoldsValuesFormulasWidths();
    void failedSaveKeepsExistingFile();
    void pdfRepeatsHeadingsOnEveryPage();
    void cleanFileNames_data();
    void cleanFileNames();

private:
    QTemporaryDir m_dir;
};

static FillResult fill(Sheet &s, const RowList &rows, const QString &title)
{
    F1BookInputs in;
    in.SheetTitle = title;
    in.SubTitle = "日期：2026-12";
    in.BottomLine = "制表人：张三";
    in.Rows = &rows;
    SheetFill::prepare(s, in);
    return SheetFill::fill(s, in, nullptr);
}

void TestSheetFiles::xlsxHoldsValuesFormulasWidths()
{
    RowList rows = ReportFixtures::goods(3);
    const QString longText(10000, QChar(u'釉'));
    rows.addRow({longText, 0.25, 7.0});
    Sheet s;
    const FillResult r = fill(s, rows, "销售[日报]");
    s.pageSetup().scale = 120;
    const QString path = m_dir.filePath("out.xlsx");
    QString error;
    QVERIFY2(SheetFiles::writeXlsx(s, path, &error), qPrintable(error));

    const QString sheet = PdfText::run("unzip", {"-p", path, "xl/worksheets/sheet1.xml"});
    const QString strings = PdfText::run("unzip", {"-p", path, "xl/sharedStrings.xml"});
    const QString workbook = PdfText::run("unzip", {"-p", path, "xl/workbook.xml"});
    const QString styles = PdfText::run("unzip", {"-p", path, "xl/styles.xml"});
    QVERIFY2(sheet.contains("<f>SUM(C5:C8)</f><v>9.25</v>"), qPrintable(sheet.left(3000)));
    QVERIFY(sheet.contains("<f>AVERAGE(D5:D8)</f>"));
    QVERIFY(sheet.contains(QRegularExpression("<c r=\"C7\"[^>]*><v>4.5</v>")));
    // Column B: 8 characters x 16 x 21 / 256 = 10.5 wide; the margins 500 / 256.
    QVERIFY(sheet.contains(QRegularExpression("<col min=\"2\" max=\"2\" width=\"11.\\d+\"")));
    QVERIFY(sheet.contains(QRegularExpression("<col min=\"1\" max=\"1\" width=\"2.\\d+\"")));
    QVERIFY(sheet.contains("scale=\"120\""));
    QVERIFY(sheet.contains("<oddFooter>&amp;C打印时间：&amp;D &amp;T  第&amp;P页/共&amp;N页</oddFooter>"));
    QVERIFY(sheet.contains(QRegularExpression("<row r=\"1\"[^>]*ht=\"26.4\"")));
    for (const QString &text : {QString("销售[日报]"), QString("产品名称"), QString("瓷砖0"), QString("合计： 4项"),
                                QString("　　日期：2026-12"), longText})
        QVERIFY2(strings.contains(text), qPrintable(text.left(20)));
    QVERIFY(workbook.contains("_xlnm.Print_Titles"));
    QVERIFY(workbook.contains("$3:$4"));
    QVERIFY(styles.contains("#,##0.00"));
    QVERIFY(styles.contains("黑体"));
    QVERIFY(styles.contains("centerContinuous"));
    QCOMPARE(r.totalsRow, 9);
}

void TestSheetFiles::failedSaveKeepsExistingFile()
{
    Sheet s;
    s.setText(1, 1, "新");
    QString error;
    // The target is a folder: the file cannot be put in place.
    const QString folder = m_dir.filePath("taken.xlsx");
    QVERIFY(QDir().mkpath(folder + "/inside"));
    QVERIFY(!SheetFiles::writeXlsx(s, folder, &error));
    QVERIFY2(error.contains("taken.xlsx"), qPrintable(error));
    QVERIFY(QFileInfo(folder + "/inside").isDir());
    // A folder that does not exist.
    error.clear();
    QVERIFY(!SheetFiles::writePdf(s, m_dir.filePath("missing/out.pdf"), &error));
    QVERIFY(!error.isEmpty());
    // No temporary files are left behind.
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).filter(".kbsave").size(), 0);
}

void TestSheetFiles::pdfRepeatsHeadingsOnEveryPage()
{
    const RowList rows = ReportFixtures::goods(200);
    Sheet s;
    fill(s, rows, "二百行报表");
    const QString path = m_dir.filePath("sheet.pdf");
    QString error;
    QVERIFY2(SheetFiles::writePdf(s, path, &error), qPrintable(error));
    const int pages = PdfText::pages(path);
    QVERIFY2(pages > 1, qPrintable(QString::number(pages)));
    const QString last = PdfText::text(path, pages, pages);
    QVERIFY2(last.contains("产品名称"), qPrintable(last.left(500)));
    QVERIFY2(last.contains(QStringLiteral("共%1页").arg(pages)), qPrintable(last.right(200)));
    QVERIFY(last.contains("合计： 200项"));
    QVERIFY(last.contains("制表人：张三"));
    const QString first = PdfText::text(path, 1, 1);
    QVERIFY(first.contains("二百行报表"));
    QVERIFY(first.contains("第1页"));
    QVERIFY(!last.contains("二百行报表")); // the title row is not among the repeated rows

    // A larger print scale needs more pages.
    s.pageSetup().scale = 200;
    QVERIFY(SheetFiles::writePdf(s, path, &error));
    QVERIFY(PdfText::pages(path) > pages);
}

void TestSheetFiles::cleanFileNames_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "销售日报" << "销售日报";
    QTest::newRow("slashes and colon") << "库存/日报: 12\\11" << "库存_日报_ 12_11";
    QTest::newRow("wildcards and quotes") << "a*b?\"c\"<d>|e" << "a_b__c__d__e";
    QTest::newRow("empty") << "" << "报表";
    QTest::newRow("trailing dots") << "报表.." << "报表";
}

void TestSheetFiles::cleanFileNames()
{
    QFETCH(QString, title);
    QFETCH(QString, name);
    QCOMPARE(SheetFiles::cleanFileName(title), name);
}

QTEST_MAIN(TestSheetFiles)
#include "tst_sheetfiles.moc"
