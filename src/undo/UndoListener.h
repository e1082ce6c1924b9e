#pragma once

#include "ActionTag.h"
#include "Notification.h"

namespace belltide {

// Told after every do, undo and redo which notification the action sends and
// which model object it changed.
class UndoListener {
public:
    virtual ~UndoListener() = default;

    virtual void NotificationReceived(Notification name, const ActionTag& tag) = 0;
};

} // namespace belltide
