#include "SheetFiles.h"

#include "Sheet.h"
#include "SheetPrinter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryFile>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <xlsxwriter.h>

namespace SheetFiles {

QString cleanFileName(const QString &title)
{
    QString name;
    for (QChar ch : title)
        name += (ch.unicode() < 32 || QStringLiteral("\\/:*?\"<>|").contains(ch)) ? QChar(u'_') : ch;
    name = name.trimmed();
    while (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    return name.isEmpty() ? QStringLiteral("报表") : name;
}

namespace {

// A name in the target's folder for the temporary file; the folder's own permissions
// decide whether the save can succeed at all.
QString temporaryPath(const QString &path, QString *error)
{
    QTemporaryFile probe(QFileInfo(path).absolutePath() + QStringLiteral("/.kbsave-XXXXXX"));
    if (!probe.open()) {
        *error = QStringLiteral("无法在文件夹 %1 中写入文件：%2")
                     .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()), probe.errorString());
        return {};
    }
    return probe.fileName() + QStringLiteral(".part");
}

bool putInPlace(const QString &tmp, const QString &path, QString *error)
{
    // rename() replaces the target in one step: the old file stays until the new one is whole.
    if (std::rename(QFile::encodeName(tmp).constData(), QFile::encodeName(path).constData()) != 0) {
        *error = QStringLiteral("无法写入文件 %1：%2").arg(QDir::toNativeSeparators(path),
                                                          QString::fromLocal8Bit(std::strerror(errno)));
        QFile::remove(tmp);
        return false;
    }
    return true;
}

uint8_t xlsxAlign(HAlign a)
{
    switch (a) {
    case HAlign::Left: return LXW_ALIGN_LEFT;
    case HAlign::Center: return LXW_ALIGN_CENTER;
    case HAlign::Right: return LXW_ALIGN_RIGHT;
    case HAlign::CenterAcross: return LXW_ALIGN_CENTER_ACROSS;
    case HAlign::General: break;
    }
    return LXW_ALIGN_NONE;
}

uint8_t paperCode(const QPageSize &size)
{
    switch (size.id()) {
    case QPageSize::Letter: return 1;
    case QPageSize::A3: return 8;
    case QPageSize::A4: return 9;
    case QPageSize::A5: return 11;
    case QPageSize::B5: return 13;
    default: return 0; // the printer's default; custom sizes have no code
    }
}

class XlsxExport
{
public:
    XlsxExport(const Sheet &sheet, lxw_workbook *wb) : m_sheet(sheet), m_wb(wb), m_formats(size_t(sheet.styleCount()), nullptr) {}

    lxw_format *format(int id)
    {
        if (id == 0 && m_sheet.style(0) == CellStyle())
            return nullptr;
        lxw_format *&f = m_formats[size_t(id)];
        if (f)
            return f;
        const CellStyle &s = m_sheet.style(id);
        f = workbook_add_format(m_wb);
        const QByteArray font = s.fontName.toUtf8();
        format_set_font_name(f, font.constData());
        format_set_font_size(f, s.fontSize);
        if (s.bold) format_set_bold(f);
        if ((s.color & 0xffffff) != 0) format_set_font_color(f, s.color & 0xffffff);
        if (const uint8_t a = xlsxAlign(s.align)) format_set_align(f, a);
        format_set_align(f, LXW_ALIGN_VERTICAL_CENTER);
        if (s.borders & BorderLeft) format_set_left(f, LXW_BORDER_THIN);
        if (s.borders & BorderTop) format_set_top(f, LXW_BORDER_THIN);
        if (s.borders & BorderRight) format_set_right(f, LXW_BORDER_THIN);
        if (s.borders & BorderBottom) format_set_bottom(f, LXW_BORDER_THIN);
        if (!s.numberFormat.isEmpty()) format_set_num_format(f, s.numberFormat.toUtf8().constData());
        return f;
    }

    QString write(lxw_worksheet *ws)
    {
        const Sheet &sh = m_sheet;
        sh.recalc();
        for (int c = 1; c <= sh.maxCol(); ++c) {
            const int w = sh.columnWidth(c);
            lxw_row_col_options hidden{1, 0, 0};
            worksheet_set_column_opt(ws, lxw_col_t(c - 1), lxw_col_t(c - 1), w / 256.0, nullptr, w == 0 ? &hidden : nullptr);
        }
        for (int r = 1; r <= sh.maxRow(); ++r) {
            if (sh.rowHeight(r) != sh.defaultRowHeight)
                worksheet_set_row(ws, lxw_row_t(r - 1), sh.rowHeight(r) / 20.0, nullptr);
            for (int c = 1; c <= sh.maxCol(); ++c) {
                const Cell *cell = sh.cell(r, c);
                if (!cell)
                    continue;
                lxw_format *f = format(cell->style);
                const lxw_row_t row = lxw_row_t(r - 1);
                const lxw_col_t col = lxw_col_t(c - 1);
                lxw_error rc = LXW_NO_ERROR;
                switch (cell->kind) {
                case Cell::Kind::Empty:
                    if (f) rc = worksheet_write_blank(ws, row, col, f);
                    break;
                case Cell::Kind::Text:
                    rc = worksheet_write_string(ws, row, col, cell->text.toUtf8().constData(), f);
                    break;
                case Cell::Kind::Number:
                    rc = worksheet_write_number(ws, row, col, cell->number, f);
                    break;
                case Cell::Kind::Formula: {
                    const QByteArray formula = ('=' + cell->text).toUtf8();
                    rc = std::isnan(cell->number) ? worksheet_write_formula(ws, row, col, formula.constData(), f)
                                                  : worksheet_write_formula_num(ws, row, col, formula.constData(), f, cell->number);
                    break;
                }
                }
                if (rc != LXW_NO_ERROR)
                    return QStringLiteral("单元格 %1：%2").arg(Sheet::cellName(r, c), QString::fromUtf8(lxw_strerror(rc)));
            }
        }
        return {};
    }

private:
    const Sheet &m_sheet;
    lxw_workbook *m_wb;
    std::vector<lxw_format *> m_formats;
};

void writePageSetup(const Sheet &sheet, lxw_worksheet *ws)
{
    const PageSetup &ps = sheet.pageSetup();
    if (const uint8_t code = paperCode(ps.pageSize))
        worksheet_set_paper(ws, code);
    if (ps.orientation == QPageLayout::Landscape)
        worksheet_set_landscape(ws);
    else
        worksheet_set_portrait(ws);
    const double mm = 1 / 25.4;
    worksheet_set_margins(ws, ps.marginsMm.left() * mm, ps.marginsMm.right() * mm,
                          ps.marginsMm.top() * mm, ps.marginsMm.bottom() * mm);
    if (!ps.header.isEmpty())
        worksheet_set_header(ws, ("&C" + ps.header).toUtf8().left(255).constData());
    if (!ps.footer.isEmpty())
        worksheet_set_footer(ws, ("&C" + ps.footer).toUtf8().left(255).constData());
    if (ps.titleRowFirst > 0 && ps.titleRowLast >= ps.titleRowFirst)
        worksheet_repeat_rows(ws, lxw_row_t(ps.titleRowFirst - 1), lxw_row_t(ps.titleRowLast - 1));
    worksheet_set_print_scale(ws, uint16_t(std::clamp(ps.scale, 10, 400)));
}

QByteArray worksheetName(const QString &title)
{
    QString name;
    for (QChar ch : title)
        if (!QStringLiteral("[]:*?/\\").contains(ch))
            name += ch;
    name = name.trimmed().left(31);
    if (name.startsWith(QLatin1Char('\'')) || name.endsWith(QLatin1Char('\'')))
        name.remove(QLatin1Char('\''));
    return name.isEmpty() ? QByteArray("Sheet1") : name.toUtf8();
}

} // namespace

bool saveVia(const QString &path, QString *error, const std::function<bool(const QString &tmp)> &write)
{
    const QString tmp = temporaryPath(path, error);
    if (tmp.isEmpty())
        return false;
    if (!write(tmp) || QFileInfo(tmp).size() == 0) {
        QFile::remove(tmp);
        if (error->isEmpty())
            *error = QStringLiteral("无法写入文件 %1：磁盘已满或不可写").arg(QDir::toNativeSeparators(path));
        return false;
    }
    return putInPlace(tmp, path, error);
}

bool writeXlsx(const Sheet &sheet, const QString &path, QString *error)
{
    return saveVia(path, error, [&](const QString &tmp) {
        const QByteArray tmpName = QFile::encodeName(tmp);
        lxw_workbook *wb = workbook_new(tmpName.constData());
        if (!wb)
            return false;
        const QByteArray title = sheet.title.toUtf8();
        lxw_doc_properties props{};
        props.title = const_cast<char *>(title.constData());
        workbook_set_properties(wb, &props);
        const QByteArray name = worksheetName(sheet.title);
        lxw_worksheet *ws = workbook_add_worksheet(wb, name.constData());
        if (!ws)
            ws = workbook_add_worksheet(wb, nullptr);
        writePageSetup(sheet, ws);
        const QString cellError = XlsxExport(sheet, wb).write(ws);
        const lxw_error rc = workbook_close(wb);
        if (cellError.isEmpty() && rc == LXW_NO_ERROR)
            return true;
        *error = QStringLiteral("无法写入文件 %1：%2").arg(QDir::toNativeSeparators(path),
                                                          cellError.isEmpty() ? QString::fromUtf8(lxw_strerror(rc)) : cellError);
        return false;
    });
}

bool writePdf(const Sheet &sheet, const QString &path, QString *error)
{
    return saveVia(path, error, [&](const QString &tmp) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(tmp);
        printer.setDocName(sheet.title);
        return SheetPrinter(sheet).print(&printer) > 0;
    });
}

} // namespace SheetFiles
