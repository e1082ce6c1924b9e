#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace belltide {

class ScheduleClassroom;
class ScheduleSpecial;

// A meeting the schedule already holds; a search keeps it where it is.
struct FixedMeeting {
    std::int32_t Classroom = 0; // position in the inputs' classroom list
    std::int32_t Special = 0; // position in the inputs' special list (a lunch seat for lunch)
    std::int32_t Start = 0; // week slot (day × slots per day + slot of the day)
    bool Pinned = false; // the user pinned it: never given back

    bool operator==(const FixedMeeting&) const = default;
};

// Whether a search can hold the meeting at all: it names a class and a special
// of the inputs that takes a class that size, a subject the class attends, and
// lies inside the week. Others are given back whatever their pin.
bool IsUsable(const FixedMeeting& meeting, const std::vector<std::shared_ptr<ScheduleClassroom>>& classrooms,
    const std::vector<std::shared_ptr<ScheduleSpecial>>& specials, std::int32_t slotsPerDay);

} // namespace belltide
