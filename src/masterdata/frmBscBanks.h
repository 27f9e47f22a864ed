#pragma once

#include "frmPrtBscTbl.h"

// Banks, and beside them the accounts held at the current bank.
class TfrmBscBanks : public TfrmPrtBscTbl
{
    Q_OBJECT
public:
    explicit TfrmBscBanks(QWidget *parent = nullptr);

    TDictModel *qryAccount() const { return m_accounts; }
    TDictGrid *dbgAccount() const { return m_accountGrid; }

protected:
    void setEditing(bool on) override;
    void dbgResultRowChanged(int row) override;
    bool postPending() override;

private:
    void openAccounts(const QString &positionOn = {});

    TDictModel *m_accounts;
    TDictGrid *m_accountGrid;
};
