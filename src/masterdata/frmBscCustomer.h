#pragma once

#include "frmPrtBscTbl.h"

// Customers, with their region picked from the places.
class TfrmBscCustomer : public TfrmPrtBscTbl
{
    Q_OBJECT
public:
    explicit TfrmBscCustomer(QWidget *parent = nullptr);
};
