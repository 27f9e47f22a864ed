#pragma once

#include "frmPrtBscTbl.h"

// Raw materials and consumables of the material store.
class TfrmInventory : public TfrmPrtBscTbl
{
    Q_OBJECT
public:
    explicit TfrmInventory(QWidget *parent = nullptr);
};
