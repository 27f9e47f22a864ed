#include "Connections.h"
#include "MsgBoxSpy.h"
#include "PdfText.h"
#include "ReportFixtures.h"
#include "SheetPainter.h"
#include "SheetView.h"
#include "frmF1Book.h"
#include "prnBillSalary.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

// A result set far too large to fill: only its size is ever asked.
class HugeRows : public Rows
{
public:
    HugeRows() { m_fields.append(RowField{"N", "数量", 10, Qt::AlignRight, {}, true, 0, true}); }
    int rowCount() const override { return 31'000'000; }
    QVariant value(int, int) const override { return 1.0; }
};

class TestFrmF1Book : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void fillsHalfASecondAfterShowing();
    void modalFillsAndFreesItself();
    void asksBeforeAVeryLongFill();
    void settingsRoundTripPerTitle();
    void damagedSettingsAreIgnored();
    void saveReportsOutcomeAndKeepsViewerOpen();
    void sortsWholeTableAfterAsking();
    void printsPdf();
    void salaryVariant();

private:
    TfrmF1Book *viewer(const QString &title, const Rows *rows);
    QTemporaryDir m_dir;
    std::shared_ptr<MsgBoxSpy> m_spy;
    QList<QPointer<QWidget>> m_open;
};

void TestFrmF1Book::init()
{
    DataFolder::setPath(m_dir.path());
    QFile::remove(m_dir.filePath("F1Book.ini"));
    m_spy = MsgBoxSpy::install();
}

void TestFrmF1Book::cleanup()
{
    for (const auto &w : m_open)
        if (w)
            w->close();
    m_open.clear();
    m_spy.reset();
}

TfrmF1Book *TestFrmF1Book::viewer(const QString &title, const Rows *rows)
{
    auto *v = new TfrmF1Book;
    v->SheetTitle = title;
    v->SubTitle = "条件：全部";
    v->Rows = rows;
    m_open.append(v);
    return v;
}

void TestFrmF1Book::fillsHalfASecondAfterShowing()
{
    const RowList rows = ReportFixtures::goods(200);
    TfrmF1Book *v = viewer("二百行", &rows);
    QCOMPARE(v->windowTitle(), QString("打印预览"));
    QVERIFY(v->testAttribute(Qt::WA_DeleteOnClose));
    QElapsedTimer clock;
    clock.start();
    v->ShowAndFill();
    QVERIFY(!v->isModal());
    QVERIFY(!v->isFilled());
    QTRY_VERIFY_WITH_TIMEOUT(v->isFilled(), 3000);
    QVERIFY(clock.elapsed() >= 450);
    QCOMPARE(v->sheet()->text(v->fillResult().totalsRow, 1), QString("合计： 200项"));
    auto *message = v->findChild<QLabel *>("lbMessage");
    QVERIFY(message->isVisible());
    QCOMPARE(message->text(), QString("打印用时:0分0秒"));
    QVERIFY(!v->findChild<QWidget *>("pbProgress")->isVisible());
    QVERIFY(m_spy->messages.isEmpty());

    v->resize(1000, 700);
    const QString shots = qEnvironmentVariable("KB_SCREENSHOTS");
    const QPixmap shot = v->grab();
    QVERIFY(!shot.isNull());
    if (!shots.isEmpty()) {
        shot.save(shots + "/viewer_200_rows.png");
        v->findChild<QSpinBox *>("speScale")->setValue(150);
        v->view()->verticalScrollBar()->setValue(v->view()->verticalScrollBar()->maximum() - 150);
        v->grab().save(shots + "/viewer_200_rows_150_end.png");
    }

    QPointer<TfrmF1Book> alive(v);
    v->findChild<QPushButton *>("btnClose")->click();
    QTRY_VERIFY(alive.isNull()); // frees itself
}

void TestFrmF1Book::modalFillsAndFreesItself()
{
    const RowList rows = ReportFixtures::goods(2);
    TfrmF1Book *v = viewer("模态", &rows);
    v->BottomLine = "打印人：王五";
    QPointer<TfrmF1Book> alive(v);
    QString total;
    int bottomFont = 0;
    QTimer::singleShot(900, v, [&] {
        const Sheet *s = v->sheet();
        total = s->text(v->fillResult().totalsRow, 1);
        bottomFont = s->style(s->cellStyle(v->fillResult().bottomRow, 1)).fontSize;
        v->close();
    });
    v->exec();
    QCOMPARE(total, QString("合计： 2项"));
    QCOMPARE(bottomFont, 14); // the modal way shows the bottom line 2 points larger
    QTRY_VERIFY(alive.isNull());
}

void TestFrmF1Book::asksBeforeAVeryLongFill()
{
    const HugeRows rows;
    TfrmF1Book *v = viewer("大表", &rows);
    m_spy->answer(mrCancel);
    QVERIFY(!v->FillSheet());
    QCOMPARE(m_spy->messages.size(), 1);
    QCOMPARE(m_spy->messages[0].kind, int(mbOkCancel));
    QCOMPARE(m_spy->messages[0].text, QString("打印表格最少需时约31秒，继续吗？"));
    QCOMPARE(v->sheet()->text(5, 2), QString("用户已经中断打印，请关闭退出。"));
    QCOMPARE(v->sheet()->text(4, 2), QString()); // nothing else was written

    // 20 000 rows of 15 columns fill in well under a second: no question.
    QCOMPARE(SheetFill::estimateSeconds(20000, 15), 0);
}

void TestFrmF1Book::settingsRoundTripPerTitle()
{
    const RowList rows = ReportFixtures::goods(3);
    const QString title = "库存/日报 [A]\\B";
    TfrmF1Book *a = viewer(title, &rows);
    QVERIFY(a->FillSheet());
    a->sheet()->setColumnWidth(3, 4321);
    a->sheet()->setColumnWidth(4, 0);
    a->findChild<QSpinBox *>("speScale")->setValue(150);
    QCOMPARE(a->sheet()->pageSetup().scale, 150);
    m_spy->answer(mrOk);
    a->btnSaveSetClick();
    QCOMPARE(m_spy->messages.size(), 2);
    QCOMPARE(m_spy->messages[0].text, QString("系统将保存本表格的打印比例、要显示的列和列宽、\n"
                                              "排序顺序等属性，供下次打印时调用。\n继续吗？"));
    QCOMPARE(m_spy->messages[1].kind, int(mbInformation));
    QCOMPARE(m_spy->messages[1].text, QString("设置保存完毕。"));

    TfrmF1Book *b = viewer(title, &rows);
    QVERIFY(b->FillSheet());
    QCOMPARE(b->sheet()->columnWidth(3), 4321);
    QCOMPARE(b->sheet()->columnWidth(4), 0);
    QCOMPARE(b->sheet()->viewScale, 150);
    QCOMPARE(b->sheet()->pageSetup().scale, 150);

    TfrmF1Book *other = viewer("库存", &rows);
    QVERIFY(other->FillSheet());
    QCOMPARE(other->sheet()->columnWidth(3), 6 * 16 * 21);
    QCOMPARE(other->sheet()->viewScale, 100);

    // Cancel writes nothing.
    m_spy->clear();
    m_spy->answer(mrCancel);
    other->findChild<QSpinBox *>("speScale")->setValue(60);
    other->btnSaveSetClick();
    QCOMPARE(m_spy->messages.size(), 1);
    QFile ini(m_dir.filePath("F1Book.ini"));
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QVERIFY(!ini.readAll().contains("=60"));
    ini.close();

    // A settings file that cannot be written is reported, not announced as saved.
    QVERIFY(QFile::remove(ini.fileName()));
    QVERIFY(QDir().mkpath(ini.fileName()));
    m_spy->clear();
    m_spy->answer(mrOk);
    other->btnSaveSetClick();
    QCOMPARE(m_spy->messages.last().kind, int(mbError));
    QVERIFY(m_spy->messages.last().text.contains("F1Book.ini"));
    QVERIFY(QDir().rmdir(ini.fileName()));
}

void TestFrmF1Book::damagedSettingsAreIgnored()
{
    QFile ini(m_dir.filePath("F1Book.ini"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[\xff\xfe\x00garbage\n=\n[x\nWidthOfCol2=abc\nPrintScale=-5\n\x01\x02", 40);
    ini.close();
    const RowList rows = ReportFixtures::goods(2);
    TfrmF1Book *v = viewer("x", &rows);
    QVERIFY(v->FillSheet());
    QCOMPARE(v->sheet()->columnWidth(2), 8 * 16 * 21);
    QCOMPARE(v->sheet()->viewScale, 100);
    QVERIFY(m_spy->messages.isEmpty());
}

void TestFrmF1Book::saveReportsOutcomeAndKeepsViewerOpen()
{
    const RowList rows = ReportFixtures::goods(3);
    TfrmF1Book *v = viewer("月报:12/2026", &rows);
    v->show();
    QVERIFY(v->FillSheet());
    QCOMPARE(v->proposedFileName(), QString("月报_12_2026.xlsx"));

    const QString folder = m_dir.filePath("blocked.xlsx");
    QVERIFY(QDir().mkpath(folder + "/x"));
    QVERIFY(!v->saveToFile(folder));
    QCOMPARE(m_spy->messages.size(), 1);
    QCOMPARE(m_spy->messages[0].kind, int(mbError));
    QVERIFY(m_spy->messages[0].text.contains("blocked.xlsx"));
    QVERIFY(v->isVisible());

    m_spy->clear();
    for (const QString name : {"ok.xlsx", "ok.pdf"}) {
        QVERIFY(v->saveToFile(m_dir.filePath(name)));
        QCOMPARE(m_spy->lastText(), QString("文件已成功保存。"));
        QVERIFY(QFileInfo(m_dir.filePath(name)).size() > 0);
    }
}

void TestFrmF1Book::sortsWholeTableAfterAsking()
{
    RowList rows;
    rows.addField("NAME", "名称", 6);
    rows.addField("QTY", "数量", 6, true, TagSum);
    for (int q : {2, 9, 5})
        rows.addRow({QStringLiteral("品%1").arg(q), q});
    TfrmF1Book *v = viewer("排序", &rows);
    v->show();
    QVERIFY(v->FillSheet());
    QCOMPARE(v->sheet()->selectionText(), QString("A1"));
    // The sort dialog: by quantity, descending.
    QTimer::singleShot(0, this, [] {
        auto *dlg = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dlg);
        auto *key = dlg->findChild<QComboBox *>("cbKey1");
        key->setCurrentIndex(key->findData(3));
        dlg->findChild<QComboBox *>("cbOrder1")->setCurrentIndex(1);
        dlg->accept();
    });
    m_spy->answer(mrOk);
    v->btnSortClick();
    QCOMPARE(m_spy->messages[0].text, QString("你没有选择要排序的范围，要对整张表排序吗？"));
    const Sheet *s = v->sheet();
    QCOMPARE(s->text(5, 2) + s->text(6, 2) + s->text(7, 2), QString("品9品5品2"));
    QCOMPARE(s->number(8, 3), 16.0);           // the totals stay below
    QCOMPARE(s->text(4, 3), QString("数量"));  // and the headings above

    // A range picked with the mouse is sorted without asking: press on B5, shift-press on C6.
    auto centre = [&](int row, int col) {
        const double z = s->viewScale / 100.0 * v->view()->logicalDpiX() / 72.0;
        double x = 0, y = 0;
        for (int c = 1; c < col; ++c) x += SheetPainter::columnWidthPt(s->columnWidth(c));
        for (int r = 1; r < row; ++r) y += SheetPainter::rowHeightPt(s->rowHeight(r));
        return QPoint(int((x + SheetPainter::columnWidthPt(s->columnWidth(col)) / 2) * z),
                      int((y + SheetPainter::rowHeightPt(s->rowHeight(row)) / 2) * z));
    };
    QTest::mousePress(v->view()->viewport(), Qt::LeftButton, {}, centre(5, 2));
    QTest::mousePress(v->view()->viewport(), Qt::LeftButton, Qt::ShiftModifier, centre(6, 3));
    QCOMPARE(s->selectionText(), QString("B5:C6"));
    QTimer::singleShot(0, this, [] { // by name, ascending
        auto *dlg = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dlg);
        dlg->accept();
    });
    m_spy->clear();
    v->btnSortClick();
    QVERIFY(m_spy->messages.isEmpty());
    QCOMPARE(s->text(5, 2) + s->text(6, 2) + s->text(7, 2), QString("品5品9品2"));

    // Declining leaves the order alone.
    m_spy->clear();
    m_spy->answer(mrCancel);
    v->sheet()->selectCell(1, 1);
    v->btnSortClick();
    QCOMPARE(s->text(5, 2), QString("品5"));
}

void TestFrmF1Book::printsPdf()
{
    const RowList rows = ReportFixtures::goods(200);
    TfrmF1Book *v = viewer("打印测试", &rows);
    v->BottomLine = "打印人：李四";
    QVERIFY(v->FillSheet());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = m_dir.filePath("viewer.pdf");
    printer.setOutputFileName(path);
    const int pages = v->printTo(&printer);
    QVERIFY(pages > 1);
    QCOMPARE(PdfText::pages(path), pages);
    const QString text = PdfText::text(path, pages, pages);
    QVERIFY(text.contains("合计： 200项"));
    QVERIFY(text.contains("打印人：李四"));
    QVERIFY(text.contains(QStringLiteral("第%1页/共%1页").arg(pages)));
}

void TestFrmF1Book::salaryVariant()
{
    // The salary window's columns: amounts (names with AMT, the deductions) are summed.
    const QStringList names{"SNO", "StfNm", "WorkKindNm", "JOBQTY200", "JOBPRICE200", "JOBAMT200", "JOBQTY300",
                            "JOBPRICE300", "JOBAMT300", "JOBAMT", "BSCDAYS", "BSCWRKPNT", "BSCPRICE", "BSCAMT",
                            "OTDAYS", "OTWRKPNT", "OTPRICE", "OTAMT", "INOVER", "INRETURN", "INOTHER1", "INOTHER2",
                            "INOTHER3", "INTTLAMT", "DDMEAL", "DDELECT", "DDCERT", "DDENSU", "DDDEPOSIT", "DDAMERCE",
                            "DDOTHER1", "DDOTHER2", "DDOTHER3", "DDTTLAMT", "SALARYAMT", "Sign"};
    RowList rows;
    for (const QString &n : names) {
        const bool text = n == "StfNm" || n == "WorkKindNm" || n == "Sign";
        const bool summed = n.contains("AMT") || n.startsWith("IN") || (n.startsWith("DD"));
        rows.addField(n, n, 6, !text, summed ? TagSum : 0);
    }
    for (int i = 0; i < 2; ++i) {
        QVariantList v;
        for (const QString &n : names)
            v.append(n == "StfNm" ? QVariant("工人") : n == "Sign" ? QVariant("") : QVariant(10.0 * (i + 1)));
        rows.addRow(v);
    }
    auto *v = new TprnBillSalary;
    m_open.append(v);
    v->Rows = &rows;
    QCOMPARE(v->windowTitle(), QString("工资单打印预览"));
    v->show(); // headings drawn on show; the caller then writes its title lines
    v->sheet()->setText(1, 2, "公司工人工资结算凭证--全部项目");
    v->sheet()->setText(2, 2, "科室班组:一车间    工资月份:2026-12");
    v->SheetTitle = v->sheet()->text(1, 2);
    QVERIFY(v->FillSheet());
    const Sheet *s = v->sheet();
    QCOMPARE(s->kind(3, 1), Cell::Kind::Empty); // no sub-title cells
    QCOMPARE(s->text(3, 5), QString("收入项目"));
    QCOMPARE(s->text(3, 26), QString("扣除项目"));
    QCOMPARE(s->text(4, 12), QString("基本工资"));
    QCOMPARE(s->text(5, 36), QString("实发工资"));
    QCOMPARE(s->text(6, 3), QString("工人"));   // data from row 6, no heading row
    QCOMPARE(s->rowHeight(6), 525);
    QCOMPARE(v->fillResult().totalsRow, 8);
    QCOMPARE(s->formula(8, 36), QString("SUM(AJ6:AJ7)")); // SALARYAMT, past Z
    QCOMPARE(s->formula(8, 26), QString("SUM(Z6:Z7)"));
    QCOMPARE(s->number(8, 36), 30.0);
    QCOMPARE(s->formula(8, 5), QString());              // a quantity: no sum
    QCOMPARE(s->text(8, 1), QString("合计： 2项"));
    QCOMPARE(s->text(1, 2), QString("公司工人工资结算凭证--全部项目"));

    v->hideColumns(TprnBillSalary::PointsFirst, TprnBillSalary::PointsLast);
    QCOMPARE(s->columnWidth(12), 0);
    QCOMPARE(s->columnWidth(19), 0);
    QVERIFY(s->columnWidth(20) > 0);
}

QTEST_MAIN(TestFrmF1Book)
#include "tst_frmF1Book.moc"
