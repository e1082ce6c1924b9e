#pragma once

#include <QString>

#include <cstdint>
#include <memory>

namespace belltide {

class School;

enum class SchoolVariant {
    // Has a schedule.
    Feasible,
    // The same without half-day kindergartens.
    FullDays,
    // One Music meeting more than the Music teachers can hold.
    MusicShort,
    // A lunch seat fewer than the classes need.
    LunchShort,
    // One class attends two visiting specials that come at the same hour.
    VisitorsClash,
};

QString VariantName(SchoolVariant variant);

// A K-5 school of the given size as schools describe theirs: a morning and an
// afternoon half-day kindergarten for every forty classes, 45-minute specials
// with five minutes of passing time (30-minute library), P.E. twice a week up
// to 2nd grade, teachers away on some mornings and afternoons, and lunches of
// 25 minutes with 20 of recess in a two-hour lunch period with few seats.
// Every variant but FullDays and Feasible has no schedule.
std::shared_ptr<School> RealisticSchool(std::int32_t classes, SchoolVariant variant);

} // namespace belltide
