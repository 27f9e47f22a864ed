// Figures of the report viewer: filling 20 000 rows x 15 columns with totals, writing
// them to .xlsx, and the memory of the open viewer. Prints them; not a test.
#include "Rows.h"
#include "Sheet.h"
#include "SheetFiles.h"
#include "SheetFill.h"
#include "frmF1Book.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

static long statusKb(const char *key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(int(strlen(key))).trimmed().split(' ').first().toLong();
    return -1;
}

static RowList makeRows(int rows)
{
    RowList r;
    r.addField("KIND", "类别", 8, false, TagBlankRepeats);
    for (int c = 0; c < 4; ++c)
        r.addField(QStringLiteral("T%1").arg(c), QStringLiteral("文字%1").arg(c), 10);
    for (int c = 0; c < 10; ++c)
        r.addField(QStringLiteral("N%1").arg(c), QStringLiteral("数量%1").arg(c), 8, true,
                   c < 5 ? TagSum : 0, c % 2 ? QStringLiteral("#,##0.00") : QStringLiteral("0.00"));
    r.reserve(rows);
    for (int i = 0; i < rows; ++i) {
        QVariantList v{QStringLiteral("类别%1").arg(i / 50)};
        for (int c = 0; c < 4; ++c)
            v.append(QStringLiteral("产品%1-%2").arg(i).arg(c));
        for (int c = 0; c < 10; ++c)
            v.append(i * 1.25 + c);
        r.addRow(v);
    }
    return r;
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int n = 20000, fields = 15;
    const RowList rows = makeRows(n);
    const long rssRows = statusKb("VmRSS:");

    Sheet sheet;
    F1BookInputs in;
    in.SheetTitle = QStringLiteral("基准报表");
    in.SubTitle = QStringLiteral("两万行");
    in.BottomLine = QStringLiteral("打印人：基准");
    in.Rows = &rows;
    QElapsedTimer t;
    t.start();
    SheetFill::prepare(sheet, in);
    const FillResult r = SheetFill::fill(sheet, in, nullptr);
    sheet.recalc();
    const double fillSec = t.nsecsElapsed() / 1e9;
    std::printf("fill %d x %d with totals: %.3f s (%.2f us per cell); old estimate %.0f s, ratio 1:%.0f\n",
                n, fields, fillSec, fillSec * 1e6 / (n * fields), n * fields * 0.0005, n * fields * 0.0005 / fillSec);
    std::printf("  totals row %d, SUM of first numeric column = %.2f\n", r.totalsRow, sheet.number(r.totalsRow, 7));

    QTemporaryDir dir;
    QString error;
    t.restart();
    const bool ok = SheetFiles::writeXlsx(sheet, dir.filePath("bench.xlsx"), &error);
    const double xlsxSec = t.nsecsElapsed() / 1e9;
    std::printf("xlsx write: %.3f s, %lld bytes%s\n", xlsxSec, QFile(dir.filePath("bench.xlsx")).size(),
                ok ? "" : qPrintable(" FAILED: " + error));

    // The viewer as the user sees it: window shown, sheet filled, a screen painted.
    auto *viewer = new TfrmF1Book;
    static_cast<F1BookInputs &>(*viewer) = in;
    viewer->resize(1280, 800);
    viewer->show();
    t.restart();
    viewer->FillSheet();
    const double viewerSec = t.nsecsElapsed() / 1e9;
    t.restart();
    for (int i = 0; i < 20; ++i)
        viewer->grab();
    std::printf("viewer fill with progress: %.3f s (totals row %d); one screen painted: %.1f ms\n", viewerSec,
                viewer->fillResult().totalsRow,
                t.nsecsElapsed() / 1e6 / 20);
    std::printf("memory: rows %ld MB, with sheet and open viewer %ld MB (peak %ld MB)\n",
                rssRows / 1024, statusKb("VmRSS:") / 1024, statusKb("VmHWM:") / 1024);
    viewer->close();
    return ok ? 0 : 1;
}
