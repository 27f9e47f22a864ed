#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// Reads back PDFs with poppler's tools.
namespace PdfText {

inline QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>").arg(program, QString::fromUtf8(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of pages first..last (all pages for 0). Some ideographs come back as their
// look-alike radicals (页 as U+2EDA, 人 as U+2F08); they are folded back.
inline QString text(const QString &path, int first = 0, int last = 0)
{
    QStringList args;
    if (first > 0)
        args << "-f" << QString::number(first) << "-l" << QString::number(last);
    QString out = run("pdftotext", args << path << "-");
    for (QChar &ch : out)
        if (ch.unicode() >= 0x2F00 && ch.unicode() <= 0x2FDF) // Kangxi radicals
            ch = QString(ch).normalized(QString::NormalizationForm_KC).at(0);
        else if (ch.unicode() == 0x2EDA)
            ch = QChar(u'页');
    return out;
}

inline int pages(const QString &path)
{
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(run("pdfinfo", {path}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

inline QString info(const QString &path) { return run("pdfinfo", {path}); }

} // namespace PdfText
