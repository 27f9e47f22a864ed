#pragma once

#include "FirstRunSetup.h"

#include <QDialog>

class QEventLoop;
class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
struct LaunchOptions;

// The launcher's window while a new data folder is prepared: borderless, centred, a
// progress bar, and the first administrator's number and password when the command
// line did not give them.
class TForm1 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);

    // Runs the set-up. False when a step failed (the reason has been shown) or the
    // operator cancelled.
    bool prepare(const LaunchOptions &options);

    QLabel *Label1 = nullptr;
    QProgressBar *ProBar = nullptr;
    QFrame *pnlAdmin = nullptr;
    QLineEdit *edAdminNo = nullptr;
    QLineEdit *edAdminPsw = nullptr;
    QLineEdit *edAdminPsw2 = nullptr;
    QPushButton *btnOK = nullptr;
    QPushButton *btnCancel = nullptr;

public slots:
    void btnOKClick();
    void btnCancelClick();
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<AdminAccount> administrator(const LaunchOptions &options);
    std::optional<AdminAccount> askAdministrator(const QString &number);
    void centre();

    QEventLoop *m_asking = nullptr;
};
