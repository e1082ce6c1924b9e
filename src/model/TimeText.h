#pragma once

#include <QString>

#include <cstdint>

namespace belltide {

// "8:05", "13:00": minutes after midnight as a 24-hour clock time. Values that
// are no time of day (negative, a day or more) are shown as plain minutes.
QString FormatTimeOfDay(std::int32_t minutes);

// A time of day in the system's short time format, never with seconds (some
// locales' short format has them). Minutes wrap around the clock.
QString ShortTime(std::int32_t minutes);

// "Mon" ... "Fri"; any other day number as "day N".
QString DayAbbreviation(std::int32_t day);

} // namespace belltide
