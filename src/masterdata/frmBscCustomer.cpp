#include "frmBscCustomer.h"

TfrmBscCustomer::TfrmBscCustomer(QWidget *parent) : TfrmPrtBscTbl(parent)
{
    setObjectName(QStringLiteral("frmBscCustomer"));
    setWindowTitle(QStringLiteral("客户编码表"));
    const auto places = addLookup(QStringLiteral("SELECT ID, NUMCODE, NAME FROM PLACE ORDER BY NUMCODE, ID"));
    setTable(QStringLiteral("CUSTOMER"),
             {{QStringLiteral("ID"), QStringLiteral("流水码")},
              {QStringLiteral("NUMCODE"), QStringLiteral("客户编码")},
              {QStringLiteral("NAME"), QStringLiteral("客户名称")},
              {QStringLiteral("PYCODE"), QStringLiteral("拼音码")},
              {QStringLiteral("PLACEID"), QStringLiteral("所属地区"), places},
              {QStringLiteral("ABBRNAME"), QStringLiteral("客户简称")},
              {QStringLiteral("TEL"), QStringLiteral("联系电话")},
              {QStringLiteral("CONTACT"), QStringLiteral("联系人")},
              {QStringLiteral("ADDR"), QStringLiteral("地址")}});
    setEditRoles(QStringLiteral("B"), QStringLiteral("你没有权限修改！"));
    setPinyinSource(QStringLiteral("NAME"));
    setDesignedSize(940, 520);
    openTable();
}
