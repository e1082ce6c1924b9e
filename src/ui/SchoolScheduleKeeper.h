#pragma once

#include "undo/ScheduleKeeper.h"

#include <memory>

namespace belltide {

class School;

// The window's keeper of its school's schedule: an edit that can move
// meetings keeps those that still fit and drops the rest; undo and redo put
// back the schedule as it was. The grid the renderer draws follows every change.
class SchoolScheduleKeeper final : public ScheduleKeeper {
public:
    explicit SchoolScheduleKeeper(std::shared_ptr<School> school);

    std::shared_ptr<const Timetable> CurrentSchedule() const override;
    void ScheduleAfterEdit(const ActionBase& action, const std::shared_ptr<const Timetable>& before) override;
    void RestoreSchedule(const std::shared_ptr<const Timetable>& schedule) override;

    // Rebuilds the drawn grid from the school's schedule.
    void Refresh();
    // A schedule that came with a document: meetings that break a rule (the
    // file was changed outside the program) are taken out like after an edit.
    void Opened();

private:
    std::shared_ptr<School> mSchool;
};

} // namespace belltide
