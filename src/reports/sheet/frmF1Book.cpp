#include "frmF1Book.h"

#include "MsgBox.h"
#include "Rows.h"
#include "SheetFiles.h"
#include "SheetPrinter.h"
#include "SheetView.h"
#include "SortDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

TfrmF1Book::TfrmF1Book(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmF1Book"));
    setWindowTitle(QStringLiteral("打印预览"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setWindowState(Qt::WindowMaximized);

    auto *bar = new QHBoxLayout;
    auto button = [&](const char *name, const QString &text, void (TfrmF1Book::*handler)()) {
        auto *b = new QPushButton(text);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, handler);
        bar->addWidget(b);
        return b;
    };
    button("btnPrint", QStringLiteral("打印"), &TfrmF1Book::btnPrintClick);
    button("btnSetup", QStringLiteral("配置"), &TfrmF1Book::btnSetupClick);
    button("btnPreview", QStringLiteral("页面预览"), &TfrmF1Book::btnPreviewClick);
    button("btnSort", QStringLiteral("排序"), &TfrmF1Book::btnSortClick);
    button("btnSaveXls", QStringLiteral("存为Excel"), &TfrmF1Book::btnSaveXlsClick);
    button("btnSaveSet", QStringLiteral("保存设置"), &TfrmF1Book::btnSaveSetClick);
    bar->addSpacing(12);
    auto *lbScale = new QLabel(QStringLiteral("打印比例："));
    bar->addWidget(lbScale);
    m_speScale = new QSpinBox;
    m_speScale->setObjectName(QStringLiteral("speScale"));
    m_speScale->setRange(50, 200);
    m_speScale->setSingleStep(10);
    m_speScale->setValue(100);
    m_speScale->setSuffix(QStringLiteral("%"));
    lbScale->setBuddy(m_speScale);
    connect(m_speScale, &QSpinBox::valueChanged, this, &TfrmF1Book::speScaleChange);
    bar->addWidget(m_speScale);
    bar->addStretch(1);
    button("btnClose", QStringLiteral("关闭"), &TfrmF1Book::btnCloseClick);

    m_view = new SheetView(&m_sheet);

    auto *status = new QHBoxLayout;
    m_lbProgress = new QLabel(QStringLiteral("打印进度："));
    m_lbProgress->setObjectName(QStringLiteral("lbProgress"));
    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("pbProgress"));
    m_lbMessage = new QLabel;
    m_lbMessage->setObjectName(QStringLiteral("lbMessage"));
    status->addWidget(m_lbProgress);
    status->addWidget(m_progress, 1);
    status->addWidget(m_lbMessage, 1);
    m_lbProgress->hide();
    m_progress->hide();
    m_lbMessage->hide();

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_view, 1);
    layout->addLayout(status);

    m_startTimer = new QTimer(this);
    m_startTimer->setSingleShot(true);
    m_startTimer->setInterval(500);
    connect(m_startTimer, &QTimer::timeout, this, &TfrmF1Book::FillSheet);
}

TfrmF1Book::~TfrmF1Book() = default;

void TfrmF1Book::ShowAndFill()
{
    setModal(false);
    showMaximized();
}

void TfrmF1Book::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_prepared) {
        prepareSheet();
        m_prepared = true;
    }
    if (!m_filled && !m_startTimer->isActive()) {
        m_modal = isModal();
        m_startTimer->start();
    }
}

void TfrmF1Book::prepareSheet()
{
    SheetFill::prepare(m_sheet, *this);
    m_view->sheetChanged();
}

void TfrmF1Book::progressStep(int row)
{
    m_progress->setValue(row);
    // Let the bar paint now and then without accepting clicks half way through.
    if (m_progressClock.elapsed() > 100) {
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        m_progressClock.restart();
    }
}

bool TfrmF1Book::FillSheet()
{
    m_startTimer->stop();
    if (m_filled)
        return true;
    if (!m_prepared) {
        prepareSheet();
        m_prepared = true;
    }
    m_filled = true; // a second timer or call must not fill twice
    QElapsedTimer clock;
    clock.start();

    int visible = 0;
    if (Rows)
        for (const RowField &f : Rows->fields())
            visible += f.visible ? 1 : 0;
    if (visible > 0) {
        const int seconds = SheetFill::estimateSeconds(Rows->rowCount(), visible);
        if (seconds >= 31
            && MsgBox(mbOkCancel, QStringLiteral("打印表格最少需时约%1秒，继续吗？").arg(seconds)) != mrOk) {
            m_sheet.setText(5, 2, QString::fromUtf8(SheetFill::CancelledText));
            m_view->sheetChanged();
            return false;
        }
        m_lbProgress->show();
        m_progress->setRange(0, int(std::lround(Rows->rowCount() * 1.1)));
        m_progress->setValue(0);
        m_progress->show();
    }

    const F1BookSettings::Entry saved = F1BookSettings().load(SheetTitle);
    m_progressClock.start();
    m_result = SheetFill::fill(m_sheet, *this, &saved, largerBottomLine(),
                               [this](int row) { progressStep(row); });
    m_lbProgress->hide();
    m_progress->hide();
    if (m_result.filled) {
        m_speScale->setValue(m_result.printScale);
        speScaleChange(m_speScale->value());
        const qint64 secs = clock.elapsed() / 1000;
        m_lbMessage->setText(QStringLiteral("打印用时:%1分%2秒").arg(secs / 60).arg(secs % 60));
        m_lbMessage->show();
    }
    m_view->sheetChanged();
    return m_result.filled;
}

void TfrmF1Book::btnCloseClick()
{
    close();
}

void TfrmF1Book::speScaleChange(int value)
{
    m_sheet.pageSetup().scale = value;
    m_view->setZoom(value);
}

int TfrmF1Book::printTo(QPrinter *printer)
{
    return SheetPrinter(m_sheet).print(printer);
}

void TfrmF1Book::btnPrintClick()
{
    QPrinter printer(QPrinter::HighResolution);
    SheetPrinter::applyPageSetup(m_sheet.pageSetup(), &printer);
    printer.setDocName(SheetTitle);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        SheetPrinter(m_sheet).print(&printer, false);
}

void TfrmF1Book::btnPreviewClick()
{
    QPrinter printer(QPrinter::HighResolution);
    SheetPrinter::applyPageSetup(m_sheet.pageSetup(), &printer);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowState(Qt::WindowMaximized);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *p) { SheetPrinter(m_sheet).print(p, false); });
    preview.exec();
}

void TfrmF1Book::btnSetupClick()
{
    QPrinter printer(QPrinter::HighResolution);
    SheetPrinter::applyPageSetup(m_sheet.pageSetup(), &printer);
    QPageSetupDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QPageLayout layout = printer.pageLayout();
    PageSetup &ps = m_sheet.pageSetup();
    ps.pageSize = layout.pageSize();
    ps.orientation = layout.orientation();
    ps.marginsMm = layout.margins(QPageLayout::Millimeter);
}

bool TfrmF1Book::sortDialog(const CellRange &range)
{
    SortDialog dialog(m_sheet, range, m_result.headingRow, this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    m_sheet.sort(range, dialog.keys());
    m_view->sheetChanged();
    return true;
}

void TfrmF1Book::btnSortClick()
{
    if (m_sheet.selectionText().contains(QLatin1Char(':'))) {
        sortDialog(m_sheet.selection());
        return;
    }
    if (MsgBox(mbOkCancel, QStringLiteral("你没有选择要排序的范围，要对整张表排序吗？")) != mrOk)
        return;
    if (!m_result.filled || m_result.lastDataRow < m_result.firstDataRow)
        return; // no data rows to sort
    m_sheet.select({m_result.firstDataRow, -1, m_result.lastDataRow, -1});
    m_view->viewport()->update();
    sortDialog(m_sheet.selection());
}

QString TfrmF1Book::proposedFileName() const
{
    return SheetFiles::cleanFileName(SheetTitle) + QStringLiteral(".xlsx");
}

void TfrmF1Book::btnSaveXlsClick()
{
    const QString xlsx = QStringLiteral("Excel文件格式(*.xlsx)"), pdf = QStringLiteral("PDF文件(*.pdf)");
    QString filter = xlsx;
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("另存为Excel格式文件："),
                                                QDir::current().filePath(proposedFileName()),
                                                xlsx + QStringLiteral(";;") + pdf, &filter);
    if (path.isEmpty())
        return;
    if (filter == pdf && !path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path = path.left(path.size() - (path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive) ? 5 : 0)) + QStringLiteral(".pdf");
    else if (filter == xlsx && !path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive))
        path += QStringLiteral(".xlsx");
    saveToFile(path);
}

bool TfrmF1Book::saveToFile(const QString &path)
{
    QString error;
    const bool ok = path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)
                        ? SheetFiles::writePdf(m_sheet, path, &error)
                        : SheetFiles::writeXlsx(m_sheet, path, &error);
    if (ok)
        MsgBox(mbInformation, QStringLiteral("文件已成功保存。"));
    else
        MsgBox(mbError, error);
    return ok;
}

void TfrmF1Book::btnSaveSetClick()
{
    if (MsgBox(mbOkCancel, QStringLiteral("系统将保存本表格的打印比例、要显示的列和列宽、\n"
                                          "排序顺序等属性，供下次打印时调用。\n继续吗？")) != mrOk)
        return;
    QList<int> widths;
    for (int c = 1; c <= m_sheet.maxCol(); ++c)
        widths.append(m_sheet.columnWidth(c));
    QString error;
    if (F1BookSettings().save(SheetTitle, m_sheet.viewScale, widths, &error))
        MsgBox(mbInformation, QStringLiteral("设置保存完毕。"));
    else
        MsgBox(mbError, error);
}
