#pragma once

#include "frmPrtDialog.h"

#include <QSqlDatabase>

class QLabel;
class QProgressBar;

// The base-data download: shown modally by its opener with DownloadFlag set, it copies
// the base tables from the server into the local file shortly after it appears, then
// closes itself.
class TfrmProgress : public TfrmPrtDialog
{
    Q_OBJECT
public:
    TfrmProgress(const QSqlDatabase &server, const QSqlDatabase &local, QWidget *parent = nullptr);

    bool DownloadFlag = false;

    QLabel *lbldnload;
    QProgressBar *pgbdnload;

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void tmrTimer();

private:
    bool syncTable(const QString &table);

    QSqlDatabase m_server;
    QSqlDatabase m_local;
    bool m_started = false;
};
