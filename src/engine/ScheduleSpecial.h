#pragma once

#include "engine/ScheduleObject.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

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

    bool IsAvailable(std::int32_t minute) const override;
    void IsAvailable(std::int32_t minute, bool available);
    QString GetSubject() const override;

    std::int32_t AvailabilitySize() const { return static_cast<std::int32_t>(mIsAvailable.size()); }
    void SizeAvailability(std::int32_t size);

private:
    std::vector<bool> mIsAvailable;
};

} // namespace belltide
