#pragma once

#include <QString>

class QMdiArea;
class QMdiSubWindow;
class QWidget;
class TfrmPrtMDIChild;

// The main window's work area as the document windows see it. The main window
// registers itself; windows of every subsystem open through here.
namespace MdiHost {

void setHost(QWidget *mainWindow, QMdiArea *area);
QWidget *mainWindow();
QMdiArea *area();

// The open document window of that form name (letter case ignored), brought to the
// front; nullptr when none is open.
QWidget *FindMDIChild(const QString &formName);

// Shows a new document window in the work area, placed by the house rule.
QMdiSubWindow *show(TfrmPrtMDIChild *child);

// Opens the window of a kind: the open one brought to the front, or a new one made by
// create(). Returns it.
template <typename T, typename Create>
T *open(const QString &formName, Create create)
{
    if (QWidget *w = FindMDIChild(formName))
        return qobject_cast<T *>(w);
    T *child = create();
    show(child);
    return child;
}

} // namespace MdiHost
