#include "frmBscProsNO.h"

TfrmBscProsNO::TfrmBscProsNO(QWidget *parent) : TfrmPrtBscTbl(parent)
{
    setObjectName(QStringLiteral("frmBscProsNO"));
    setWindowTitle(QStringLiteral("压机编号表"));
    const auto kinds = addLookup(QStringLiteral("SELECT ID, NUMCODE, NAME FROM PRODKIND ORDER BY NUMCODE, ID"),
                                 QStringLiteral("编码"), QStringLiteral("产品分类名称"));
    setTable(QStringLiteral("PRSNO"),
             {{QStringLiteral("PRSNO"), QStringLiteral("压机号")},
              {QStringLiteral("WORKSHOP"), QStringLiteral("生产车间")},
              {QStringLiteral("PRODKINDID"), QStringLiteral("产品类型"), kinds}},
             QStringLiteral("PRSNO"));
    setEditRoles(QStringLiteral("E"), QStringLiteral("你没有权限修改！"));
    setDesignedSize(560, 420);
    openTable();
}

// The press number is typed; there is no ID to give.
void TfrmBscProsNO::tblResultNewRecord(int) {}
