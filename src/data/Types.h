#pragma once

#include <QString>

// A logged-in person: the bill clerk (Operator) or the cashier (Cashier).
struct TStaff {
    int StfID = 0;
    QString StfNo;
    QString StfName;
    int DepID = 0;
    QString DepNo;
    QString DepName;
    QString Role;
};

// The company as the SYSPARAM rows of the same names describe it.
struct TCompany {
    QString ComName;
    QString ComAddr;
    QString ComTel;
    QString ComEmail;
    QString ReportName;
};

// A product chosen in the product picker.
struct TInventory {
    int InvID = 0;
    QString InvNo;
    QString InvName;
    QString InvStd;
    QString PYCode;
    QString Unit;
};
