#pragma once

#include <QString>
#include <QVariant>

// Spreadsheet-style display masks shared by the sheet, its files and the printed layouts:
// "General", "0", "0.00", "#,##0", "#,##0.00", "0.0%", and date masks such as "yy-mm-dd".
namespace NumberFormat {
QString format(double value, const QString &mask);
// Numbers through format(); dates through a date mask; anything else as its text.
QString formatValue(const QVariant &value, const QString &mask);
bool isDateMask(const QString &mask);
} // namespace NumberFormat
