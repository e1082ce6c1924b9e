#include "UndoManager.h"

#include "ScheduleKeeper.h"

#include <utility>

namespace belltide {

namespace {

QString MenuText(const QString& verb, const std::vector<std::shared_ptr<ActionBase>>& stack)
{
    // An action with no description still gets the space, as the menu always showed it.
    return stack.empty() ? verb : verb + QLatin1Char(' ') + stack.back()->Description();
}

} // namespace

void UndoManager::Add(const std::shared_ptr<ActionBase>& action)
{
    if (!action)
        return;
    const bool absorbed = !UndoActions.empty() && UndoActions.back()->CombineWith(*action);
    if (!absorbed) {
        UndoActions.push_back(action);
        if (Keeper)
            action->ScheduleBefore = Keeper->CurrentSchedule();
    }
    ActionBase& step = *UndoActions.back();
    RedoActions.clear();
    // Performed even when absorbed: the top entry only took over its value and time.
    action->Perform();
    if (Keeper) {
        Keeper->ScheduleAfterEdit(*action, step.ScheduleBefore);
        step.ScheduleAfter = Keeper->CurrentSchedule();
    }
    NotifyListeners(*action);
}

void UndoManager::Undo()
{
    if (UndoActions.empty())
        return;
    std::shared_ptr<ActionBase> action = std::move(UndoActions.back());
    UndoActions.pop_back();
    action->Unperform();
    if (Keeper)
        Keeper->RestoreSchedule(action->ScheduleBefore);
    RedoActions.push_back(action);
    NotifyListeners(*action);
    if (MenuRefresh)
        MenuRefresh();
}

void UndoManager::Redo()
{
    if (RedoActions.empty())
        return;
    std::shared_ptr<ActionBase> action = std::move(RedoActions.back());
    RedoActions.pop_back();
    action->Perform();
    if (Keeper)
        Keeper->RestoreSchedule(action->ScheduleAfter);
    UndoActions.push_back(action);
    NotifyListeners(*action);
    if (MenuRefresh)
        MenuRefresh();
}

QString UndoManager::UndoText() const
{
    return MenuText(QStringLiteral("Undo"), UndoActions);
}

QString UndoManager::RedoText() const
{
    return MenuText(QStringLiteral("Redo"), RedoActions);
}

void UndoManager::MarkSave()
{
    LastSaveMark = TopIndex();
}

bool UndoManager::IsDirty() const
{
    return TopIndex() != LastSaveMark;
}

void UndoManager::NotifyListeners(const ActionBase& action)
{
    const Notification name = action.NotificationName();
    const ActionTag tag = action.NotificationTag();
    // By index: a listener may add another while it is being told.
    for (std::size_t i = 0; i < Listeners.size(); ++i)
        Listeners[i]->NotificationReceived(name, tag);
}

std::int32_t UndoManager::TopIndex() const
{
    return static_cast<std::int32_t>(UndoActions.size()) - 1;
}

} // namespace belltide
