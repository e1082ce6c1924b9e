#include "ActionBase.h"

#include <vector>

namespace belltide {

ActionBase::ActionBase(const MicrosecondClock& clock)
    : mTimestamp(clock.Microseconds())
{
}

void ActionBase::Perform()
{
    for (ActionBase* action = this; action; action = action->NextAction.get())
        action->Execute();
}

void ActionBase::Unperform()
{
    std::vector<ActionBase*> chain;
    for (ActionBase* action = this; action; action = action->NextAction.get())
        chain.push_back(action);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        (*it)->Unexecute();
}

bool ActionBase::CombineWith(ActionBase&)
{
    return false;
}

QString ActionBase::GetDescription() const
{
    return {};
}

void ActionBase::Execute() { }

void ActionBase::Unexecute() { }

Notification ActionBase::GetNotificationName() const
{
    return Notification::None;
}

ActionTag ActionBase::GetNotificationTag() const
{
    return {};
}

} // namespace belltide
