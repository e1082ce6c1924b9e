#include "AddRemoveButtons.h"

#include "ui/Resources.h"

#include <QMouseEvent>
#include <QPainter>

namespace belltide {

namespace {

constexpr int kRemoveLeft = 23;

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
}

void AddRemoveButtons::SetAddEnabled(bool enabled)
{
    mAddEnabled = enabled;
    update();
}

void AddRemoveButtons::SetRemoveEnabled(bool enabled)
{
    mRemoveEnabled = enabled;
    update();
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
    painter.drawImage(0, 0, !addEnabled ? PicAddDisabled : mButton == 1 ? PicAddPressed : PicAdd);
    painter.drawImage(kRemoveLeft, 0, !removeEnabled ? PicRemoveDisabled : mButton == 2 ? PicRemovePressed : PicRemove);
}

} // namespace belltide
