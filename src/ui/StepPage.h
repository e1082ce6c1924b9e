#pragma once

#include "undo/ActionTag.h"

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

    // Shows what an edit, undo or redo changed: the value written back into
    // its control and the control focused. Called with the window's internal
    // change raised, once the window has gone to this page.
    virtual void React(const QString&, const ActionTag&) { }
};

} // namespace belltide
