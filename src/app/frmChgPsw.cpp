#include "frmChgPsw.h"

#include "DataModule.h"
#include "Guard.h"
#include "MsgBox.h"
#include "Sql.h"
#include "StaffLogin.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit *passwordEdit(QWidget *parent, const char *name)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setEchoMode(QLineEdit::Password);
    e->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    e->setMinimumWidth(200);
    return e;
}

void focusSelected(QLineEdit *e)
{
    e->selectAll();
    e->setFocus();
}

} // namespace

TfrmChgPsw::TfrmChgPsw(QWidget *parent) : TfrmPrtDialog(parent)
{
    setObjectName(QStringLiteral("frmChgPsw"));
    setWindowTitle(QStringLiteral("修改密码"));

    auto *who = new QGroupBox(QStringLiteral("当前操作员："), this);
    auto *whoForm = new QFormLayout(who);
    lbStfNo = new QLabel(who);
    lbStfNo->setObjectName(QStringLiteral("lbStfNo"));
    lbStfName = new QLabel(who);
    lbStfName->setObjectName(QStringLiteral("lbStfName"));
    whoForm->addRow(QStringLiteral("操作员工号："), lbStfNo);
    whoForm->addRow(QStringLiteral("操作员姓名："), lbStfName);

    auto *psw = new QGroupBox(QStringLiteral("输入密码："), this);
    auto *pswForm = new QFormLayout(psw);
    edOldPsw = passwordEdit(psw, "edOldPsw");
    edNewPsw = passwordEdit(psw, "edNewPsw");
    edCfmNewPsw = passwordEdit(psw, "edCfmNewPsw");
    pswForm->addRow(QStringLiteral("旧密码："), edOldPsw);
    pswForm->addRow(QStringLiteral("新密码："), edNewPsw);
    pswForm->addRow(QStringLiteral("重复新密码："), edCfmNewPsw);

    btnOK = new QPushButton(QStringLiteral("确定"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel = new QPushButton(QStringLiteral("取消"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    for (QPushButton *b : {btnOK, btnCancel}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(who);
    layout->addWidget(psw);
    layout->addLayout(buttons);

    connect(edOldPsw, &QLineEdit::returnPressed, this, [this] { focusSelected(edNewPsw); });
    connect(edNewPsw, &QLineEdit::returnPressed, this, [this] { focusSelected(edCfmNewPsw); });
    connect(btnOK, &QPushButton::clicked, this, &TfrmChgPsw::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmChgPsw::showEvent(QShowEvent *event)
{
    TfrmPrtDialog::showEvent(event);
    // The clerk's own row, always on the server.
    Guarded([this] {
        QSqlQuery q = Sql::exec(DM().dbMain(), QStringLiteral("SELECT NUMCODE, NAME FROM STAFF WHERE ID = :ID"),
                                {{QStringLiteral("ID"), DM().Operator.StfID}});
        if (q.next()) {
            lbStfNo->setText(q.value(0).toString().trimmed());
            lbStfName->setText(q.value(1).toString().trimmed());
        }
    });
    focusSelected(edOldPsw);
}

void TfrmChgPsw::btnOKClick()
{
    const QString oldPsw = edOldPsw->text().trimmed();
    if (oldPsw.isEmpty()) {
        MsgBox(mbError, QStringLiteral("旧密码不能为空！"));
        focusSelected(edOldPsw);
        return;
    }
    const int stfId = DM().Operator.StfID;
    bool matches = false;
    if (!Guarded([&] { matches = StaffLogin::passwordMatches(DM().dbMain(), stfId, oldPsw); }))
        return;
    if (!matches) {
        MsgBox(mbError, QStringLiteral("旧密码输入不正确！"));
        focusSelected(edOldPsw);
        return;
    }
    const QString newPsw = edNewPsw->text().trimmed();
    if (newPsw != edCfmNewPsw->text().trimmed()) {
        MsgBox(mbError, QStringLiteral("新密码与确认密码不相同！"));
        focusSelected(edNewPsw);
        return;
    }
    if (!Guarded([&] { StaffLogin::setPassword(DM().dbMain(), stfId, newPsw); }))
        return;
    MsgBox(mbInformation, QStringLiteral("新密码修改成功！"));
    accept();
}
