#pragma once

#include "OrderedDict.h"

#include <QString>

#include <cstdint>

namespace pugi {
class xml_node;
}

namespace belltide {

// A special class (P.E., music, ...) taught by one teacher to one homeroom class
// at a time. Availability is kept per day and slot of the school day; a place
// with no mark is available.
class SpecialClass {
public:
    SpecialClass() = default;
    explicit SpecialClass(const pugi::xml_node& element);

    QString Title;
    QString Teacher;
    std::int32_t MaxStudents = 0;
    std::int32_t OverlapTime = 0;
    std::int32_t FileID = 0;
    std::int32_t Duration = 0;

    // The second number is a slot index of the school day, whatever its name says.
    static QString DayMinuteToKey(std::int32_t day, std::int32_t minute);

    bool IsAvailable(std::int32_t day, std::int32_t minute) const;
    void IsAvailable(std::int32_t day, std::int32_t minute, bool available);

    const OrderedDict<bool>& Availability() const { return mAvailabilityDict; }

    pugi::xml_node ToXML(pugi::xml_node& parent) const;

private:
    OrderedDict<bool> mAvailabilityDict;
};

} // namespace belltide
