#include "WindowUndoHost.h"

namespace belltide {

WindowUndoHost::WindowUndoHost(const MicrosecondClock& clock)
    : mClock(&clock)
{
}

WindowUndoHost::~WindowUndoHost() = default;

UndoManager& WindowUndoHost::UndoManager()
{
    if (!mUndoManager) {
        mUndoManager = std::make_unique<belltide::UndoManager>();
        mUndoManager->Listeners.push_back(&mListener);
        mUndoManager->MenuRefresh = [this] { RefreshMenus(); };
    }
    return *mUndoManager;
}

bool WindowUndoHost::EditUndo()
{
    UndoManager().Undo();
    return true;
}

bool WindowUndoHost::EditRedo()
{
    UndoManager().Redo();
    return true;
}

EditMenuState WindowUndoHost::EnableMenuItems(const EditMenuState& current)
{
    EditMenuState state = EditMenuState::Updated(current, UndoManager());
    EnableMenuItemsEvent();
    return state;
}

void WindowUndoHost::NotificationReceived(Notification, const ActionTag&) { }

void WindowUndoHost::EnableMenuItemsEvent() { }

void WindowUndoHost::RefreshMenus() { }

void WindowUndoHost::Listener::NotificationReceived(Notification name, const ActionTag& tag)
{
    mHost.NotificationReceived(name, tag);
    mHost.mDirty = mHost.UndoManager().IsDirty();
}

} // namespace belltide
