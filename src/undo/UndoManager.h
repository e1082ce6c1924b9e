#pragma once

#include "ActionBase.h"
#include "UndoListener.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace belltide {

class ScheduleKeeper;

// The undo and redo stacks of one document. Every do, undo and redo is
// broadcast to the listeners; a quick run of same-type edits becomes one step.
class UndoManager {
public:
    UndoManager() = default;

    UndoManager(const UndoManager&) = delete;
    UndoManager& operator=(const UndoManager&) = delete;

    // The last entry of each is the next to undo or redo.
    std::vector<std::shared_ptr<ActionBase>> UndoActions;
    std::vector<std::shared_ptr<ActionBase>> RedoActions;
    // Not owned: the window owns its manager and listens to it.
    std::vector<UndoListener*> Listeners;
    // Index of the top of UndoActions at the last save; -1 for never saved or
    // saved with an empty stack.
    std::int32_t LastSaveMark = -1;
    // Asked for after an undo or redo, so the Edit menu follows; Add leaves that
    // to the menu's own enabling pass.
    std::function<void()> MenuRefresh;
    // Keeps the schedule in step with the edits; none: the schedule is left alone.
    ScheduleKeeper* Keeper = nullptr;

    // Records the action (unless the top entry absorbs it), empties the redo
    // stack, performs the action and broadcasts it.
    void Add(const std::shared_ptr<ActionBase>& action);
    void Undo();
    void Redo();

    bool CanUndo() const { return !UndoActions.empty(); }
    bool CanRedo() const { return !RedoActions.empty(); }
    QString UndoText() const;
    QString RedoText() const;

    // Dirtiness is the depth of the undo stack against the depth at the last
    // save: merging keeps the depth, and so does undoing one step and adding another.
    void MarkSave();
    bool IsDirty() const;

    // Only the given action speaks: the rest of a chain sends nothing.
    void NotifyListeners(const ActionBase& action);

private:
    std::int32_t TopIndex() const;
};

} // namespace belltide
