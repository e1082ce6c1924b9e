#include "AddRemoveButtonsAccessible.h"

#include "AddRemoveButtons.h"

#include <QPointer>

namespace belltide {

namespace {

constexpr int kButtonWidth = 23;

// One of the two buttons; it has no widget of its own.
class ButtonAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ButtonAccessible(AddRemoveButtons* buttons, int index)
        : mButtons(buttons)
        , mIndex(index)
    {
    }

    bool isValid() const override { return !mButtons.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(mButtons); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Button; }
    void setText(QAccessible::Text, const QString&) override { }

    QString text(QAccessible::Text type) const override
    {
        if (!mButtons)
            return {};
        switch (type) {
        case QAccessible::Name:
            return IsAdd() ? mButtons->AddName() : mButtons->RemoveName();
        case QAccessible::Accelerator:
            return Shortcut().toString(QKeySequence::NativeText);
        default:
            return {};
        }
    }

    QRect rect() const override
    {
        if (!mButtons)
            return {};
        return QRect(mButtons->mapToGlobal(QPoint(mIndex * kButtonWidth, 0)), QSize(kButtonWidth, mButtons->height()));
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.disabled = !CanPress();
        state.pressed = mButtons && mButtons->PressedButton() == mIndex + 1;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return { pressAction() }; }
    QStringList keyBindingsForAction(const QString&) const override
    {
        return { Shortcut().toString(QKeySequence::NativeText) };
    }
    void doAction(const QString& action) override
    {
        if (action != pressAction() || !CanPress())
            return;
        if (IsAdd())
            mButtons->PushAdd();
        else
            mButtons->PushRemove();
    }

private:
    bool IsAdd() const { return mIndex == 0; }
    QKeySequence Shortcut() const
    {
        return IsAdd() ? AddRemoveButtons::AddShortcut() : AddRemoveButtons::RemoveShortcut();
    }
    bool CanPress() const
    {
        return mButtons && mButtons->isEnabled() && (IsAdd() ? mButtons->AddEnabled() : mButtons->RemoveEnabled());
    }

    QPointer<AddRemoveButtons> mButtons;
    int mIndex;
};

} // namespace

AddRemoveButtonsAccessible::AddRemoveButtonsAccessible(AddRemoveButtons* buttons)
    : QAccessibleWidget(buttons, QAccessible::Grouping)
{
}

AddRemoveButtonsAccessible::~AddRemoveButtonsAccessible()
{
    for (const QAccessible::Id id : mButtonIds) {
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
    }
}

int AddRemoveButtonsAccessible::childCount() const
{
    return int(mButtonIds.size());
}

QAccessibleInterface* AddRemoveButtonsAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    QAccessible::Id& id = mButtonIds[std::size_t(index)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(
            new ButtonAccessible(static_cast<AddRemoveButtons*>(widget()), index));
    return QAccessible::accessibleInterface(id);
}

int AddRemoveButtonsAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (int index = 0; index < childCount(); ++index) {
        if (mButtonIds[std::size_t(index)] != 0 && this->child(index) == child)
            return index;
    }
    return -1;
}

QAccessibleInterface* AddRemoveButtonsAccessible::childAt(int x, int y) const
{
    for (int index = 0; index < childCount(); ++index) {
        QAccessibleInterface* button = child(index);
        if (button->rect().contains(x, y))
            return button;
    }
    return nullptr;
}

} // namespace belltide
