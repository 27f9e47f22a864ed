#include "frmSysParam.h"

TfrmSysParam::TfrmSysParam(QWidget *parent) : TfrmPrtBscTbl(parent)
{
    setObjectName(QStringLiteral("frmSysParam"));
    setWindowTitle(QStringLiteral("frmSysParam"));
    setTable(QStringLiteral("SYSPARAM"),
             {{QStringLiteral("ID"), QStringLiteral("流水号")},
              {QStringLiteral("PRMCODE"), QStringLiteral("参数表示符")},
              {QStringLiteral("NAME"), QStringLiteral("参数名")},
              {QStringLiteral("VALUE1"), QStringLiteral("参数值1")},
              {QStringLiteral("VALUE2"), QStringLiteral("参数值2")},
              {QStringLiteral("ISWAS"), QStringLiteral("费码"), TDictColumn::Kind::Check}},
             QStringLiteral("ID"));
    openTable();
}

void TfrmSysParam::tblResultNewRecord(int row)
{
    TfrmPrtBscTbl::tblResultNewRecord(row);
    tblResult()->setValue(row, QStringLiteral("ISWAS"), 0);
}
