#include "F1BookSettings.h"

#include "Connections.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

F1BookSettings::F1BookSettings() : m_file(QDir(DataFolder::path()).filePath(QStringLiteral("F1Book.ini"))) {}

// QSettings reads "/" and "\" in a group name as nesting; titles may hold both.
static QString sectionName(const QString &title)
{
    QString s = title;
    s.replace(QLatin1Char('%'), QLatin1String("%25"));
    s.replace(QLatin1Char('/'), QLatin1String("%2F"));
    s.replace(QLatin1Char('\\'), QLatin1String("%5C"));
    return s.isEmpty() ? QStringLiteral("%20") : s;
}

F1BookSettings::Entry F1BookSettings::load(const QString &title) const
{
    Entry e;
    if (!QFileInfo::exists(m_file))
        return e;
    QSettings ini(m_file, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError)
        return e;
    ini.beginGroup(sectionName(title));
    bool ok = false;
    const int scale = ini.value(QStringLiteral("PrintScale")).toInt(&ok);
    if (ok && scale >= 10 && scale <= 400)
        e.printScale = scale;
    for (const QString &key : ini.childKeys()) {
        if (!key.startsWith(QLatin1String("WidthOfCol"), Qt::CaseInsensitive))
            continue;
        bool colOk = false, widthOk = false;
        const int col = key.mid(10).toInt(&colOk);
        const int width = ini.value(key).toInt(&widthOk);
        if (colOk && widthOk && col > 0 && col < 16384 && width >= 0 && width < 65536)
            e.widths.insert(col, width);
    }
    return e;
}

bool F1BookSettings::save(const QString &title, int printScale, const QList<int> &widths, QString *error) const
{
    QSettings ini(m_file, QSettings::IniFormat);
    ini.beginGroup(sectionName(title));
    ini.setValue(QStringLiteral("PrintScale"), printScale);
    for (int i = 0; i < widths.size(); ++i)
        ini.setValue(QStringLiteral("WidthOfCol%1").arg(i + 1), widths[i]);
    ini.endGroup();
    ini.sync();
    if (ini.status() != QSettings::NoError) {
        *error = QStringLiteral("无法写入设置文件 %1").arg(QDir::toNativeSeparators(m_file));
        return false;
    }
    return true;
}
