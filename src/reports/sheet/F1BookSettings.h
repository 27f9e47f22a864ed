#pragma once

#include <QList>
#include <QMap>
#include <QString>

// Per-title viewer settings in F1Book.ini in the data folder: one section per report
// title with "WidthOfCol" + n and "PrintScale". An unreadable or damaged file is ignored
// and the defaults hold.
class F1BookSettings
{
public:
    struct Entry {
        QMap<int, int> widths; // column -> width
        int printScale = 100;
    };

    F1BookSettings();                                   // the data folder's F1Book.ini
    explicit F1BookSettings(const QString &file) : m_file(file) {}

    QString file() const { return m_file; }
    Entry load(const QString &title) const;
    // widths[0] is column 1. Returns false with the reason when the file cannot be written.
    bool save(const QString &title, int printScale, const QList<int> &widths, QString *error) const;

private:
    QString m_file;
};
