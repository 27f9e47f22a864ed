#pragma once

#include "Rows.h"

#include <QString>

// Small result sets the report tests share.
namespace ReportFixtures {

// NAME (text, tag 200), QTY (numeric "0.00", tag 100), PRICE (numeric "#,##0.00", tag 50).
inline RowList goods(int rows = 3)
{
    RowList r;
    r.addField(QStringLiteral("NAME"), QStringLiteral("产品名称"), 8, false, TagBlankRepeats);
    r.addField(QStringLiteral("QTY"), QStringLiteral("数量"), 6, true, TagSum, QStringLiteral("0.00"));
    r.addField(QStringLiteral("PRICE"), QStringLiteral("单价"), 12, true, TagAverage, QStringLiteral("#,##0.00"));
    for (int i = 0; i < rows; ++i)
        r.addRow({QStringLiteral("瓷砖%1").arg(i / 2), 1.5 * (i + 1), 10.0 * (i + 1)});
    return r;
}

// Visible numeric columns, each summed: more than the 25 that single letters reach.
inline RowList wide(int columns, int rows)
{
    RowList r;
    for (int c = 0; c < columns; ++c)
        r.addField(QStringLiteral("C%1").arg(c), QStringLiteral("列%1").arg(c), 4, true, TagSum);
    for (int i = 0; i < rows; ++i) {
        QVariantList values;
        for (int c = 0; c < columns; ++c)
            values.append(double(c + i));
        r.addRow(values);
    }
    return r;
}

} // namespace ReportFixtures
