#include "frmBscWorkKind.h"

TfrmBscWorkKind::TfrmBscWorkKind(QWidget *parent) : TfrmPrtBscTbl(parent)
{
    setObjectName(QStringLiteral("frmBscWorkKind"));
    setWindowTitle(QStringLiteral("工种类别表"));
    setTable(QStringLiteral("WORKKIND"),
             {{QStringLiteral("ID"), QStringLiteral("流水码")},
              {QStringLiteral("NUMCODE"), QStringLiteral("工种编码")},
              {QStringLiteral("NAME"), QStringLiteral("工种名称")},
              {QStringLiteral("PYCODE"), QStringLiteral("拼音码")},
              {QStringLiteral("WORKPNT"), QStringLiteral("工分值")}});
    setEditRoles(QStringLiteral("E"), QStringLiteral("你没有权限修改！"));
    setDesignedSize(600, 420);
    openTable();
}

void TfrmBscWorkKind::tblResultNewRecord(int row)
{
    TfrmPrtBscTbl::tblResultNewRecord(row);
    tblResult()->setValue(row, QStringLiteral("WORKPNT"), 0.0);
    tblResult()->setValue(row, QStringLiteral("WORKPRICE"), 0.0);
}
