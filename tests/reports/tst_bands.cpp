#include "BandReport.h"
#include "PdfText.h"
#include "Rows.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

// Sales by kind and brand: two kinds, three brands each, 15 customers per brand.
static RowList salesRows(int customers = 15)
{
    RowList r;
    r.addField("PRODKINDNM", "类别");
    r.addField("PRODNM", "品牌");
    r.addField("CUSNM", "客户");
    r.addField("PRODCLS", "等级", 4, true);
    r.addField("FIRSTQTY", "优等品", 8, true);
    r.addField("SECONDQTY", "正品", 8, true);
    r.addField("AMT", "金额", 10, true);
    const QStringList kinds{"地砖", "墙砖"};
    int n = 0;
    for (const QString &kind : kinds)
        for (int b = 0; b < 3; ++b)
            for (int c = 0; c < customers; ++c, ++n)
                r.addRow({kind, QStringLiteral("%1品牌%2").arg(kind).arg(b), QStringLiteral("客户%1").arg(c),
                          QList<int>{10, 20, 30}[n % 3], 1000 + n, n % 2 ? QVariant(5) : QVariant(), 123.456 * (n + 1)});
    return r;
}

static BandReport salesLayout(const Rows *rows)
{
    BandReport rep;
    rep.title = "客户销售日报表";
    rep.rows = rows;
    rep.preparedBy = "张三";
    rep.titleBand = {
        {"日期：2026-12-11", Qt::AlignLeft, 10, false, {}, 1},
        {"do.dorivo", Qt::AlignHCenter, 10, false, {}, 1},
        {"客户销售日报表", Qt::AlignHCenter, 16, true, {}, -1},
        {"单位：箱", Qt::AlignRight, 9, false, {}, -1},
    };
    // The running product line names a group continued from the page before.
    rep.pageHeader = {{{}, Qt::AlignLeft, 9, false, [](const BandContext &c) {
        return c.page > 1 && c.row >= 0 ? "续：" + c.rows->value(c.row, "PRODNM").toString() : QString();
    }}};
    auto col = [](const char *field, const char *heading, double mm, const QString &mask = {}, bool sum = false) {
        BandColumn c;
        c.field = field;
        c.heading = QString::fromUtf8(heading);
        c.widthMm = mm;
        c.mask = mask;
        c.sum = sum;
        return c;
    };
    BandColumn customer = col("CUSNM", "销售客户", 40);
    customer.align = Qt::AlignLeft;
    BandColumn grade = col("PRODCLS", "等级", 12);
    grade.grade = true;
    grade.align = Qt::AlignHCenter;
    BandColumn first = col("FIRSTQTY", "优等品", 22, "#,##0", true);
    first.group = "数量";
    BandColumn second = col("SECONDQTY", "正品", 22, "#,##0", true);
    second.group = "数量";
    BandColumn total = col("ProdQty", "合计", 22, "#,##0", true);
    total.group = "数量";
    total.compute = [](const BandContext &c) {
        return c.rows->value(c.row, "FIRSTQTY").toDouble() + c.rows->value(c.row, "SECONDQTY").toDouble();
    };
    BandColumn amount = col("AMT", "金额", 30, "#,##0.00", true);
    BandColumn price = col("PRICE", "均价", 22, "0.00");
    price.compute = [](const BandContext &c) {
        const double q = c.rows->value(c.row, "FIRSTQTY").toDouble() + c.rows->value(c.row, "SECONDQTY").toDouble();
        return q ? c.rows->value(c.row, "AMT").toDouble() / q : 0.0;
    };
    // From the sums, never by adding row prices.
    price.total = [](const BandTotals &t) { return t.sum("ProdQty") ? t.sum("AMT") / t.sum("ProdQty") : 0.0; };
    rep.columns = {customer, grade, first, second, total, amount, price};
    rep.groups = {
        {"PRODKINDNM", [](const BandContext &c) { return c.rows->value(c.row, "PRODKINDNM").toString(); },
         [](const BandContext &c) { return c.rows->value(c.row, "PRODKINDNM").toString() + "合计："; }},
        {"PRODNM", [](const BandContext &c) { return "品牌：" + c.rows->value(c.row, "PRODNM").toString(); },
         [](const BandContext &) { return QStringLiteral("小计："); }},
    };
    rep.summaryLabel = [](const BandContext &) { return QStringLiteral("当日销售合计："); };
    rep.summaryLines = {{{}, Qt::AlignLeft, 10, false, [](const BandContext &c) {
        return QStringLiteral("合计共%1张单").arg(c.totals->count);
    }}};
    return rep;
}

class TestBands : public QObject
{
    Q_OBJECT
private slots:
    void groupsAndSumsOverPages();
    void emptyReportPrintsTopLinesAndZeros();
    void customPaperSize();

private:
    QTemporaryDir m_dir;
};

void TestBands::groupsAndSumsOverPages()
{
    const RowList rows = salesRows();
    const BandReport rep = salesLayout(&rows);
    const QString path = m_dir.filePath("sales.pdf");
    QString error;
    QVERIFY2(rep.savePdf(path, &error), qPrintable(error));
    const int pages = PdfText::pages(path);
    QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));
    const QString all = PdfText::text(path);
    QCOMPARE(all.count(QString("小计：")), 6);
    QCOMPARE(all.count(QString("地砖合计：")), 1);
    QCOMPARE(all.count(QString("墙砖合计：")), 1);
    QCOMPARE(all.count(QString("品牌：地砖品牌1")), 1);
    QCOMPARE(all.count(QString("制表：张三")), pages);
    QVERIFY(all.contains(QStringLiteral("第%1页").arg(pages)));
    QVERIFY(all.contains("合计共90张单"));

    // Sub-totals start again per group: brand 0 of 地砖 holds rows 0..14.
    double brandFirst = 0, kindFirst = 0, grandFirst = 0, grandQty = 0, grandAmt = 0;
    for (int i = 0; i < rows.rowCount(); ++i) {
        const double f = rows.value(i, "FIRSTQTY").toDouble();
        if (i < 15) brandFirst += f;
        if (i < 45) kindFirst += f;
        grandFirst += f;
        grandQty += f + rows.value(i, "SECONDQTY").toDouble();
        grandAmt += rows.value(i, "AMT").toDouble();
    }
    QVERIFY(all.contains("15,105"));                    // brand 0: 1000..1014
    QCOMPARE(brandFirst, 15105.0);
    QVERIFY(all.contains("45,990"));                    // kind 地砖: 1000..1044
    QCOMPARE(kindFirst, 45990.0);
    QVERIFY(all.contains("94,005"));                    // all 90 rows: 1000..1089
    QCOMPARE(grandFirst, 94005.0);
    QVERIFY(all.contains(QString::number(grandAmt / grandQty, 'f', 2))); // average from the sums
    QVERIFY(all.contains("优"));
    QVERIFY(all.contains("正"));
    QVERIFY(!all.contains("\n10\n"));                  // grade codes are not printed as numbers

    // A group continued on the next page is named in that page's header.
    QVERIFY(PdfText::text(path, 2, 2).contains("续："));

    const QString shots = qEnvironmentVariable("KB_SCREENSHOTS");
    if (!shots.isEmpty()) {
        QPrinter printer(QPrinter::HighResolution);
        QPrintPreviewDialog preview(&printer);
        connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter *p) { rep.print(p); });
        preview.resize(900, 1000);
        preview.show();
        QTest::qWait(300);
        preview.grab().save(shots + "/bands_preview.png");
    }
}

void TestBands::emptyReportPrintsTopLinesAndZeros()
{
    const RowList rows = salesRows(0);
    const BandReport rep = salesLayout(&rows);
    const QString path = m_dir.filePath("empty.pdf");
    QString error;
    QVERIFY(rep.savePdf(path, &error));
    QCOMPARE(PdfText::pages(path), 1);
    const QString text = PdfText::text(path);
    // (户 comes back from the PDF as 戶, so the title is checked without it.)
    for (const char *t : {"销售日报表", "do.dorivo", "单位：箱", "当日销售合计：", "合计共0张单", "0.00", "第1页"})
        QVERIFY2(text.contains(QString::fromUtf8(t)), t);
    QVERIFY(!text.contains("小计："));
}

void TestBands::customPaperSize()
{
    const RowList rows = salesRows(2);
    BandReport rep = salesLayout(&rows);
    rep.pageSize = BandReport::customSize(215, 94);
    rep.marginsMm = {8, 6, 8, 6};
    const QString path = m_dir.filePath("bill.pdf");
    QString error;
    QVERIFY(rep.savePdf(path, &error));
    // 215 x 94 mm = 609.4 x 266.5 points.
    QVERIFY2(PdfText::info(path).contains(QRegularExpression("Page size:\\s+609(\\.\\d+)? x 266(\\.\\d+)?")), qPrintable(PdfText::info(path)));
    QVERIFY(PdfText::pages(path) > 1);
}

QTEST_MAIN(TestBands)
#include "tst_bands.moc"
