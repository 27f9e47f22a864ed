#include "frmInventory.h"

TfrmInventory::TfrmInventory(QWidget *parent) : TfrmPrtBscTbl(parent)
{
    setObjectName(QStringLiteral("frmInventory"));
    setWindowTitle(QStringLiteral("原料编码表"));
    setTable(QStringLiteral("INVENTORY"),
             {
                 {QStringLiteral("ID"), QStringLiteral("流水号")},
                 {QStringLiteral("NUMCODE"), QStringLiteral("数字码")},
                 {QStringLiteral("NAME"), QStringLiteral("物料名称")},
                 {QStringLiteral("SPEC"), QStringLiteral("规格")},
                 {QStringLiteral("KINDID"), QStringLiteral("分类")},
                 {QStringLiteral("UNIT"), QStringLiteral("单位")},
                 {QStringLiteral("PRICE"), QStringLiteral("单价")},
                 {QStringLiteral("PYCODE"), QStringLiteral("拼音码")}});
    setEditRoles(QStringLiteral("D"), QStringLiteral("你没有权限修改！"));
    openTable();
}
