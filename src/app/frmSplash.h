#pragma once

#include <QSplashScreen>

// The start picture, shown while the program starts.
class TfrmSplash : public QSplashScreen
{
    Q_OBJECT
public:
    TfrmSplash();
    static QPixmap picture();
};
