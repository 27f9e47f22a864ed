#pragma once

#include <QDir>
#include <QString>
#include <QWidget>

// Saves a picture of a window under build/screenshots/, to be looked at.
inline QString SaveScreenshot(QWidget *w, const QString &name)
{
#ifdef KB_SCREENSHOT_DIR
    const QString dir = QStringLiteral(KB_SCREENSHOT_DIR);
#else
    const QString dir = QDir::tempPath();
#endif
    QDir().mkpath(dir);
    const QString path = dir + u'/' + name + QStringLiteral(".png");
    w->grab().save(path);
    return path;
}
