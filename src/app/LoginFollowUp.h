#pragma once

#include <QSqlDatabase>

class QWidget;

// The last step of a confirmed login, in both modes: draw one local number of each
// kind, ask for the initial numbers when a counter is missing, and download the base
// data when the operator asked for it. Throws DbError when a counter cannot be read.
void RunLoginFollowUp(QWidget *parent, const QSqlDatabase &server, const QSqlDatabase &local, bool download);
