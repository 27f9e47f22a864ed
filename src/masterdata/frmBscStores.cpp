#include "frmBscStores.h"

TfrmBscStores::TfrmBscStores(QWidget *parent) : TfrmPrtBscTbl(parent)
{
    setObjectName(QStringLiteral("frmBscStores"));
    setWindowTitle(QStringLiteral("成品仓库编码表"));
    setTable(QStringLiteral("STORE"),
             {
                 {QStringLiteral("ID"), QStringLiteral("流水码")},
                 {QStringLiteral("NUMCODE"), QStringLiteral("仓库编码")},
                 {QStringLiteral("NAME"), QStringLiteral("名称")},
                 {QStringLiteral("PYCODE"), QStringLiteral("拼音码")},
                 {QStringLiteral("TEL"), QStringLiteral("联系电话")},
                 {QStringLiteral("CONTACT"), QStringLiteral("联系人")},
                 {QStringLiteral("ADDR"), QStringLiteral("仓库地址")}});
    setEditRoles(QStringLiteral("C"), QStringLiteral("你没有权限修改！"));
    openTable();
}
