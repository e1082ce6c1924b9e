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

    static QString Name() { return QStringLiteral("ScheduleChange"); }

protected:
    void Execute() override;
    void Unexecute() override;
    QString GetDescription() const override { return mDescription; }
    QString GetNotificationName() const override { return Name(); }
    ActionTag GetNotificationTag() const override;

private:
    std::shared_ptr<School> mSchool;
    std::shared_ptr<const Timetable> mNew;
    std::shared_ptr<const Timetable> mOld;
    QString mDescription;
};

// Whether an edit with this notification can change where meetings may go.
// Names, teachers and grades cannot; times, lengths, lists and attendance can.
bool ChangesScheduling(const QString& notificationName);

} // namespace belltide
