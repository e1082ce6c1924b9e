#pragma once

#include "ActionBase.h"

#include <cstdint>
#include <memory>

namespace belltide {

class SpecialClass;

// Marks one slot of a special available or not. An edit over several slots is a
// chain of these linked by NextAction, so it is one undo step with one
// notification. It never merges and so takes no timestamp.
class SpecialAvailabilityChange final : public ActionBase {
public:
    SpecialAvailabilityChange(
        std::shared_ptr<SpecialClass> special, std::int32_t day, std::int32_t slot, bool available);

protected:
    void Execute() override;
    void Unexecute() override;
    QString GetDescription() const override;
    belltide::Notification GetNotificationName() const override;
    ActionTag GetNotificationTag() const override;

private:
    std::shared_ptr<SpecialClass> mClass;
    std::int32_t mDay;
    std::int32_t mMinute;
    bool mOldAvailable = true;
    bool mNewAvailable;
};

} // namespace belltide
