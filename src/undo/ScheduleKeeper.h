#pragma once

#include <memory>

namespace belltide {

class ActionBase;
struct Timetable;

// The schedule changes with edits that know nothing of it: a new day end trims
// it to what still fits. The undo manager asks its keeper for the schedule
// around every step, so that undo and redo bring back exactly the one that was
// there rather than trimming again.
class ScheduleKeeper {
public:
    virtual ~ScheduleKeeper() = default;

    virtual std::shared_ptr<const Timetable> CurrentSchedule() const = 0;
    // `action` has just been performed; `before` is the schedule from before it
    // (before the whole run, when it merged into the previous edit). The keeper
    // makes the school's schedule what is left of `before`.
    virtual void ScheduleAfterEdit(const ActionBase& action, const std::shared_ptr<const Timetable>& before) = 0;
    virtual void RestoreSchedule(const std::shared_ptr<const Timetable>& schedule) = 0;
};

} // namespace belltide
