#include "frmStaff.h"

#include "DataModule.h"
#include "Guard.h"
#include "MsgBox.h"
#include "Passwords.h"

#include <QHBoxLayout>
#include <QLabel>

const QString TfrmStaff::DefaultPassword = QStringLiteral("0");

TfrmStaff::TfrmStaff(QWidget *parent) : TfrmPrtBscTbl(parent)
{
    setObjectName(QStringLiteral("frmStaff"));
    setWindowTitle(QStringLiteral("员工编码表"));
    const auto depts = addLookup(QStringLiteral("SELECT ID, NUMCODE, NAME FROM DEPT ORDER BY NUMCODE, ID"));
    const auto kinds = addLookup(QStringLiteral("SELECT ID, NUMCODE, NAME FROM WORKKIND ORDER BY NUMCODE, ID"),
                                 QStringLiteral("编码"), QStringLiteral("工种名称"));
    using K = TDictColumn::Kind;
    setTable(QStringLiteral("STAFF"),
             {{QStringLiteral("ID"), QStringLiteral("流水码")},
              {QStringLiteral("NUMCODE"), QStringLiteral("工号")},
              {QStringLiteral("NAME"), QStringLiteral("姓名")},
              {QStringLiteral("PYCODE"), QStringLiteral("拼音码")},
              {QStringLiteral("DEPID"), QStringLiteral("所属部门"), depts},
              {QStringLiteral("INDATE"), QStringLiteral("入职日期")},
              {QStringLiteral("OUTDATE"), QStringLiteral("离职日期")},
              {QStringLiteral("ISACTIVE"), QStringLiteral("是否~在职"), K::Check},
              {QStringLiteral("WORKKINDID"), QStringLiteral("工种"), kinds},
              {QStringLiteral("PSW"), QStringLiteral("密码"), K::Password, true},
              {QStringLiteral("ROLE"), QStringLiteral("权限")},
              {QStringLiteral("IDCARD"), QStringLiteral("身份证号")},
              {QStringLiteral("ADDR"), QStringLiteral("家庭住址")},
              {QStringLiteral("TEL"), QStringLiteral("联系电话")}});
    setEditRoles(QStringLiteral("AE"), QStringLiteral("你没有权限修改！"));
    setPinyinSource(QStringLiteral("NAME"));

    auto *legend = new QLabel(QStringLiteral("人员权限设置说明：\n\nA－管理员权限\nB－财务\nC－仓管员\nD－销售开单员\nE－收款员"), this);
    legend->setObjectName(QStringLiteral("lbLegend"));
    legend->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    legend->setMargin(8);
    legend->setFrameShape(QFrame::StyledPanel);
    sideArea()->addWidget(legend);
    setDesignedSize(1000, 520);
    openTable();
}

void TfrmStaff::tblResultNewRecord(int row)
{
    TfrmPrtBscTbl::tblResultNewRecord(row);
    tblResult()->setValue(row, QStringLiteral("ISACTIVE"), 1);
    tblResult()->setValue(row, QStringLiteral("PSW"), Passwords::hash(DefaultPassword));
}

bool TfrmStaff::tblResultBeforeDelete(int)
{
    MsgBox(mbInformation, QStringLiteral("为了数据安全性，暂时先不允许删除数据。如果录入错了，请把员工设置为不在职。"));
    return false;
}

bool TfrmStaff::tblResultBeforeChange(int, const QString &field, const QVariant &)
{
    if (field != QLatin1String("ROLE"))
        return true;
    bool admin = false;
    Guarded([&] { admin = DM().StaffHasRole(QStringLiteral("A")); });
    if (!admin)
        MsgBox(mbError, QStringLiteral("只有系统管理员才能修改员工权限！"));
    return admin;
}
