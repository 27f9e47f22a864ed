#pragma once

#include "frmPrtDialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The login: bill clerk and cashier with their passwords, network or local mode, and
// whether to download the base data into the local file afterwards.
class TfrmLogin : public TfrmPrtDialog
{
    Q_OBJECT
public:
    explicit TfrmLogin(QWidget *parent = nullptr);

    QLineEdit *edOpCode;
    QLineEdit *edPsw;
    QLineEdit *edtAmter;
    QLineEdit *edtAmtPsw;
    QRadioButton *rdoNet;
    QRadioButton *rdoLocal;
    QCheckBox *chkUpdateLocal;
    QPushButton *btnOK;
    QPushButton *btnCancel;
    QLabel *Label5;

public slots:
    void btnOKClick();
    void btnCancelClick();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void rdoNetClick();
    void rdoLocalClick();
    static void focusSelected(QLineEdit *edit);
    // Steps of the confirm after the mode is chosen; false when the dialog stays open.
    bool confirm();
};

// Shows the login modally; true when it closed with a confirmed login.
bool RunLogin(QWidget *parent = nullptr);
