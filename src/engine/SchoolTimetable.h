#pragma once

#include "engine/Placement.h"
#include "engine/ScheduleGenerator.h"
#include "model/Result.h"
#include "model/Timetable.h"

#include <QDateTime>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace belltide {

class Schedule;
class School;
struct GenerationResult;

// Between the school's timetable (meetings of model objects, in minutes) and
// the engine's placements over scheduling inputs (in slots).
namespace SchoolTimetable {

// The timetable's meetings as placements over inputs built from the school as
// it is now. A meeting with no place there (its class or special gone, off
// the 5-minute grid, outside the week) is listed with the reason instead.
struct Mapped {
    std::vector<Placement> Placements;
    // For each placement, the meeting it came from.
    std::vector<std::size_t> Meetings;
    std::vector<std::pair<std::size_t, QString>> Unmapped;
};
Mapped ToPlacements(const Timetable& timetable, const GenerationInputs& inputs);

// Meetings for the placements. A placement equal to one of `earlier`'s
// meetings keeps that meeting's pin and origin; the others are marked as
// made by `by` at `at`.
Timetable FromPlacements(const std::vector<Placement>& placements, const GenerationInputs& inputs,
    const Timetable* earlier, MadeBy by, const QDateTime& at);

// The meetings of a class grid as a search leaves it (recess left out).
std::vector<Placement> FromGrid(const Schedule& classGrid, const GenerationInputs& inputs);

// The class grid the renderer draws: every meeting, recess after each lunch.
std::shared_ptr<Schedule> ToGrid(const std::vector<Placement>& placements, const GenerationInputs& inputs);

// Puts lunches on seats so that no seat holds two at once (seats are alike);
// a lunch stays on its seat when it can.
void SeatLunches(std::vector<Placement>& placements, const GenerationInputs& inputs);

// What an edit leaves of the timetable: the meetings that keep every rule for
// the school as it is now, the others added to Dropped.
struct Fitted {
    std::shared_ptr<const belltide::Timetable> Timetable;
    // One line per meeting newly dropped: what it was and why it went.
    QStringList Why;
};
Fitted Fit(const School& school, const std::shared_ptr<const Timetable>& timetable);

// Rebuilds the school's grid from its timetable (none without one), and the
// school's maps to the inputs the grid is made of, which it gives back.
std::optional<GenerationInputs> RefreshGrid(School& school);

// What Complete would place, in words: "Music for 2nd: Ms. Hughes on Monday",
// the day and time where a dropped meeting used to be.
struct Shortfall {
    std::int32_t Missing = 0;
    QStringList Meetings;
};
Shortfall Missing(const School& school, const Timetable& timetable);

// Inputs for a search that starts from the timetable's meetings: every one
// that still keeps the rules (Complete Schedule), or only the pinned ones
// (New Schedule). Without a timetable, a search from nothing.
enum class Starting { FromPinned, FromAll };
Result<GenerationInputs> SearchInputs(const School& school, const Timetable* timetable, Starting from);

// The school's timetable after a search over `inputs`. Meetings that were
// already there keep their pin and origin; the new ones are marked with the
// search that made them.
std::shared_ptr<const Timetable> AfterSearch(
    const GenerationInputs& inputs, const GenerationResult& result, const Timetable* earlier);

// The fixed meetings the search had to give back, one line each:
// "Music for 2nd: Ms. Hughes on Monday at 9:00".
QStringList Released(const GenerationInputs& inputs, const GenerationResult& result);

} // namespace SchoolTimetable
} // namespace belltide
