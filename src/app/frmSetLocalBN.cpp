#include "frmSetLocalBN.h"

#include "Guard.h"
#include "MsgBox.h"
#include "Sql.h"
#include "Transaction.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {

struct Counter {
    const char *code;
    const char *label;
};
const Counter kSell{"LOCALBILLNO_SELL", "销售单"};
const Counter kOrder{"LOCALBILLNO_ORDER", "订货单"};

QString readCounter(const QSqlDatabase &local, const Counter &c)
{
    return Sql::scalar(local, QStringLiteral("SELECT VALUE2 FROM SYSPARAM WHERE PRMCODE = :CODE"),
                       {{"CODE", QString::fromLatin1(c.code)}})
        .toString()
        .trimmed();
}

void writeCounter(const QSqlDatabase &local, const Counter &c, const QString &value)
{
    const QString code = QString::fromLatin1(c.code);
    Sql::run(local, QStringLiteral("DELETE FROM SYSPARAM WHERE PRMCODE = :CODE"), {{"CODE", code}});
    const qlonglong id = Sql::scalar(local, QStringLiteral("SELECT COALESCE(MAX(ID), 0) + 1 FROM SYSPARAM WHERE ISWAS = 0"))
                             .toLongLong();
    Sql::run(local, QStringLiteral("INSERT INTO SYSPARAM (ID, PRMCODE, VALUE2, ISWAS) VALUES (:ID, :CODE, :V, 0)"),
             {{"ID", id}, {"CODE", code}, {"V", value}});
}

} // namespace

TfrmSetLocalBN::TfrmSetLocalBN(const QSqlDatabase &local, QWidget *parent)
    : TfrmPrtDialog(parent), m_local(local)
{
    setObjectName(QStringLiteral("frmSetLocalBN"));
    setWindowTitle(QStringLiteral("frmSetLocalBN"));

    auto *group = new QGroupBox(QStringLiteral("请填写本地初始单据号："), this);
    edtSellNo = new QLineEdit(group);
    edtSellNo->setObjectName(QStringLiteral("edtSellNo"));
    edtOrderNo = new QLineEdit(group);
    edtOrderNo->setObjectName(QStringLiteral("edtOrderNo"));
    for (QLineEdit *e : {edtSellNo, edtOrderNo})
        e->setMinimumWidth(160);
    auto *form = new QFormLayout(group);
    form->addRow(QStringLiteral("销售单："), edtSellNo);
    form->addRow(QStringLiteral("订货单："), edtOrderNo);

    btnOK = new QPushButton(QStringLiteral("确定"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("取消"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnOK, &QPushButton::clicked, this, &TfrmSetLocalBN::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    Guarded([&] {
        edtSellNo->setText(readCounter(m_local, kSell));
        edtOrderNo->setText(readCounter(m_local, kOrder));
    });
}

void TfrmSetLocalBN::btnOKClick()
{
    // The counters are advanced as numbers and end up in 10-character bill numbers.
    static const QRegularExpression number(QStringLiteral("^[0-9]{1,9}$"));
    const std::pair<const Counter *, QLineEdit *> fields[] = {{&kSell, edtSellNo}, {&kOrder, edtOrderNo}};
    for (const auto &[counter, edit] : fields) {
        if (!number.match(edit->text().trimmed()).hasMatch()) {
            MsgBox(mbError, QStringLiteral("%1的初始单号必须是不超过9位的数字").arg(QString::fromUtf8(counter->label)));
            edit->setFocus();
            edit->selectAll();
            return;
        }
    }
    const bool saved = Guarded([&] {
        RunInTransaction(m_local, [&] {
            for (const auto &[counter, edit] : fields)
                writeCounter(m_local, *counter, QString::number(edit->text().trimmed().toLongLong()));
        });
    });
    if (saved)
        accept();
}
