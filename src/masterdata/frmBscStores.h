#pragma once

#include "frmPrtBscTbl.h"

// Finished-goods warehouses.
class TfrmBscStores : public TfrmPrtBscTbl
{
    Q_OBJECT
public:
    explicit TfrmBscStores(QWidget *parent = nullptr);
};
