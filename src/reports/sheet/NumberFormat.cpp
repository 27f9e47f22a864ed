#include "NumberFormat.h"

#include <QDateTime>
#include <QLocale>
#include <cmath>

namespace NumberFormat {

static QString general(double value)
{
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(qint64(value));
    return QString::number(value, 'g', 10);
}

bool isDateMask(const QString &mask)
{
    return mask.contains(QLatin1Char('y'), Qt::CaseInsensitive)
        || mask.contains(QLatin1String("dd"), Qt::CaseInsensitive);
}

QString format(double value, const QString &mask)
{
    if (mask.isEmpty() || mask.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0
        || !std::isfinite(value))
        return general(value);
    const bool percent = mask.contains(QLatin1Char('%'));
    const bool grouping = mask.contains(QLatin1Char(','));
    int decimals = 0;
    const int dot = mask.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        for (int i = dot + 1; i < mask.size() && (mask[i] == QLatin1Char('0') || mask[i] == QLatin1Char('#')); ++i)
            ++decimals;
    double v = percent ? value * 100 : value;
    // Half away from zero, as spreadsheets show it; the epsilon keeps 2.675 from
    // turning into 2.67 through its binary form.
    const double scale = std::pow(10.0, decimals);
    v = std::round(v * scale * (1 + 1e-12)) / scale;
    if (v == 0)
        v = 0; // no "-0.00"
    QString text = QString::number(std::fabs(v), 'f', decimals);
    if (grouping) {
        const int end = text.indexOf(QLatin1Char('.')) >= 0 ? text.indexOf(QLatin1Char('.')) : text.size();
        for (int i = end - 3; i > 0; i -= 3)
            text.insert(i, QLatin1Char(','));
    }
    if (v < 0)
        text.prepend(QLatin1Char('-'));
    if (percent)
        text.append(QLatin1Char('%'));
    return text;
}

QString formatValue(const QVariant &value, const QString &mask)
{
    if (value.isNull() || !value.isValid())
        return {};
    const int type = value.metaType().id();
    if (type == QMetaType::QDate || type == QMetaType::QDateTime) {
        if (!isDateMask(mask))
            return type == QMetaType::QDate ? value.toDate().toString(Qt::ISODate)
                                            : value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        QString qtMask = mask;
        qtMask.replace(QLatin1String("mm"), QLatin1String("MM"));
        return value.toDateTime().toString(qtMask);
    }
    if (type == QMetaType::QString || type == QMetaType::QByteArray) {
        // PostgreSQL hands exact numerics over as text; a mask still applies to them.
        bool ok = false;
        const double d = value.toString().toDouble(&ok);
        return ok && !mask.isEmpty() && !isDateMask(mask) ? format(d, mask) : value.toString();
    }
    bool ok = false;
    const double d = value.toDouble(&ok);
    return ok ? format(d, mask) : value.toString();
}

} // namespace NumberFormat
