#include "DocumentUndoKeys.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace belltide {

namespace {

bool IsUndoKey(const QKeyEvent& key)
{
    if (key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo))
        return true;
    // Both redo keys work on every platform, whichever one it calls its own.
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (key.key() == Qt::Key_Y)
        return modifiers == Qt::ControlModifier;
    if (key.key() == Qt::Key_Z)
        return modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier);
    return false;
}

} // namespace

bool LeaveUndoKeyToDocument(QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    if (!IsUndoKey(*static_cast<QKeyEvent*>(event)))
        return false;
    event->ignore();
    return true;
}

} // namespace belltide
