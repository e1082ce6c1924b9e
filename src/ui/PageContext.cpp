#include "PageContext.h"

#include "undo/UndoManager.h"

#include <utility>

namespace belltide {

PageContext::PageContext(
    std::shared_ptr<School> school, belltide::UndoManager& undoManager, const MicrosecondClock& clock, HelpCanvas& help)
    : mSchool(std::move(school))
    , mUndoManager(undoManager)
    , mClock(clock)
    , mHelp(help)
{
}

void PageContext::Submit(const std::shared_ptr<ActionBase>& action)
{
    const InternalChange guard(*this);
    mUndoManager.Add(action);
}

void PageContext::SubmitAndShow(const std::shared_ptr<ActionBase>& action)
{
    mUndoManager.Add(action);
}

} // namespace belltide
