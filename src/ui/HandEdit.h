#pragma once

#include "engine/ScheduleGenerator.h"
#include "engine/ScheduleRules.h"
#include "engine/SchoolTimetable.h"

#include <QDateTime>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace belltide {

class School;
struct Timetable;

// The school's timetable as an edit by hand sees it: every meeting's
// placement over the school as it is now and the week they fill, so that one
// move is judged in microseconds by the same rules the searches keep. Made
// afresh for each drag or key press: the school may have changed between two.
class HandEdit {
public:
    // None without a timetable, or while the school's times are impossible.
    static std::unique_ptr<HandEdit> For(const School& school);

    HandEdit(const HandEdit&) = delete;
    HandEdit& operator=(const HandEdit&) = delete;

    std::int32_t SlotsPerDay() const { return mInputs.SlotsPerDay; }
    const ScheduleRules& Rules() const { return *mRules; }
    // The subject in words: "Music", "Lunch".
    QString Subject(std::int32_t meeting) const;
    // Class length in slots of the meeting's own box (lunch without recess).
    std::int32_t Duration(std::int32_t meeting) const;

    // Why the meeting cannot start at `slot` of `day` (with the special at
    // `special` of the inputs, or its own when -1); none when it can.
    std::optional<BrokenRule> WhyNot(
        std::int32_t meeting, std::int32_t day, std::int32_t slot, std::int32_t special = -1) const;
    // The other specials of the meeting's subject (another P.E. teacher), each
    // with whether it is free then.
    std::vector<std::pair<std::int32_t, bool>> OtherTeachers(std::int32_t meeting) const;
    QString TeacherOf(std::int32_t special) const;

    // The timetable after the meeting moves there (and to the special, when
    // given); a moved meeting is pinned. Lunches are seated again.
    std::shared_ptr<const Timetable> Moved(
        std::int32_t meeting, std::int32_t day, std::int32_t slot, std::int32_t special, const QDateTime& at) const;
    std::shared_ptr<const Timetable> WithPin(std::int32_t meeting, bool pinned) const;

    // Pinned meetings the school no longer holds where they were pinned (an
    // edit took them out, or they clash), in words with why. A search places
    // them elsewhere, unpinned.
    QStringList LostPins() const;

private:
    HandEdit(const School& school, GenerationInputs inputs);
    std::int32_t PlacementOf(std::int32_t meeting) const;

    const School& mSchool;
    GenerationInputs mInputs;
    std::unique_ptr<ScheduleRules> mRules;
    SchoolTimetable::Mapped mMapped;
    std::unique_ptr<WeekOccupancy> mWeek;
};

} // namespace belltide
