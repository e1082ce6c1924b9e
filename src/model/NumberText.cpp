#include "NumberText.h"

#include <cmath>
#include <limits>

namespace belltide {

QString FormatNumber(std::int32_t value)
{
    return QString::number(value);
}

double ReadLeadingNumber(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    // Digits are accumulated in a double: a thousand-digit number must not
    // overflow anything, it simply saturates later.
    double value = 0;
    bool anyDigit = false;
    while (i < n && text[i] >= u'0' && text[i] <= u'9') {
        value = value * 10 + (text[i].unicode() - u'0');
        anyDigit = true;
        ++i;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        double scale = 0.1;
        while (i < n && text[i] >= u'0' && text[i] <= u'9') {
            value += (text[i].unicode() - u'0') * scale;
            scale /= 10;
            anyDigit = true;
            ++i;
        }
    }
    if (!anyDigit)
        return 0;
    return negative ? -value : value;
}

std::int32_t TruncateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    if (value <= lo)
        return std::numeric_limits<std::int32_t>::min();
    if (value >= hi)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::trunc(value));
}

std::int32_t ReadNumber(QStringView text)
{
    return TruncateToInt(ReadLeadingNumber(text));
}

QString OrdinalNumber(std::int64_t n)
{
    const std::int64_t tens = n % 100;
    const char* suffix = (tens >= 11 && tens <= 13) ? "th"
        : n % 10 == 1                               ? "st"
        : n % 10 == 2                               ? "nd"
        : n % 10 == 3                               ? "rd"
                                                    : "th";
    return QString::number(n) + QString::fromLatin1(suffix);
}

} // namespace belltide
