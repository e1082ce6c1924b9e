#pragma once

#include <QStringView>

#include <cstdint>
#include <optional>

namespace belltide {

// Times of day and lengths as people and spreadsheets type them, for reading
// lists made outside the program.
namespace ClockReading {

// "8:30", "08:30", "8:30 AM", "8:30am", "2:30p", "2:30 p.m.", "8 AM", "14:30",
// "14:30:00", "8.30": minutes after midnight. Without AM or PM the hour is
// read on a 24-hour clock, so "2:30" is early morning, as written. Seconds
// other than 00 and anything else is no time.
std::optional<std::int32_t> TimeOfDay(QStringView text);

// "45", "45 min", "45 minutes", "45m", "1:15": a length in whole minutes.
std::optional<std::int32_t> Minutes(QStringView text);

// "24", " 24 ": a whole number of 0 or more; no signs, fractions or separators.
std::optional<std::int32_t> Count(QStringView text);

} // namespace ClockReading
} // namespace belltide
