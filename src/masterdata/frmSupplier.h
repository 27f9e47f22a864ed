#pragma once

#include "frmPrtBscTbl.h"

// Suppliers of materials and bought-in goods.
class TfrmSupplier : public TfrmPrtBscTbl
{
    Q_OBJECT
public:
    explicit TfrmSupplier(QWidget *parent = nullptr);
};
