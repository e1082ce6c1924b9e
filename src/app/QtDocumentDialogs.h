#pragma once

#include "DocumentDialogs.h"

namespace belltide {

// The platform's file dialogs and message boxes.
class QtDocumentDialogs final : public DocumentDialogs {
public:
    std::optional<QString> ChooseOpenFile(QWidget* parent) override;
    std::optional<QString> ChooseSaveFile(QWidget* parent, const QString& suggestedFile) override;
    SaveChoice AskSaveChanges(QWidget* parent) override;
    void ShowError(QWidget* parent, const QString& message) override;

private:
    // Where the next dialog starts: the folder last opened from or saved to.
    QString mLastFolder;
};

} // namespace belltide
