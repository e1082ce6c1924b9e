#include "AddRemoveButtons.h"

#include "AccessibleControls.h"
#include "ui/Resources.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

namespace belltide {

namespace {

constexpr int kRemoveLeft = 23;

void AnnounceStateChange(QObject* buttons)
{
    QAccessible::State changed;
    changed.disabled = true;
    QAccessibleStateChangeEvent event(buttons, changed);
    QAccessible::updateAccessibility(&event);
}

} // namespace

AddRemoveButtons::AddRemoveButtons(QWidget* parent)
    : QWidget(parent)
    , PicAdd(Resources::GetIcon(QStringLiteral("Add")))
    , PicAddDisabled(Resources::GetIcon(QStringLiteral("Add Disabled")))
    , PicAddPressed(Resources::GetIcon(QStringLiteral("Add Pressed")))
    , PicRemove(Resources::GetIcon(QStringLiteral("Remove")))
    , PicRemoveDisabled(Resources::GetIcon(QStringLiteral("Remove Disabled")))
    , PicRemovePressed(Resources::GetIcon(QStringLiteral("Remove Pressed")))
{
    setFixedSize(sizeHint());
    setFocusPolicy(Qt::NoFocus);
    AccessibleControls::Install();
    AddShortcuts();
    SetActionNames(mAddName, mRemoveName);
}

// The buttons take no focus, so that a list keeps it; the keyboard reaches
// them through these. A window shortcut of a hidden page does not fire.
void AddRemoveButtons::AddShortcuts()
{
    auto* add = new QShortcut(this);
    add->setKeys({ AddShortcut(), QKeySequence(Qt::CTRL | Qt::Key_Equal) });
    connect(add, &QShortcut::activated, this, [this] {
        if (isEnabled() && mAddEnabled)
            emit Add();
    });
    auto* remove = new QShortcut(RemoveShortcut(), this);
    connect(remove, &QShortcut::activated, this, [this] {
        if (isEnabled() && mRemoveEnabled)
            emit Remove();
    });
}

void AddRemoveButtons::SetActionNames(const QString& add, const QString& remove)
{
    mAddName = add;
    mRemoveName = remove;
    setAccessibleName(add + QStringLiteral(", ") + remove);
    setToolTip(QStringLiteral("%1 (%2)\n%3 (%4)")
                   .arg(add, AddShortcut().toString(QKeySequence::NativeText), remove,
                       RemoveShortcut().toString(QKeySequence::NativeText)));
}

void AddRemoveButtons::SetAddEnabled(bool enabled)
{
    mAddEnabled = enabled;
    update();
    AnnounceStateChange(this);
}

void AddRemoveButtons::SetRemoveEnabled(bool enabled)
{
    mRemoveEnabled = enabled;
    update();
    AnnounceStateChange(this);
}

int AddRemoveButtons::ButtonAt(int x, int y) const
{
    if (y <= 0 || y >= height())
        return 0;
    if (x >= 1 && x <= 22)
        return mAddEnabled ? 1 : 0;
    if (x > 22 && x < width())
        return mRemoveEnabled ? 2 : 0;
    return 0;
}

void AddRemoveButtons::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    mButton = ButtonAt(at.x(), at.y());
    mLastX = at.x();
    mLastY = at.y();
    update();
    event->accept();
}

void AddRemoveButtons::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (at.x() == mLastX && at.y() == mLastY)
        return;
    mLastX = at.x();
    mLastY = at.y();
    mButton = ButtonAt(at.x(), at.y());
    update();
}

void AddRemoveButtons::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const int button = isEnabled() ? ButtonAt(at.x(), at.y()) : 0;
    mButton = 0;
    update();
    if (button == 1)
        emit Add();
    else if (button == 2)
        emit Remove();
}

void AddRemoveButtons::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter);
}

void AddRemoveButtons::Paint(QPainter& painter) const
{
    const bool addEnabled = isEnabled() && mAddEnabled;
    const bool removeEnabled = isEnabled() && mRemoveEnabled;
    const QImage& add = !addEnabled ? PicAddDisabled : mButton == 1 ? PicAddPressed : PicAdd;
    const QImage& remove = !removeEnabled ? PicRemoveDisabled : mButton == 2 ? PicRemovePressed : PicRemove;
    Resources::DrawIcon(painter, QRect(QPoint(0, 0), add.size()), add);
    Resources::DrawIcon(painter, QRect(QPoint(kRemoveLeft, 0), remove.size()), remove);
}

} // namespace belltide
