#pragma once

#include "model/Result.h"

#include <QString>
#include <QTextStream>

#include <cstdint>

namespace belltide {
class Schedule;
class School;
struct GenerationInputs;
} // namespace belltide

namespace belltide::cli {

// The placements of a class grid as JSON: the classes, the specials, and one
// entry per block of every class's week (recess included).
QString ScheduleJson(const School& school, const GenerationInputs& inputs, const Schedule& schedule,
    std::int32_t attempt, std::uint64_t seed);

// To a file (written whole or not at all), or to `out` for "-".
bool WriteJson(const QString& path, const QString& json, QTextStream& out, QTextStream& err);

} // namespace belltide::cli
