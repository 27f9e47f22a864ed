#pragma once

#include "frmPrtBscTbl.h"

// Storage positions, each in one finished-goods warehouse.
class TfrmBscStorePos : public TfrmPrtBscTbl
{
    Q_OBJECT
public:
    explicit TfrmBscStorePos(QWidget *parent = nullptr);
};
