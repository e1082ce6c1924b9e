#pragma once

#include "ValueChangeAction.h"

#include <cstdint>

namespace belltide {

class NumberChangeAction : public ValueChangeAction<std::int32_t> {
public:
    explicit NumberChangeAction(std::int32_t newValue, const MicrosecondClock& clock = MicrosecondClock::Steady())
        : ValueChangeAction(newValue, clock)
    {
    }
};

} // namespace belltide
