#pragma once

#include <memory>
#include <vector>

namespace belltide {

class ScheduleClassroom;

// Classes of one grade that the search places together, each in a different special.
struct ClassGroup {
    std::vector<std::shared_ptr<ScheduleClassroom>> Classes;
};

} // namespace belltide
