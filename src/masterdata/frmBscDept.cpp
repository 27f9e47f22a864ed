#include "frmBscDept.h"

TfrmBscDept::TfrmBscDept(QWidget *parent) : TfrmPrtBscTbl(parent)
{
    setObjectName(QStringLiteral("frmBscDept"));
    setWindowTitle(QStringLiteral("科室部门表"));
    setTable(QStringLiteral("DEPT"),
             {
                 {QStringLiteral("ID"), QStringLiteral("流水码")},
                 {QStringLiteral("NAME"), QStringLiteral("部门名称")},
                 {QStringLiteral("NUMCODE"), QStringLiteral("部门编码")},
                 {QStringLiteral("PYCODE"), QStringLiteral("拼音码")},
                 {QStringLiteral("POSITION"), QStringLiteral("所在位置")}});
    setEditRoles(QStringLiteral("D"), QStringLiteral("你没有权限修改！"));
    openTable();
}
