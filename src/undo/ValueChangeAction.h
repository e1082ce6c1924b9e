#pragma once

#include "ActionBase.h"

#include <utility>

namespace belltide {

// Sets one value; the common ground of TextChangeAction and NumberChangeAction.
// Holds the rule that turns a quick run of edits, such as keystrokes in one
// field, into a single undo step.
template <typename V> class ValueChangeAction : public ActionBase {
public:
    using ValueType = V;

    // Edits closer together than this merge into one undo step.
    static constexpr double kMergeMicroseconds = 500000.0;

    ValueChangeAction(V newValue, const MicrosecondClock& clock)
        : ActionBase(clock)
        , NewValue(std::move(newValue))
    {
    }

    V NewValue {};
    // Taken by every Execute rather than at construction: a redo records the
    // value its undo put back.
    V OldValue {};

    bool CombineWith(ActionBase& other) override
    {
        if (!IsSameType(other))
            return false;
        auto* same = dynamic_cast<ValueChangeAction*>(&other);
        if (!same || same->mTimestamp - mTimestamp >= kMergeMicroseconds)
            return false;
        // Moving the stamp forward lets a run of any length merge as long as no
        // gap in it reaches the limit; OldValue stays what it was before the run.
        mTimestamp = same->mTimestamp;
        NewValue = same->NewValue;
        return true;
    }

protected:
    virtual bool IsSameType(const ActionBase&) const { return false; }
};

} // namespace belltide
