#pragma once

#include <QString>
#include <functional>

class Sheet;

// Writing a sheet to a file. Both writers write a temporary file beside the target and
// put it in place only when complete, so a failed save never damages an existing file;
// on failure they return false with the reason in *error.
namespace SheetFiles {
bool writeXlsx(const Sheet &sheet, const QString &path, QString *error);
bool writePdf(const Sheet &sheet, const QString &path, QString *error);
// A file name proposed from a report title: characters that file names may not hold
// become "_".
QString cleanFileName(const QString &title);
// Lets write() produce the file under a temporary name beside path and puts it in place
// when write() succeeded and left a non-empty file.
bool saveVia(const QString &path, QString *error, const std::function<bool(const QString &tmp)> &write);
} // namespace SheetFiles
