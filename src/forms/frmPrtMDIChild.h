#pragma once

#include "frmPrtAll.h"

#include <QWidget>

// A document window inside the main window: placed at the top left of the work area,
// 60 % of the main window wide (or its designed width when larger) and 70 % high, at
// least 600 × 300; closing it destroys it. One window per kind (FindMDIChild).
class TfrmPrtMDIChild : public QWidget, public TfrmPrtAll
{
    Q_OBJECT
public:
    // objectName is the form name FindMDIChild looks for ("frmBillSell").
    TfrmPrtMDIChild(const QString &formName, QWidget *parent = nullptr);

    // Sizes a window of the given designed width inside a main window of the given size.
    static QSize placementSize(const QSize &mainWindow, int designedWidth);

    // The width the window was designed for (its layout's preferred width by default).
    int designedWidth() const;
    void setDesignedWidth(int w) { m_designedWidth = w; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    int m_designedWidth = 0;
    bool m_styled = false;
};
