#pragma once

#include "MessagePresenter.h"

namespace belltide {

// The platform's message boxes.
class QtMessagePresenter final : public MessagePresenter {
public:
    void ShowMessage(QWidget* parent, const QString& message) override;
    bool ShowDialog(QWidget* parent, const MessageDialogText& text) override;
};

} // namespace belltide
