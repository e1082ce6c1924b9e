#pragma once

#include "ActionTag.h"
#include "MicrosecondClock.h"
#include "Notification.h"

#include <QString>

#include <memory>

namespace belltide {

struct Timetable;

// One undoable change to a school. Subclasses fill in the hooks; an action that
// fills in none does nothing and describes itself with an empty text.
class ActionBase {
public:
    // Leaves the timestamp at 0, for actions that never merge.
    ActionBase() = default;
    explicit ActionBase(const MicrosecondClock& clock);
    virtual ~ActionBase() = default;

    ActionBase(const ActionBase&) = delete;
    ActionBase& operator=(const ActionBase&) = delete;

    // Done and undone together with this action, as one undo step.
    std::shared_ptr<ActionBase> NextAction;

    // The school's schedule before and after this step, kept by the undo
    // manager so that undo and redo bring back exactly what was there.
    std::shared_ptr<const Timetable> ScheduleBefore;
    std::shared_ptr<const Timetable> ScheduleAfter;

    QString Description() const { return GetDescription(); }
    belltide::Notification NotificationName() const { return GetNotificationName(); }
    ActionTag NotificationTag() const { return GetNotificationTag(); }

    // Front to back along NextAction.
    void Perform();
    // Back to front, so each action finds the state its own Perform left.
    void Unperform();

    // True when this action has absorbed `other`, which then needs no undo step of its own.
    virtual bool CombineWith(ActionBase& other);

protected:
    virtual QString GetDescription() const;
    virtual void Execute();
    virtual void Unexecute();
    virtual belltide::Notification GetNotificationName() const;
    virtual ActionTag GetNotificationTag() const;

    double mTimestamp = 0;
};

} // namespace belltide
