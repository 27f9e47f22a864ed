#include "frmPrtMDIChild.h"

#include <cmath>

TfrmPrtMDIChild::TfrmPrtMDIChild(const QString &formName, QWidget *parent) : QWidget(parent)
{
    setObjectName(formName);
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumSize(600, 300);
}

QSize TfrmPrtMDIChild::placementSize(const QSize &mainWindow, int designedWidth)
{
    const int w = int(std::lround(0.6 * mainWindow.width()));
    const int h = int(std::lround(0.7 * mainWindow.height()));
    return {qMax(qMax(w, designedWidth), 600), qMax(h, 300)};
}

int TfrmPrtMDIChild::designedWidth() const
{
    return m_designedWidth > 0 ? m_designedWidth : sizeHint().width();
}

void TfrmPrtMDIChild::showEvent(QShowEvent *event)
{
    if (!m_styled) {
        m_styled = true;
        applyHouseLook(this);
    }
    QWidget::showEvent(event);
}
