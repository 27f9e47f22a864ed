#pragma once

#include "frmPrtBscTbl.h"

// Places and regions.
class TfrmBscPlace : public TfrmPrtBscTbl
{
    Q_OBJECT
public:
    explicit TfrmBscPlace(QWidget *parent = nullptr);
};
