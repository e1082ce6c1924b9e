#include "SpecialAvailabilityChange.h"

#include "model/SpecialClass.h"

#include <utility>

namespace belltide {

SpecialAvailabilityChange::SpecialAvailabilityChange(
    std::shared_ptr<SpecialClass> special, std::int32_t day, std::int32_t slot, bool available)
    : mClass(std::move(special))
    , mDay(day)
    , mMinute(slot)
    , mNewAvailable(available)
{
}

void SpecialAvailabilityChange::Execute()
{
    mOldAvailable = mClass->IsAvailable(mDay, mMinute);
    mClass->IsAvailable(mDay, mMinute, mNewAvailable);
}

void SpecialAvailabilityChange::Unexecute()
{
    mClass->IsAvailable(mDay, mMinute, mOldAvailable);
}

QString SpecialAvailabilityChange::GetDescription() const
{
    return QStringLiteral("Availability Change");
}

Notification SpecialAvailabilityChange::GetNotificationName() const
{
    return Notification::SpecialAvailabilityChange;
}

ActionTag SpecialAvailabilityChange::GetNotificationTag() const
{
    return mClass;
}

} // namespace belltide
