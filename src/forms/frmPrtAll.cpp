#include "frmPrtAll.h"

#include <QAbstractItemView>
#include <QFile>
#include <QHeaderView>
#include <QTableView>
#include <QWidget>

QPixmap TfrmPrtAll::skin(const QString &name)
{
    const QString path = QStringLiteral(":/skin/%1.png").arg(name);
    return QFile::exists(path) ? QPixmap(path) : QPixmap();
}

void TfrmPrtAll::markToolBar(QWidget *panel)
{
    panel->setProperty("tag", 10);
    panel->setAttribute(Qt::WA_StyledBackground, true);
}

void TfrmPrtAll::applyHouseLook(QWidget *window)
{
    // Grid titles centred, one flat frame: the rest comes from the application style.
    const auto views = window->findChildren<QTableView *>();
    for (QTableView *v : views) {
        v->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
        v->setFrameShape(QFrame::StyledPanel);
        v->setSelectionBehavior(QAbstractItemView::SelectRows);
    }
}
