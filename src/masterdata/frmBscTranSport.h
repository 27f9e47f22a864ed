#pragma once

#include "frmPrtBscTbl.h"

// Hauliers; every operator may edit them.
class TfrmBscTranSport : public TfrmPrtBscTbl
{
    Q_OBJECT
public:
    explicit TfrmBscTranSport(QWidget *parent = nullptr);
};
