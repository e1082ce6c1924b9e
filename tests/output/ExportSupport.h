#pragma once

#include <memory>

namespace belltide {
class School;
}

namespace belltide::test {

// The example school with a schedule made by the quick search from a fixed
// seed, as a window would hold it after Schedule.
std::shared_ptr<School> ScheduledExample();

} // namespace belltide::test
