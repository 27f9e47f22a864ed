#pragma once

#include "frmPrtDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The logged-in clerk changes his or her own password.
class TfrmChgPsw : public TfrmPrtDialog
{
    Q_OBJECT
public:
    explicit TfrmChgPsw(QWidget *parent = nullptr);

    QLabel *lbStfNo;
    QLabel *lbStfName;
    QLineEdit *edOldPsw;
    QLineEdit *edNewPsw;
    QLineEdit *edCfmNewPsw;
    QPushButton *btnOK;
    QPushButton *btnCancel;

public slots:
    void btnOKClick();

protected:
    void showEvent(QShowEvent *event) override;
};
