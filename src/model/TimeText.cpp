#include "TimeText.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTime>

namespace belltide {

QString FormatTimeOfDay(std::int32_t minutes)
{
    if (minutes < 0 || minutes > 24 * 60)
        return QStringLiteral("%1 min").arg(minutes);
    return ShortTime(minutes);
}

QString ShortTime(std::int32_t minutes)
{
    const int inDay = int(((minutes % 1440) + 1440) % 1440);
    // The default locale is the system's unless a test has fixed one.
    const QLocale locale;
    QString format = locale.timeFormat(QLocale::ShortFormat);
    format.remove(QRegularExpression(QStringLiteral("[.:]?s+")));
    return locale.toString(QTime(inDay / 60, inDay % 60), format.trimmed());
}

QString DayAbbreviation(std::int32_t day)
{
    static const char* const names[] = { "Mon", "Tue", "Wed", "Thu", "Fri" };
    if (day >= 0 && day < 5)
        return QString::fromLatin1(names[day]);
    return QStringLiteral("day %1").arg(day);
}

} // namespace belltide
