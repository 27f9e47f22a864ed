#pragma once

#include "frmPrtDialog.h"

#include <QSqlDatabase>

class QLineEdit;
class QPushButton;

// Sets the workstation's initial local bill numbers: the typed values are the last
// numbers considered used, so the next local bill of each kind gets one more.
class TfrmSetLocalBN : public TfrmPrtDialog
{
    Q_OBJECT
public:
    explicit TfrmSetLocalBN(const QSqlDatabase &local, QWidget *parent = nullptr);

    QLineEdit *edtSellNo;
    QLineEdit *edtOrderNo;
    QPushButton *btnOK;
    QPushButton *btnCancel;

private slots:
    void btnOKClick();

private:
    QSqlDatabase m_local;
};
