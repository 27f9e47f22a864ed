#include "frmSupplier.h"

TfrmSupplier::TfrmSupplier(QWidget *parent) : TfrmPrtBscTbl(parent)
{
    setObjectName(QStringLiteral("frmSupplier"));
    setWindowTitle(QStringLiteral("供应商编码表"));
    setTable(QStringLiteral("SUPPLIER"),
             {{QStringLiteral("ID"), QStringLiteral("ID")},
              {QStringLiteral("NUMCODE"), QStringLiteral("数字码")},
              {QStringLiteral("NAME"), QStringLiteral("名称")},
              {QStringLiteral("PYCODE"), QStringLiteral("拼音码")},
              {QStringLiteral("ABBRNAME"), QStringLiteral("简称")},
              {QStringLiteral("TEL"), QStringLiteral("电话")},
              {QStringLiteral("CONTACT"), QStringLiteral("联系人")},
              {QStringLiteral("ADDR"), QStringLiteral("详细地址")}});
    setEditRoles(QStringLiteral("D"), QStringLiteral("你没有权限修改！"));
    setPinyinSource(QStringLiteral("NAME"));
    setDesignedSize(860, 480);
    openTable();
}
