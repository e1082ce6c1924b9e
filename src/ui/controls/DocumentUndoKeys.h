#pragma once

class QEvent;

namespace belltide {

// Undo and redo belong to the document: a field that ran its own would change
// the text behind the document's back, and the Edit menu would then undo the
// wrong thing. Our fields pass these keys to the Edit menu through here.
//
// True when `event` is an undo or redo key (Ctrl+Z, Ctrl+Y, Ctrl+Shift+Z and
// the platform's own) offered to a field, as a shortcut override or as a key
// press; the event is then ignored, so that the Edit menu's shortcut fires and
// the field does nothing with it.
bool LeaveUndoKeyToDocument(QEvent* event);

} // namespace belltide
