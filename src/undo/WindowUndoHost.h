#pragma once

#include "EditMenuState.h"
#include "MicrosecondClock.h"
#include "UndoListener.h"
#include "UndoManager.h"

#include <QString>

#include <memory>

namespace belltide {

// The document window's side of undo, without the window: it owns the undo
// manager, listens to it, keeps the dirty flag and works out the Edit menu. The
// Qt window derives from it, overrides the hooks and copies EnableMenuItems'
// result onto its Undo and Redo actions.
class WindowUndoHost {
public:
    // Edits made in this window are stamped with `clock`, which must outlive the host.
    explicit WindowUndoHost(const MicrosecondClock& clock = MicrosecondClock::Steady());
    virtual ~WindowUndoHost();

    WindowUndoHost(const WindowUndoHost&) = delete;
    WindowUndoHost& operator=(const WindowUndoHost&) = delete;

    // Created on first use, with this window as its one listener.
    belltide::UndoManager& UndoManager();

    // The clock the window's pages hand to every action they create.
    const MicrosecondClock& Clock() const { return *mClock; }

    void MarkDirty(bool flag) { mDirty = flag; }
    bool Dirty() const { return mDirty; }

    // Menu handlers; true: the command was handled.
    bool EditUndo();
    bool EditRedo();

    // The Undo/Redo items as they should be shown, given how the enabling pass
    // found them (see EditMenuState::Updated); then runs EnableMenuItemsEvent.
    EditMenuState EnableMenuItems(const EditMenuState& current);

protected:
    // Hooks for the deriving window. NotificationReceived runs before the dirty
    // flag is brought up to date.
    virtual void NotificationReceived(Notification name, const ActionTag& tag);
    virtual void EnableMenuItemsEvent();
    // The manager asks for this after an undo or redo.
    virtual void RefreshMenus();

private:
    // Listens on the host's behalf: the host's own NotificationReceived is the
    // hook the window overrides, so the host cannot be the listener itself.
    class Listener final : public UndoListener {
    public:
        explicit Listener(WindowUndoHost& host)
            : mHost(host)
        {
        }
        void NotificationReceived(Notification name, const ActionTag& tag) override;

    private:
        WindowUndoHost& mHost;
    };

    const MicrosecondClock* mClock;
    Listener mListener { *this };
    std::unique_ptr<belltide::UndoManager> mUndoManager;
    bool mDirty = false;
};

} // namespace belltide
