#pragma once

#include <QWidget>

class QToolButton;
class TDictGrid;

// Record navigator over a dictionary grid: first, last, insert, delete, confirm (write
// the current row), cancel (give up the current row's changes), refresh.
class TDBNavigator : public QWidget
{
    Q_OBJECT
public:
    explicit TDBNavigator(TDictGrid *grid, QWidget *parent = nullptr);

    QToolButton *button(const QString &name) const; // nbFirst ... nbRefresh

signals:
    void refreshRequested();
};
