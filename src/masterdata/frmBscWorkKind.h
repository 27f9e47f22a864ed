#pragma once

#include "frmPrtBscTbl.h"

// Kinds of work, with their default work-point value.
class TfrmBscWorkKind : public TfrmPrtBscTbl
{
    Q_OBJECT
public:
    explicit TfrmBscWorkKind(QWidget *parent = nullptr);

protected:
    void tblResultNewRecord(int row) override;
};
