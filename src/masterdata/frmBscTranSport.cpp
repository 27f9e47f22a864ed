#include "frmBscTranSport.h"

TfrmBscTranSport::TfrmBscTranSport(QWidget *parent) : TfrmPrtBscTbl(parent)
{
    setObjectName(QStringLiteral("frmBscTranSport"));
    setWindowTitle(QStringLiteral("运输车队表"));
    setTable(QStringLiteral("TRANSPORT"),
             {
                 {QStringLiteral("ID"), QStringLiteral("ID")},
                 {QStringLiteral("NUMCODE"), QStringLiteral("数字码")},
                 {QStringLiteral("NAME"), QStringLiteral("名称")},
                 {QStringLiteral("PYCODE"), QStringLiteral("拼音码")},
                 {QStringLiteral("TEL"), QStringLiteral("联系电话")},
                 {QStringLiteral("CONTACT"), QStringLiteral("联系人")},
                 {QStringLiteral("ADDR"), QStringLiteral("详细地址")}});
    openTable();
}
