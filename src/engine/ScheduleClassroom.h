#pragma once

#include "engine/ScheduleObject.h"
#include "model/OrderedDict.h"

#include <QString>

#include <cstdint>
#include <memory>

namespace belltide {

class Classroom;

// A homeroom class as the scheduler sees it. Everything the search reads is
// copied here when the inputs are built, so the model may change meanwhile.
class ScheduleClassroom : public ScheduleObject {
public:
    ScheduleClassroom() = default;

    std::shared_ptr<Classroom> Tag;
    // The class's grade, teacher and own day (minutes after midnight) at the
    // time the inputs were built.
    QString Grade;
    QString Teacher;
    std::int32_t DayStart = 0;
    std::int32_t DayEnd = 0;
    std::int32_t NumberOfStudents = 0;
    // Minutes the class keeps free every day, in one stretch (0: no such
    // promise), and its own day in slots of the school day (first, and one
    // past the last) within which that stretch lies.
    std::int32_t InterruptFreeTime = 0;
    std::int32_t OwnDayFirst = 0;
    std::int32_t OwnDayEnd = 0;

    std::int32_t SpecialAttendance(const QString& subject) const;
    void SpecialAttendance(const QString& subject, std::int32_t count);

    std::int32_t SubjectCount() const;
    QString Subject(std::int32_t index) const;

    QString GetSubject() const override;

private:
    OrderedDict<std::int32_t> mSpecialAttendenceDict;
};

} // namespace belltide
