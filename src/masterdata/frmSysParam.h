#pragma once

#include "frmPrtBscTbl.h"

// System parameters, in ID order; every operator may edit them.
class TfrmSysParam : public TfrmPrtBscTbl
{
    Q_OBJECT
public:
    explicit TfrmSysParam(QWidget *parent = nullptr);

protected:
    void tblResultNewRecord(int row) override;
};
