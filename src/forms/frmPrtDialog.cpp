#include "frmPrtDialog.h"

#include "MdiHost.h"

#include <QGuiApplication>
#include <QScreen>

TfrmPrtDialog::TfrmPrtDialog(QWidget *parent)
    : QDialog(parent ? parent : MdiHost::mainWindow())
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void TfrmPrtDialog::showEvent(QShowEvent *event)
{
    if (!m_styled) {
        m_styled = true;
        applyHouseLook(this);
        adjustSize();
        // Centred on the main window (or the screen before it is shown).
        const QWidget *anchor = parentWidget() ? parentWidget()->window() : nullptr;
        const QRect area = anchor && anchor->isVisible() ? anchor->frameGeometry()
                                                         : QGuiApplication::primaryScreen()->availableGeometry();
        move(area.center() - rect().center());
    }
    QDialog::showEvent(event);
}
