#pragma once

#include <cstdint>
#include <vector>

namespace belltide {

// An integer list that can be stored as a dictionary value.
struct IntegerArray {
    std::vector<std::int32_t> arr;
};

} // namespace belltide
