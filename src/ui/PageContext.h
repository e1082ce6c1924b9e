#pragma once

#include <memory>

namespace belltide {

class ActionBase;
class HelpCanvas;
class MicrosecondClock;
class School;
class UndoManager;

// What a page of the main window works with, and nothing more of the window:
// the school it shows, the undo manager its edits go through, the clock that
// stamps them, the guard that tells the program's own writes into controls
// from the user's, and the help area.
class PageContext {
public:
    PageContext(std::shared_ptr<School> school, belltide::UndoManager& undoManager, const MicrosecondClock& clock,
        HelpCanvas& help);

    PageContext(const PageContext&) = delete;
    PageContext& operator=(const PageContext&) = delete;

    School& GetSchool() const { return *mSchool; }
    const std::shared_ptr<School>& SchoolPtr() const { return mSchool; }
    belltide::UndoManager& UndoManager() const { return mUndoManager; }
    const MicrosecondClock& Clock() const { return mClock; }
    HelpCanvas& Help() const { return mHelp; }

    // While raised, the program itself is writing into controls: control
    // events make no edits and notifications get no reaction.
    bool IsInternalChange() const { return mInternalChange > 0; }

    class InternalChange {
    public:
        explicit InternalChange(PageContext& context)
            : mContext(context)
        {
            ++mContext.mInternalChange;
        }
        ~InternalChange() { --mContext.mInternalChange; }
        InternalChange(const InternalChange&) = delete;
        InternalChange& operator=(const InternalChange&) = delete;

    private:
        PageContext& mContext;
    };

    // An edit the page already shows: made with the guard raised, so the
    // window does not move to it or write it back.
    void Submit(const std::shared_ptr<ActionBase>& action);
    // An edit the page does not show yet (a row added or removed): the window
    // goes to the page concerned and the page's reaction shows it.
    void SubmitAndShow(const std::shared_ptr<ActionBase>& action);

private:
    std::shared_ptr<School> mSchool;
    belltide::UndoManager& mUndoManager;
    const MicrosecondClock& mClock;
    HelpCanvas& mHelp;
    int mInternalChange = 0;
};

} // namespace belltide
