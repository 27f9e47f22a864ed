#include "frmProgress.h"

#include "LocalTransfer.h"
#include "MsgBox.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

TfrmProgress::TfrmProgress(const QSqlDatabase &server, const QSqlDatabase &local, QWidget *parent)
    : TfrmPrtDialog(parent), m_server(server), m_local(local)
{
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(QStringLiteral("进度条显示"));

    lbldnload = new QLabel(this);
    lbldnload->setObjectName(QStringLiteral("lbldnload"));
    pgbdnload = new QProgressBar(this);
    pgbdnload->setObjectName(QStringLiteral("pgbdnload"));
    pgbdnload->setValue(0);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lbldnload);
    layout->addWidget(pgbdnload);
    setMinimumWidth(420);
}

void TfrmProgress::showEvent(QShowEvent *event)
{
    TfrmPrtDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        QTimer::singleShot(100, this, &TfrmProgress::tmrTimer);
    }
}

void TfrmProgress::tmrTimer()
{
    if (DownloadFlag) {
        DownloadFlag = false;
        for (const char *table : {"Customer", "Dept", "Place", "ProdStock", "Product", "Staff", "Store"}) {
            if (!syncTable(QString::fromLatin1(table))) {
                MsgBox(mbInformation, QStringLiteral("同步本地基础数据失败"));
                break;
            }
        }
    }
    accept();
}

bool TfrmProgress::syncTable(const QString &table)
{
    lbldnload->setText(QStringLiteral("正在同步") + table + QStringLiteral("表数据，请稍候......"));
    lbldnload->repaint();
    // Repainting after every one of 200 000 rows would cost more than the copy; a few
    // times a second looks the same.
    QElapsedTimer sincePaint;
    sincePaint.start();
    return SyncBaseData(m_server, m_local, table, [&](int done, int total) {
        if (done == 0) {
            pgbdnload->setRange(0, total);
            pgbdnload->setValue(0);
            pgbdnload->repaint();
            return;
        }
        if (total > pgbdnload->maximum())
            pgbdnload->setMaximum(total);
        pgbdnload->setValue(done);
        if (done == total || sincePaint.elapsed() >= 50) {
            pgbdnload->repaint();
            sincePaint.restart();
        }
    });
}
