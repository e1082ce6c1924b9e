#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace belltide {

// Time-of-day controls work on date-times; the school keeps minutes after midnight.

// Today at the given minutes after midnight; minutes outside a day run into the
// day before or after.
inline QDateTime MinutesToDate(int minutes, QDate day = QDate::currentDate())
{
    // Built from the clock time rather than by adding seconds to midnight, so a
    // change to or from summer time that day does not shift the hour.
    constexpr int kDay = 24 * 60;
    const int days = minutes >= 0 ? minutes / kDay : -((-minutes + kDay - 1) / kDay);
    const int inDay = minutes - days * kDay;
    return QDateTime(day.addDays(days), QTime(inDay / 60, inDay % 60));
}

// Seconds and the date are ignored.
inline int DateToMinutes(const QDateTime& date)
{
    return date.time().hour() * 60 + date.time().minute();
}

} // namespace belltide
