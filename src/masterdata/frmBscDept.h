#pragma once

#include "frmPrtBscTbl.h"

// Departments; the name comes before the code, so the exact search looks at names.
class TfrmBscDept : public TfrmPrtBscTbl
{
    Q_OBJECT
public:
    explicit TfrmBscDept(QWidget *parent = nullptr);
};
