#include "TimeText.h"

namespace belltide {

QString FormatTimeOfDay(std::int32_t minutes)
{
    if (minutes < 0 || minutes > 24 * 60)
        return QStringLiteral("%1 min").arg(minutes);
    return QStringLiteral("%1:%2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString DayAbbreviation(std::int32_t day)
{
    static const char* const names[] = {"Mon", "Tue", "Wed", "Thu", "Fri"};
    if (day >= 0 && day < 5)
        return QString::fromLatin1(names[day]);
    return QStringLiteral("day %1").arg(day);
}

} // namespace belltide
