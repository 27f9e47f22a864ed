#include "MdiHost.h"

#include "frmPrtMDIChild.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

namespace MdiHost {

namespace {
QPointer<QWidget> g_main;
QPointer<QMdiArea> g_area;
} // namespace

void setHost(QWidget *mainWindow, QMdiArea *area)
{
    g_main = mainWindow;
    g_area = area;
}

QWidget *mainWindow() { return g_main; }
QMdiArea *area() { return g_area; }

QWidget *FindMDIChild(const QString &formName)
{
    if (!g_area)
        return nullptr;
    const auto list = g_area->subWindowList(QMdiArea::StackingOrder);
    for (QMdiSubWindow *sub : list) {
        QWidget *w = sub->widget();
        if (w && w->objectName().compare(formName, Qt::CaseInsensitive) == 0) {
            sub->showNormal();
            g_area->setActiveSubWindow(sub);
            sub->raise();
            return w;
        }
    }
    return nullptr;
}

QMdiSubWindow *show(TfrmPrtMDIChild *child)
{
    Q_ASSERT(g_area);
    QMdiSubWindow *sub = g_area->addSubWindow(child);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    const QSize mainSize = g_main ? g_main->size() : g_area->size();
    sub->resize(TfrmPrtMDIChild::placementSize(mainSize, child->designedWidth()));
    sub->move(1, 1);
    sub->setWindowTitle(child->windowTitle());
    sub->show();
    g_area->setActiveSubWindow(sub);
    return sub;
}

} // namespace MdiHost
