#pragma once

#include <QAccessibleWidget>

#include <array>

namespace belltide {

class AddRemoveButtons;

// The + and - buttons to a screen reader: a group of two push buttons, each
// named for what it adds or removes, with a press action and its shortcut.
class AddRemoveButtonsAccessible : public QAccessibleWidget {
public:
    explicit AddRemoveButtonsAccessible(AddRemoveButtons* buttons);
    ~AddRemoveButtonsAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    // Made on first request and registered with Qt's cache, which needs ids
    // for them; they go when this interface goes.
    mutable std::array<QAccessible::Id, 2> mButtonIds {};
};

} // namespace belltide
