#pragma once

#include "ActionBase.h"

#include <QString>

#include <memory>

namespace belltide {

class School;
struct Timetable;

// Replaces the school's schedule: a new one, a completed one, or one the user
// changed by hand. The description is the Edit menu's ("New Schedule").
class ScheduleChange final : public ActionBase {
public:
    ScheduleChange(std::shared_ptr<School> school, std::shared_ptr<const Timetable> schedule, QString description);

protected:
    void Execute() override;
    void Unexecute() override;
    QString GetDescription() const override { return mDescription; }
    belltide::Notification GetNotificationName() const override { return belltide::Notification::ScheduleChange; }
    ActionTag GetNotificationTag() const override;

private:
    std::shared_ptr<School> mSchool;
    std::shared_ptr<const Timetable> mNew;
    std::shared_ptr<const Timetable> mOld;
    QString mDescription;
};

} // namespace belltide
