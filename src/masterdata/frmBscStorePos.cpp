#include "frmBscStorePos.h"

TfrmBscStorePos::TfrmBscStorePos(QWidget *parent) : TfrmPrtBscTbl(parent)
{
    setObjectName(QStringLiteral("frmBscStorePos"));
    setWindowTitle(QStringLiteral("仓位表"));
    const auto stores = addLookup(QStringLiteral("SELECT ID, NUMCODE, NAME FROM STORE ORDER BY NUMCODE, ID"),
                                  QStringLiteral("编码"), QStringLiteral("仓库名称"));
    setTable(QStringLiteral("STOREPOS"),
             {{QStringLiteral("ID"), QStringLiteral("流水码")},
              {QStringLiteral("NUMCODE"), QStringLiteral("数字码")},
              {QStringLiteral("NAME"), QStringLiteral("仓位名称")},
              {QStringLiteral("PYCODE"), QStringLiteral("拼音码")},
              {QStringLiteral("STOREID"), QStringLiteral("成品仓"), stores}});
    setEditRoles(QStringLiteral("C"), QStringLiteral("你没有权限修改！"));
    openTable();
}
