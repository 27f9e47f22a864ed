#include "frmBscProdKind.h"

TfrmBscProdKind::TfrmBscProdKind(QWidget *parent) : TfrmPrtBscTbl(parent)
{
    setObjectName(QStringLiteral("frmBscProdKind"));
    setWindowTitle(QStringLiteral("产品分类表"));
    const auto parents = addLookup(QStringLiteral("SELECT ID, NUMCODE, NAME FROM PRODKIND ORDER BY NUMCODE, ID"),
                                   QStringLiteral("编码"), QStringLiteral("分类名称"));
    setTable(QStringLiteral("PRODKIND"),
             {{QStringLiteral("ID"), QStringLiteral("流水号")},
              {QStringLiteral("NUMCODE"), QStringLiteral("编码")},
              {QStringLiteral("NAME"), QStringLiteral("分类名称")},
              {QStringLiteral("PACKFEE"), QStringLiteral("装车费/箱")},
              {QStringLiteral("PARENT"), QStringLiteral("上级分类"), parents},
              {QStringLiteral("GRADE"), QStringLiteral("级别")}});
    setEditRoles(QStringLiteral("C"), QStringLiteral("你没有权限修改产品分类编码表！"));
    openTable();
}
