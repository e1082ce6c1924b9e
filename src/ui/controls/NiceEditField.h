#pragma once

#include <QLineEdit>

namespace belltide {

// A text field that selects all of its text whenever it gets the focus, so
// that typing replaces the value instead of adding to it. Undo and redo keys
// go to the Edit menu.
class NiceEditField : public QLineEdit {
    Q_OBJECT

public:
    explicit NiceEditField(QWidget* parent = nullptr);

    // The Edit menu's Select All; true because the command is handled.
    bool SelectAllCommand();

signals:
    void GotFocus();

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace belltide
