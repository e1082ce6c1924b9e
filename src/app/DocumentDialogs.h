#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace belltide {

// The answers to "Do you want to save the changes you made to this schedule?".
enum class SaveChoice { Save, DontSave, Cancel };

// The modal dialogs of opening, saving and closing documents. The program shows
// the platform's; tests answer them without showing anything.
class DocumentDialogs {
public:
    virtual ~DocumentDialogs() = default;

    // The schedule document to open; nothing when cancelled.
    virtual std::optional<QString> ChooseOpenFile(QWidget* parent) = 0;
    // Where to save, starting from suggestedFile (a name or a path); nothing when cancelled.
    virtual std::optional<QString> ChooseSaveFile(QWidget* parent, const QString& suggestedFile) = 0;
    virtual SaveChoice AskSaveChanges(QWidget* parent) = 0;
    virtual void ShowError(QWidget* parent, const QString& message) = 0;
};

} // namespace belltide
