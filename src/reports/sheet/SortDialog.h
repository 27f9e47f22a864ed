#pragma once

#include "Sheet.h"

#include <QDialog>
#include <QList>

class QComboBox;

// Asks for up to three key columns of a range, each ascending or descending.
class SortDialog : public QDialog
{
    Q_OBJECT
public:
    // headingRow: row whose texts name the columns in the lists (0 for letters only).
    SortDialog(const Sheet &sheet, const CellRange &range, int headingRow, QWidget *parent = nullptr);
    QList<SortKey> keys() const;

private:
    QList<QComboBox *> m_columns;
    QList<QComboBox *> m_orders;
};
