#include "frmProduct.h"

#include "DictGrid.h"
#include "MsgBox.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
TfrmProduct::StockOpener g_stockOpener;
}

TfrmProduct::TfrmProduct(QWidget *parent) : TfrmPrtBscTbl(parent)
{
    setObjectName(QStringLiteral("frmProduct"));
    setWindowTitle(QStringLiteral("库存物料编码表"));
    setTable(QStringLiteral("PRODUCT"),
             {{QStringLiteral("ID"), QStringLiteral("流水码")},
              {QStringLiteral("NUMCODE"), QStringLiteral("产品编码")},
              {QStringLiteral("NAME"), QStringLiteral("产品名称")},
              {QStringLiteral("SPEC"), QStringLiteral("产品规格")},
              {QStringLiteral("SELLUNIT"), QStringLiteral("销售~单位")},
              {QStringLiteral("FIRSTPRICE"), QStringLiteral("优等品单价")},
              {QStringLiteral("SECONDPRICE"), QStringLiteral("正品单价")},
              {QStringLiteral("THIRDPRICE"), QStringLiteral("合格品单价")},
              {QStringLiteral("UNIT"), QStringLiteral("生产~单位")}});
    btnModify->setEnabled(false);
    setStatusText(QStringLiteral("回车/鼠标双击：进入编辑界面"));
    connect(dbgResult(), &QAbstractItemView::doubleClicked, this, [this] { openStock(true); });
    setDesignedSize(900, 520);
    openTable();
}

void TfrmProduct::setStockOpener(StockOpener opener)
{
    g_stockOpener = std::move(opener);
}

void TfrmProduct::dbgResultEnter()
{
    openStock(false);
}

void TfrmProduct::openStock(bool reloadAfter)
{
    const QVariant id = currentValue(QStringLiteral("ID"));
    if (!g_stockOpener || id.isNull())
        return;
    g_stockOpener(id.toInt(), this);
    if (reloadAfter)
        refreshTable(); // shows what the stock window changed, on the same product
}

bool TfrmProduct::PickProduct(TInventory &out, const QString &keyword, QWidget *parent)
{
    out = TInventory();
    TfrmProduct w(parent);
    if (!keyword.isEmpty()) {
        w.edKeyWord->setText(keyword);
        w.btnFindClick();
    }
    if (w.exec() != mrOk || w.dbgResult()->currentRowIndex() < 0)
        return false;
    out.InvID = w.currentValue(QStringLiteral("ID")).toInt();
    out.InvNo = w.currentValue(QStringLiteral("NUMCODE")).toString().trimmed();
    out.InvName = w.currentValue(QStringLiteral("NAME")).toString().trimmed();
    out.InvStd = w.currentValue(QStringLiteral("SPEC")).toString().trimmed();
    out.PYCode = w.currentValue(QStringLiteral("PYCODE")).toString();
    out.Unit = w.currentValue(QStringLiteral("UNIT")).toString();
    return true;
}
