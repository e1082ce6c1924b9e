#pragma once

#include "ActionBase.h"

#include <QString>

#include <memory>

namespace belltide {

class AttendanceSnapshot;
class School;

// Takes the counts of a subject that no special teaches off every class, or
// gives them to a subject that one does. A class already attending that one
// keeps the larger count.
class UntaughtAttendanceChange final : public ActionBase {
public:
    // An empty `toTitle` removes.
    UntaughtAttendanceChange(std::shared_ptr<School> school, QString title, QString toTitle);

protected:
    void Execute() override;
    void Unexecute() override;
    QString GetDescription() const override;
    belltide::Notification GetNotificationName() const override;

private:
    std::shared_ptr<School> mSchool;
    QString mTitle;
    QString mToTitle;
    std::shared_ptr<const AttendanceSnapshot> mBefore;
};

} // namespace belltide
