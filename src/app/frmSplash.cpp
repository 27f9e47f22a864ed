#include "frmSplash.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

TfrmSplash::TfrmSplash() : QSplashScreen(picture())
{
    setObjectName(QStringLiteral("frmSplash"));
}

QPixmap TfrmSplash::picture()
{
    QPixmap pm(520, 300);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 520, 300);
    g.setColorAt(0, QColor(0x1F, 0x4E, 0x79));
    g.setColorAt(1, QColor(0x4A, 0x86, 0xB8));
    p.fillRect(pm.rect(), g);
    // A few tiles, the trade we keep books for.
    p.setPen(QColor(255, 255, 255, 60));
    for (int x = 0; x < 6; ++x)
        for (int y = 0; y < 3; ++y)
            p.drawRect(300 + x * 34, 40 + y * 34, 30, 30);
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setPointSize(26);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(30, 150, 460, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("陶瓷管理系统"));
    f.setPointSize(11);
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRect(30, 205, 460, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Kilnbook  [经销商版] V3.002"));
    p.drawText(QRect(30, 250, 460, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("正在启动，请稍候……"));
    return pm;
}
