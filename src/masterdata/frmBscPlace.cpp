#include "frmBscPlace.h"

TfrmBscPlace::TfrmBscPlace(QWidget *parent) : TfrmPrtBscTbl(parent)
{
    setObjectName(QStringLiteral("frmBscPlace"));
    setWindowTitle(QStringLiteral("地区表"));
    setTable(QStringLiteral("PLACE"),
             {
                 {QStringLiteral("ID"), QStringLiteral("ID")},
                 {QStringLiteral("NUMCODE"), QStringLiteral("数字码")},
                 {QStringLiteral("NAME"), QStringLiteral("名称")},
                 {QStringLiteral("PYCODE"), QStringLiteral("拼单码")},
                 {QStringLiteral("TELDISTR"), QStringLiteral("电话区号")},
                 {QStringLiteral("IDDISTR"), QStringLiteral("身份证区号")}});
    setEditRoles(QStringLiteral("A"), QStringLiteral("你没有权限修改！"));
    openTable();
}
