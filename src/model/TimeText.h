#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>

namespace belltide {

// Minutes after midnight as the system writes a time ("8:05 AM", "13:00"), for
// messages: values that are no time of day (negative, past a day) are shown
// as plain minutes, so that a bad document's numbers can still be found.
QString FormatTimeOfDay(std::int32_t minutes);

// A time of day in the system's short time format, never with seconds (some
// locales' short format has them). Minutes wrap around the clock.
QString ShortTime(std::int32_t minutes);

// "Mon" ... "Fri"; any other day number as "day N".
QString DayAbbreviation(std::int32_t day);

// What a typed time of day reads as: "2:30 PM", "2:30p", "230p", "14:30",
// "2 pm". Without AM or PM, a locale with a 12-hour clock reads an hour from 1
// to 6 as the afternoon and 12 as noon, as a school day would mean them.
struct TypedTime {
    enum class Kind { Time, Unfinished, NoTime };
    Kind Reading = Kind::NoTime;
    std::int32_t Minutes = 0;
    // Why it is no time, in a sentence.
    QString Why;
};
TypedTime ReadTypedTime(const QString& text, const QLocale& locale);

} // namespace belltide
