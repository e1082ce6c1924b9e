#include "NiceEditField.h"

#include "DocumentUndoKeys.h"

#include <QFocusEvent>
#include <QTimer>

namespace belltide {

NiceEditField::NiceEditField(QWidget* parent)
    : QLineEdit(parent)
{
}

bool NiceEditField::SelectAllCommand()
{
    selectAll();
    return true;
}

bool NiceEditField::event(QEvent* event)
{
    return LeaveUndoKeyToDocument(event) || QLineEdit::event(event);
}

void NiceEditField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    selectAll();
    // A click that gave the focus would place the cursor right after this and
    // undo the selection; selecting again once the click is over keeps it.
    if (event->reason() == Qt::MouseFocusReason)
        QTimer::singleShot(0, this, &QLineEdit::selectAll);
    emit GotFocus();
}

} // namespace belltide
