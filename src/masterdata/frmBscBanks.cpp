#include "frmBscBanks.h"

#include "DataModule.h"
#include "DictGrid.h"
#include "Guard.h"
#include "MsgBox.h"

#include <QHBoxLayout>
#include <QHeaderView>

TfrmBscBanks::TfrmBscBanks(QWidget *parent) : TfrmPrtBscTbl(parent)
{
    setObjectName(QStringLiteral("frmBscBanks"));
    setWindowTitle(QStringLiteral("银行编码表"));

    m_accounts = new TDictModel(DM().dbMain(), QStringLiteral("CUSACC"), this);
    m_accounts->setObjectName(QStringLiteral("qryAccount"));
    m_accounts->setColumns({{QStringLiteral("ACCNO"), QStringLiteral("银行账号")}});
    m_accounts->setSelect(QStringLiteral("WHERE BANKID = :ID ORDER BY ACCNO"), {{QStringLiteral("ID"), 0}});
    m_accounts->onNewRecord = [this](int row) {
        m_accounts->setValue(row, QStringLiteral("BANKID"), currentValue(QStringLiteral("ID")));
    };
    m_accountGrid = new TDictGrid(this);
    m_accountGrid->setObjectName(QStringLiteral("dbgAccount"));
    m_accountGrid->setDictModel(m_accounts);
    m_accountGrid->horizontalHeader()->setStretchLastSection(true);
    m_accountGrid->setMinimumWidth(240);
    m_accountGrid->beforeDelete = [](int) {
        return MsgBox(mbOkCancel, QStringLiteral("删除当前行的记录吗？")) == mrOk;
    };
    // Read again after a save so the list stays in account order.
    connect(m_accountGrid, &TDictGrid::rowPosted, this, [this](int row) {
        const QString accNo = m_accounts->value(row, QStringLiteral("ACCNO")).toString();
        QMetaObject::invokeMethod(this, [this, accNo] { openAccounts(accNo); }, Qt::QueuedConnection);
    });
    sideArea()->addWidget(m_accountGrid);

    setTable(QStringLiteral("BANKS"),
             {{QStringLiteral("ID"), QStringLiteral("流水号")},
              {QStringLiteral("NAME"), QStringLiteral("银行名称")},
              {QStringLiteral("NUMCODE"), QStringLiteral("银行编码")},
              {QStringLiteral("PYCODE"), QStringLiteral("拼音码")}});
    setEditRoles(QStringLiteral("B"), QStringLiteral("你没有权限！"));
    setDesignedSize(860, 480);
    openTable();
    openAccounts();
}

void TfrmBscBanks::openAccounts(const QString &positionOn)
{
    const QVariant bank = currentValue(QStringLiteral("ID"));
    m_accounts->setBinds({{QStringLiteral("ID"), bank.isNull() ? QVariant(-1) : bank}});
    Guarded([this] { m_accounts->open(); });
    const int row = positionOn.isEmpty() ? 0 : m_accounts->findRow(QStringLiteral("ACCNO"), positionOn);
    m_accountGrid->goToRow(qMax(0, row), 0);
}

void TfrmBscBanks::dbgResultRowChanged(int)
{
    if (m_accountGrid->postCurrent())
        openAccounts();
}

bool TfrmBscBanks::postPending()
{
    return m_accountGrid->postCurrent() && TfrmPrtBscTbl::postPending();
}

void TfrmBscBanks::setEditing(bool on)
{
    TfrmPrtBscTbl::setEditing(on);
    m_accountGrid->setEditing(on);
}
