#pragma once

#include "frmPrtBscTbl.h"

// Product classes; the parent class and the level are kept here too.
class TfrmBscProdKind : public TfrmPrtBscTbl
{
    Q_OBJECT
public:
    explicit TfrmBscProdKind(QWidget *parent = nullptr);
};
