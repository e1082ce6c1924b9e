#pragma once

#include "undo/ActionTag.h"
#include "undo/Notification.h"

#include <QWidget>

namespace belltide {

// One page of the main window. The window asks each page what to focus when
// the step is entered; pages fill in what they need.
class StepPage : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // The control that gets the keyboard focus when the step is entered.
    virtual QWidget* FirstControl() const { return nullptr; }

    // Fills the controls from the school as the document opens; the window
    // raises the internal change around it.
    virtual void Load() { }

    // Keeps what the page derives from the school (lists mirrored from other
    // pages, slider ranges, a run in progress) in step with every edit, undo
    // and redo, whoever made it. Every page is told, before React.
    virtual void Follow(Notification, const ActionTag&) { }

    // Shows what an edit, undo or redo changed: the value written back into
    // its control and the control focused. Called with the internal change
    // raised, once the window has gone to this page, and only for changes the
    // window did not make itself.
    virtual void React(Notification, const ActionTag&) { }

    // The impossible entry the page shows in red, for the help area while the
    // page is on screen; empty when there is none.
    virtual QString Problem() const { return {}; }
};

} // namespace belltide
