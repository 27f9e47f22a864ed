#pragma once

#include "frmPrtBscTbl.h"

// Presses, keyed by their number; the class usually pressed is picked from the classes.
class TfrmBscProsNO : public TfrmPrtBscTbl
{
    Q_OBJECT
public:
    explicit TfrmBscProsNO(QWidget *parent = nullptr);

protected:
    void tblResultNewRecord(int row) override;
};
