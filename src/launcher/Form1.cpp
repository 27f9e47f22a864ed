#include "Form1.h"

#include "Launcher.h"
#include "MsgBox.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TForm1::TForm1(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    const QString caption = QStringLiteral("数据库正在初始化...");
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(caption);

    Label1 = new QLabel(caption, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont big = Label1->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    Label1->setFont(big);

    ProBar = new QProgressBar(this);
    ProBar->setObjectName(QStringLiteral("ProBar"));
    ProBar->setRange(0, 100);
    ProBar->setValue(0);
    ProBar->setMinimumWidth(400);

    pnlAdmin = new QFrame(this);
    pnlAdmin->setObjectName(QStringLiteral("pnlAdmin"));
    auto *hint = new QLabel(QStringLiteral("首次使用：请设置系统管理员（拥有全部权限）的工号和密码。"), pnlAdmin);
    hint->setWordWrap(true);
    edAdminNo = new QLineEdit(pnlAdmin);
    edAdminNo->setObjectName(QStringLiteral("edAdminNo"));
    edAdminNo->setMaxLength(10);
    edAdminPsw = new QLineEdit(pnlAdmin);
    edAdminPsw->setObjectName(QStringLiteral("edAdminPsw"));
    edAdminPsw->setEchoMode(QLineEdit::Password);
    edAdminPsw2 = new QLineEdit(pnlAdmin);
    edAdminPsw2->setObjectName(QStringLiteral("edAdminPsw2"));
    edAdminPsw2->setEchoMode(QLineEdit::Password);
    btnOK = new QPushButton(QStringLiteral("确  定"), pnlAdmin);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel = new QPushButton(QStringLiteral("取  消"), pnlAdmin);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    // Enter walks through the edits instead of pressing a default button.
    for (QPushButton *b : {btnOK, btnCancel})
        b->setAutoDefault(false);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("管理员工号："), edAdminNo);
    form->addRow(QStringLiteral("密　　码："), edAdminPsw);
    form->addRow(QStringLiteral("确认密码："), edAdminPsw2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto *adminLayout = new QVBoxLayout(pnlAdmin);
    adminLayout->setContentsMargins(0, 8, 0, 0);
    adminLayout->addWidget(hint);
    adminLayout->addLayout(form);
    adminLayout->addLayout(buttons);
    pnlAdmin->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(12);
    layout->addWidget(Label1);
    layout->addWidget(ProBar);
    layout->addWidget(pnlAdmin);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(edAdminNo, &QLineEdit::returnPressed, edAdminPsw, qOverload<>(&QWidget::setFocus));
    connect(edAdminPsw, &QLineEdit::returnPressed, edAdminPsw2, qOverload<>(&QWidget::setFocus));
    connect(edAdminPsw2, &QLineEdit::returnPressed, this, &TForm1::btnOKClick);
    connect(btnOK, &QPushButton::clicked, this, &TForm1::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TForm1::btnCancelClick);
}

void TForm1::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centre();
}

// Without a frame the window needs an edge of its own to stand out from the desktop.
void TForm1::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter p(this);
    p.setPen(QColor(0x7F, 0x93, 0xA8));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TForm1::centre()
{
    adjustSize();
    if (QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
}

bool TForm1::prepare(const LaunchOptions &options)
{
    FirstRunSetup setup(options.dataDir);
    setup.onProgress = [this](int percent) {
        ProBar->setValue(percent);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    try {
        return setup.run([&] { return administrator(options); });
    } catch (const SetupError &e) {
        MsgBox(mbError, QStringLiteral("数据库初始化失败。\n%1\n下次启动时将重新初始化。").arg(e.text()));
        return false;
    }
}

std::optional<AdminAccount> TForm1::administrator(const LaunchOptions &options)
{
    if (options.adminNumber.isEmpty() || options.adminPasswordFile.isEmpty())
        return askAdministrator(options.adminNumber);
    return AdminAccount{options.adminNumber, ReadAdminPasswordFile(options.adminPasswordFile)};
}

std::optional<AdminAccount> TForm1::askAdministrator(const QString &number)
{
    edAdminNo->setText(number);
    pnlAdmin->show();
    centre();
    (number.isEmpty() ? edAdminNo : edAdminPsw)->setFocus();

    QEventLoop loop;
    m_asking = &loop;
    const bool confirmed = loop.exec() == 0;
    m_asking = nullptr;
    pnlAdmin->setEnabled(false);
    if (!confirmed)
        return std::nullopt;
    return AdminAccount{edAdminNo->text(), edAdminPsw->text()};
}

void TForm1::btnOKClick()
{
    if (!m_asking)
        return;
    const AdminAccount admin{edAdminNo->text(), edAdminPsw->text()};
    if (const QString problem = FirstRunSetup::adminProblem(admin); !problem.isEmpty()) {
        MsgBox(mbError, problem);
        const bool numberGiven = !admin.number.trimmed().isEmpty();
        (numberGiven && admin.password.trimmed().isEmpty() ? edAdminPsw : edAdminNo)->setFocus();
        return;
    }
    if (edAdminPsw->text().trimmed() != edAdminPsw2->text().trimmed()) {
        MsgBox(mbError, QStringLiteral("两次输入的密码不相同！"));
        edAdminPsw2->selectAll();
        edAdminPsw2->setFocus();
        return;
    }
    m_asking->exit(0);
}

void TForm1::btnCancelClick()
{
    if (m_asking)
        m_asking->exit(1);
}

// Esc cancels while the administrator is asked; the preparation itself is not interrupted.
void TForm1::reject()
{
    btnCancelClick();
}
