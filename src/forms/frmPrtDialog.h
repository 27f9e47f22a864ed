#pragma once

#include "frmPrtAll.h"

#include <QDialog>

// A dialog: fixed size as designed, centred on the main window, destroyed by its opener.
class TfrmPrtDialog : public QDialog, public TfrmPrtAll
{
    Q_OBJECT
public:
    explicit TfrmPrtDialog(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool m_styled = false;
};
