#include "LoginFollowUp.h"

#include "LocalCounters.h"
#include "frmProgress.h"
#include "frmSetLocalBN.h"

void RunLoginFollowUp(QWidget *parent, const QSqlDatabase &server, const QSqlDatabase &local, bool download)
{
    bool countersPresent = !NextLocalCounter(local, QStringLiteral("BILLSELLP")).isEmpty();
    if (countersPresent)
        countersPresent = !NextLocalCounter(local, QStringLiteral("BILLORDERP")).isEmpty();
    if (!countersPresent) {
        TfrmSetLocalBN dialog(local, parent);
        dialog.exec();
    }
    if (download) {
        TfrmProgress progress(server, local, parent);
        progress.DownloadFlag = true;
        progress.exec();
    }
}
