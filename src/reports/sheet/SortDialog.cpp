#include "SortDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>

SortDialog::SortDialog(const Sheet &sheet, const CellRange &range, int headingRow, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgSort"));
    setWindowTitle(QStringLiteral("排序"));
    const CellRange r = sheet.normalized(range);
    auto *form = new QFormLayout;
    const QStringList captions{QStringLiteral("主要关键字："), QStringLiteral("次要关键字："), QStringLiteral("第三关键字：")};
    for (int k = 0; k < captions.size(); ++k) {
        auto *column = new QComboBox;
        column->setObjectName(QStringLiteral("cbKey%1").arg(k + 1));
        if (k > 0)
            column->addItem(QStringLiteral("（无）"), 0);
        for (int c = r.c1; c <= r.c2; ++c) {
            if (sheet.columnWidth(c) == 0)
                continue;
            const QString heading = headingRow > 0 ? sheet.text(headingRow, c) : QString();
            column->addItem(heading.isEmpty() ? QStringLiteral("列 %1").arg(Sheet::columnName(c))
                                              : QStringLiteral("%1 (%2)").arg(heading, Sheet::columnName(c)),
                            c);
        }
        auto *order = new QComboBox;
        order->setObjectName(QStringLiteral("cbOrder%1").arg(k + 1));
        order->addItems({QStringLiteral("递增"), QStringLiteral("递减")});
        auto *row = new QHBoxLayout;
        row->addWidget(column, 1);
        row->addWidget(order);
        form->addRow(captions[k], row);
        m_columns.append(column);
        m_orders.append(order);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    setLayout(form);
}

QList<SortKey> SortDialog::keys() const
{
    QList<SortKey> keys;
    for (int k = 0; k < m_columns.size(); ++k)
        if (const int c = m_columns[k]->currentData().toInt(); c > 0)
            keys.append({c, m_orders[k]->currentIndex() == 0});
    return keys;
}
