#include "frmLogin.h"

#include "DataModule.h"
#include "DbError.h"
#include "Guard.h"
#include "LoginFollowUp.h"
#include "MsgBox.h"
#include "StaffLogin.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QLineEdit *edit(QWidget *parent, const char *name, bool password)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMinimumWidth(180);
    if (password) {
        e->setEchoMode(QLineEdit::Password);
        e->setStyleSheet(QStringLiteral("lineedit-password-character: 42;")); // shown as "*"
    }
    return e;
}

} // namespace

TfrmLogin::TfrmLogin(QWidget *parent) : TfrmPrtDialog(parent)
{
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("登录"));
    setWindowFlag(Qt::FramelessWindowHint, true);

    edOpCode = edit(this, "edOpCode", false);
    edPsw = edit(this, "edPsw", true);
    edtAmter = edit(this, "edtAmter", false);
    edtAmtPsw = edit(this, "edtAmtPsw", true);

    rdoNet = new QRadioButton(QStringLiteral("网络版"), this);
    rdoNet->setObjectName(QStringLiteral("rdoNet"));
    rdoNet->setChecked(true);
    rdoLocal = new QRadioButton(QStringLiteral("单机版"), this);
    rdoLocal->setObjectName(QStringLiteral("rdoLocal"));
    chkUpdateLocal = new QCheckBox(QStringLiteral("下载数据"), this);
    chkUpdateLocal->setObjectName(QStringLiteral("chkUpdateLocal"));
    chkUpdateLocal->setChecked(true);

    btnOK = new QPushButton(QStringLiteral(" 登  陆"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel = new QPushButton(QStringLiteral(" 取  消"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    // Enter walks through the edits; it must not press a button on its own.
    for (QPushButton *b : {btnOK, btnCancel}) {
        b->setAutoDefault(false);
        b->setDefault(false);
        b->setMinimumWidth(96);
    }

    Label5 = new QLabel(QStringLiteral("[经销商版] V3.002"), this);
    Label5->setObjectName(QStringLiteral("Label5"));

    auto *title = new QLabel(QStringLiteral("陶瓷管理系统"), this);
    title->setObjectName(QStringLiteral("lbLoginTitle"));
    title->setStyleSheet(QStringLiteral("color: white; font-size: 22pt; font-weight: bold;"));
    Label5->setStyleSheet(QStringLiteral("color: #DDE8F3;"));

    auto *form = new QGridLayout;
    form->setHorizontalSpacing(10);
    form->setVerticalSpacing(8);
    auto addRow = [&](int row, const QString &label, QLineEdit *e) {
        auto *l = new QLabel(label, this);
        l->setBuddy(e);
        form->addWidget(l, row, 0, Qt::AlignRight);
        form->addWidget(e, row, 1);
    };
    addRow(0, QStringLiteral("操作员："), edOpCode);
    addRow(1, QStringLiteral("密  码："), edPsw);
    addRow(2, QStringLiteral("收款员："), edtAmter);
    addRow(3, QStringLiteral("密  码："), edtAmtPsw);

    auto *modes = new QHBoxLayout;
    modes->addWidget(rdoNet);
    modes->addWidget(rdoLocal);
    modes->addStretch();
    modes->addWidget(chkUpdateLocal);
    form->addLayout(modes, 4, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);

    auto *card = new QWidget(this);
    card->setObjectName(QStringLiteral("pnlLogin"));
    card->setAttribute(Qt::WA_StyledBackground, true);
    card->setStyleSheet(QStringLiteral("#pnlLogin { background: rgba(255,255,255,235); border-radius: 6px; }"));
    auto *cardLayout = new QVBoxLayout(card);
    cardLayout->setContentsMargins(24, 18, 24, 18);
    cardLayout->addLayout(form);
    cardLayout->addSpacing(6);
    cardLayout->addLayout(buttons);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(28, 22, 28, 14);
    outer->addWidget(title);
    outer->addSpacing(10);
    outer->addWidget(card);
    outer->addWidget(Label5, 0, Qt::AlignRight);

    connect(edOpCode, &QLineEdit::returnPressed, this, [this] { focusSelected(edPsw); });
    connect(edPsw, &QLineEdit::returnPressed, this, [this] { focusSelected(edtAmter); });
    connect(edtAmter, &QLineEdit::returnPressed, this, [this] { focusSelected(edtAmtPsw); });
    connect(edtAmtPsw, &QLineEdit::returnPressed, this, &TfrmLogin::btnOKClick);
    connect(btnOK, &QPushButton::clicked, this, &TfrmLogin::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmLogin::btnCancelClick);
    connect(rdoNet, &QRadioButton::clicked, this, &TfrmLogin::rdoNetClick);
    connect(rdoLocal, &QRadioButton::clicked, this, &TfrmLogin::rdoLocalClick);
}

void TfrmLogin::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient g(rect().topLeft(), rect().bottomRight());
    g.setColorAt(0, QColor(0x1F, 0x4E, 0x79));
    g.setColorAt(1, QColor(0x4A, 0x86, 0xB8));
    p.fillRect(rect(), g);
}

void TfrmLogin::showEvent(QShowEvent *event)
{
    TfrmPrtDialog::showEvent(event);
    if (TDM *dm = TDM::instance(); dm && !dm->Operator.StfNo.isEmpty())
        edOpCode->setText(dm->Operator.StfNo);
    focusSelected(edOpCode);
}

void TfrmLogin::focusSelected(QLineEdit *e)
{
    e->selectAll();
    e->setFocus();
}

void TfrmLogin::rdoNetClick()
{
    chkUpdateLocal->setEnabled(true);
    chkUpdateLocal->setChecked(true);
}

void TfrmLogin::rdoLocalClick()
{
    chkUpdateLocal->setChecked(false);
    chkUpdateLocal->setEnabled(false);
}

void TfrmLogin::btnCancelClick()
{
    reject();
}

void TfrmLogin::btnOKClick()
{
    if (confirm())
        accept();
}

bool TfrmLogin::confirm()
{
    TDM &dm = DM();
    // The mode is chosen before any check and stays, as the scratch connection follows it.
    dm.LocalMode = rdoLocal->isChecked();

    bool opened = Guarded([&] {
        dm.EnsureOpen(dm.LocalMode);
        dm.RefreshBaseData();
    });
    if (!opened)
        return false;

    StaffLogin::Lookup clerk;
    if (!Guarded([&] { clerk = StaffLogin::find(dm.commandDb(), edOpCode->text(), edPsw->text()); }))
        return false;
    if (clerk.status != StaffLogin::Lookup::Found) {
        MsgBox(mbInformation, clerk.status == StaffLogin::Lookup::NotFound
                                  ? QStringLiteral("开单员工号或密码输入不正确,请重新输入.")
                                  : QStringLiteral("发现重复的开单员工号,请联络系统管理员."));
        focusSelected(edOpCode);
        return false;
    }
    dm.Operator = clerk.staff;

    StaffLogin::Lookup cashier;
    if (!Guarded([&] { cashier = StaffLogin::find(dm.commandDb(), edtAmter->text(), edtAmtPsw->text()); }))
        return false;
    if (cashier.status != StaffLogin::Lookup::Found) {
        MsgBox(mbInformation, cashier.status == StaffLogin::Lookup::NotFound
                                  ? QStringLiteral("收款员工号或密码输入不正确,请重新输入.")
                                  : QStringLiteral("发现重复的收款员工号,请联络系统管理员."));
        focusSelected(edtAmter);
        return false;
    }
    dm.Cashier = cashier.staff;

    // The login counts from here; a failing follow-up is reported but does not undo it.
    Guarded([&] {
        RunLoginFollowUp(this, dm.dbMain(), dm.dbLocal(), !dm.LocalMode && chkUpdateLocal->isChecked());
    });
    return true;
}

bool RunLogin(QWidget *parent)
{
    TfrmLogin dlg(parent);
    return dlg.exec() == QDialog::Accepted;
}
