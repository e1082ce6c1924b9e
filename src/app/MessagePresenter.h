#pragma once

#include <QString>

class QWidget;

namespace belltide {

// A modal dialog with a message, a smaller explanation under it, an action
// button and a cancel button.
struct MessageDialogText {
    QString Message;
    QString Explanation;
    QString ActionButton;
    QString CancelButton;
};

// The application's message boxes. The program shows the platform's; tests
// record what would have been shown and answer for the user.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;

    // A message and an OK button.
    virtual void ShowMessage(QWidget* parent, const QString& message) = 0;
    // True when the user pressed the action button.
    virtual bool ShowDialog(QWidget* parent, const MessageDialogText& text) = 0;
};

} // namespace belltide
