#include "MainMenuItems.h"

namespace {

const QString kNoEntry = QStringLiteral("你没有权限进入此界面");
const QString kNoRight = QStringLiteral("你没有权限！");
const QString kNoH = QStringLiteral("你没有H权限进入此界面");

MainMenuItem item(const char *name, const char *caption, const char *gate = "", const QString &refusal = {},
                  bool hidden = false)
{
    return {QString::fromLatin1(name), QString::fromUtf8(caption), QString::fromLatin1(gate), refusal, hidden};
}

MainMenuItem separator()
{
    return {};
}

} // namespace

const QList<MainMenu> &mainMenus()
{
    static const QList<MainMenu> menus = {
        {QStringLiteral("N3"), QStringLiteral("销售管理"), false,
         {item("nProdDtl", "库存查询", "CD", kNoEntry), item("nBillSell", "销售单", "DF", kNoEntry),
          item("nBillOrder", "订货单", "DF", kNoEntry), item("nBillQrySell", "销售单查询", "CD", kNoEntry),
          item("nBillQrySell2", "销售明细查询", "CD", kNoEntry), item("nBillQryOrder", "订货单查询", "CD", kNoEntry)}},
        {QStringLiteral("N8"), QStringLiteral("仓库管理"), false,
         {item("nBillProdIn", "成品仓入库收数", "C", kNoRight, true),
          item("nBillProdCls", "成品仓入库分级", "C", kNoRight, true),
          item("nSellCfm", "成品仓出库确认", "C", kNoRight), item("nBillProdOut", "成品仓库存调整", "C", kNoRight),
          item("nBillProdPos", "货位调拨", "", {}, true), separator(), item("NBillIn", "产品入仓单", "CF", kNoEntry),
          item("nBillQryProdIn", "产品入库查询", "C", kNoRight, true),
          item("nBillQryProdIn2", "产品入库明细查询", "C", kNoRight),
          item("nBillQryProdOut", "成品出库查询", "C", kNoRight), separator(), item("N13", "盘点查询", "HC", kNoH),
          item("mmiBalDetail", "盘点单", "HC", kNoH)}},
        {QStringLiteral("N22"), QStringLiteral("财务出纳"), false,
         {item("nBillPay", "收款单", "B", kNoRight), item("nBillQryPay", "收款单查询", "B", kNoRight), separator(),
          item("N15", "付款单", "BF", kNoEntry), item("N16", "付款查询", "B", kNoRight), separator(),
          item("nBillSalary", "每月工资单", "E", kNoEntry, true), separator(), item("nReport", "报表统计"),
          item("nMon", "单据月结"), item("nCanMon", "取消月结")}},
        {QStringLiteral("N26"), QStringLiteral("生产管理"), true,
         {item("nBillPrsCnt", "压机读数录入", "E", kNoRight), item("N28", "地磅读数录入", "", {}, true), separator(),
          item("nBillStrIn", "入仓单填写", "D", kNoRight), item("nBillStrOut", "出仓单填写", "D", kNoRight),
          item("nBillQryStrIn", "入仓单查询", "D", kNoRight), item("nBillQryStrOut", "出仓单查询", "D", kNoRight)}},
        {QStringLiteral("N11"), QStringLiteral("字典维护"), false,
         {item("nProduct", "产品编码表"), item("N7", "产品分类表"), item("nStore", "成品仓库编码表"),
          item("N6", "成品仓仓位表"), item("N4", "压机编号表", "", {}, true), separator(),
          item("nInventory", "原料编码表", "", {}, true), item("nDept", "科室部门表"), item("nStaff", "员工表"),
          item("nWorkKind", "工种类别表"), separator(), item("nSupplier", "供应商编码表"),
          item("nCustomer", "客户编码表", "BC", kNoRight), item("nBanks", "银行账号编码表", "B", kNoRight),
          item("nTranSport", "运输车队", "AC", kNoRight), item("nPlace", "全国地点表", "A", kNoRight), separator(),
          item("nSysParam", "系统参数表"), separator(), item("nRefreshData", "刷新基础数据")}},
    };
    return menus;
}

const QList<MainMenuItem> &extraActions()
{
    // Opens the warehouse receipt like NBillIn, behind another gate.
    static const QList<MainMenuItem> extra = {item("actTBillIn", "入仓单", "BF", kNoEntry)};
    return extra;
}

const QList<NavPage> &navPages()
{
    static const QList<NavPage> pages = {
        {QStringLiteral("pageSell"), QStringLiteral("销售管理"),
         {{QStringLiteral("库存查询"), QStringLiteral("nProdDtl")}, {QStringLiteral("销售单"), QStringLiteral("nBillSell")},
          {QStringLiteral("订货单"), QStringLiteral("nBillOrder")}, {QStringLiteral("销售查询"), QStringLiteral("nBillQrySell")},
          {QStringLiteral("销售明细查询"), QStringLiteral("nBillQrySell2")},
          {QStringLiteral("订货查询"), QStringLiteral("nBillQryOrder")}}},
        {QStringLiteral("pageStore"), QStringLiteral("仓库管理"),
         {{QStringLiteral("入仓单"), QStringLiteral("actTBillIn")}, {QStringLiteral("入仓明细查询"), QStringLiteral("nBillQryProdIn2")},
          {QStringLiteral("出库确认"), QStringLiteral("nSellCfm")}, {QStringLiteral("库存调整"), QStringLiteral("nBillProdOut")},
          {QStringLiteral("出库查询"), QStringLiteral("nBillQryProdOut")}, {QStringLiteral("库存查询"), QStringLiteral("nProdDtl")},
          {QStringLiteral("盘点查询"), QStringLiteral("actQryBal")}, {QStringLiteral("盘点单"), QStringLiteral("actBal")}}},
        {QStringLiteral("pageFinance"), QStringLiteral("财务出纳"),
         {{QStringLiteral("收款单"), QStringLiteral("nBillPay")}, {QStringLiteral("收款查询"), QStringLiteral("nBillQryPay")},
          {QStringLiteral("付款单"), QStringLiteral("actTBillPayOut")}, {QStringLiteral("付款查询"), QStringLiteral("actqtyTBillPayOut")},
          {QStringLiteral("报表统计"), QStringLiteral("nReport")}, {QStringLiteral("单据月结"), QStringLiteral("nMon")}}},
        {QStringLiteral("pageDaily"), QStringLiteral("日常操作"),
         {{QStringLiteral("销售单"), QStringLiteral("nBillSell")}, {QStringLiteral("订货单"), QStringLiteral("nBillOrder")}}},
    };
    return pages;
}

QString actionAlias(const QString &name)
{
    if (name == QLatin1String("actQryBal"))
        return QStringLiteral("N13");
    if (name == QLatin1String("actBal"))
        return QStringLiteral("mmiBalDetail");
    if (name == QLatin1String("actTBillPayOut"))
        return QStringLiteral("N15");
    if (name == QLatin1String("actqtyTBillPayOut"))
        return QStringLiteral("N16");
    return name;
}
