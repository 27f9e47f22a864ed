#include "Capitals.h"

#include <cfenv>
#include <cmath>
#include <stdexcept>

namespace {

// Place names from the lowest digit (fen) upwards.
const char16_t *const kPlaces[] = {u"分", u"角", u"元", u"拾", u"佰", u"仟", u"万", u"拾", u"佰",
                                   u"仟", u"亿", u"拾", u"佰", u"仟", u"万", u"拾", u"佰", u"仟"};
const char16_t kDigits[] = u"零壹贰叁肆伍陆柒捌玖";

// Whole fen in a double are exact up to 2^53.
constexpr double kMaxFen = 9007199254740992.0;

} // namespace

QString AmountInCapitals(double amount)
{
    if (std::isnan(amount) || std::isinf(amount))
        throw std::invalid_argument("金额不是有效数字，无法转换为大写");
    const int oldMode = std::fegetround();
    std::fesetround(FE_TONEAREST); // halves go to the even neighbour
    const double fenValue = std::nearbyint(std::fabs(amount) * 100.0);
    std::fesetround(oldMode);
    if (fenValue >= kMaxFen)
        throw std::invalid_argument("金额超出范围，无法转换为大写");

    const QString digits = QString::number(static_cast<qulonglong>(fenValue));
    const int n = int(digits.size());
    QString out;
    if (amount < 0 && fenValue > 0)
        out += u'负';
    for (int i = 0; i < n; ++i) {
        const int place = n - 1 - i;
        out += QChar(kDigits[digits.at(i).digitValue()]);
        out += QString::fromUtf16(kPlaces[place]);
    }
    out += u'整';
    return out;
}

QString AmountInCapitalsYuan(double amount)
{
    const QString full = AmountInCapitals(amount);
    const qsizetype at = full.indexOf(u'元');
    const QString yuan = at > 0 ? full.left(at) : QString();
    return yuan.isEmpty() ? QStringLiteral("零") : yuan;
}
