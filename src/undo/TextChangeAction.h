#pragma once

#include "ValueChangeAction.h"

#include <QString>

namespace belltide {

class TextChangeAction : public ValueChangeAction<QString> {
public:
    explicit TextChangeAction(QString newValue, const MicrosecondClock& clock = MicrosecondClock::Steady())
        : ValueChangeAction(std::move(newValue), clock)
    {
    }
};

} // namespace belltide
