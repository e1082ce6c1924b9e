#pragma once

#include "engine/ScheduleObject.h"

#include <QString>

#include <cstdint>
#include <memory>

namespace belltide {

class SpecialClass;

// A special, or one lunch seat, as the scheduler sees it. Lengths are in slots.
class ScheduleSpecial : public ScheduleObject {
public:
    ScheduleSpecial() = default;

    // Empty for lunch seats and for the recess block.
    std::shared_ptr<SpecialClass> Tag;
    std::int32_t MaxNumberOfStudents = 0;
    QString Subject;
    // Empty for lunch seats.
    QString Teacher;
    std::int32_t Duration = 0;
    // For a special its passing time, only kept free; for a lunch seat the recess
    // written after each lunch in the class's row.
    std::int32_t ReserveExtra = 0;
    QString ExtraSubject;

    QString GetSubject() const override;
};

} // namespace belltide
