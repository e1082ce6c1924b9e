#pragma once

#include <cstddef>
#include <type_traits>

namespace belltide {

// The engine counts slots, days, rows and variables in signed 32-bit integers,
// since it subtracts them freely; its containers want std::size_t. A count
// that reaches a container goes through here.
template <typename T> constexpr std::size_t ToIndex(T position)
{
    // No <concepts> here: moc reads this header in the window's tests.
    static_assert(std::is_integral_v<T>, "an index is a whole number");
    return static_cast<std::size_t>(position);
}

} // namespace belltide
