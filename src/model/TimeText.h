#pragma once

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

} // namespace belltide
