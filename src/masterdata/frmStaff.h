#pragma once

#include "frmPrtBscTbl.h"

// Staff and their login accounts. Nobody is deleted (a person leaves by being marked not
// employed), only an administrator changes role letters, and passwords are changed by
// their owners alone: the grid shows "****".
class TfrmStaff : public TfrmPrtBscTbl
{
    Q_OBJECT
public:
    explicit TfrmStaff(QWidget *parent = nullptr);

    static const QString DefaultPassword;

protected:
    void tblResultNewRecord(int row) override;
    bool tblResultBeforeDelete(int row) override;
    bool tblResultBeforeChange(int row, const QString &field, const QVariant &value) override;
};
