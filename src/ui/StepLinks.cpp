#include "StepLinks.h"

#include "Resources.h"

#include <QMouseEvent>
#include <QPainter>

namespace belltide {

StepPicture::StepPicture(int step, const QImage& picture, int size, QWidget* parent)
    : QWidget(parent)
    , mStep(step)
    , mPicture(picture)
{
    setFixedSize(size, size);
    setCursor(Qt::PointingHandCursor);
}

void StepPicture::paintEvent(QPaintEvent*)
{
    if (mPicture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    Resources::DrawIcon(painter, rect(), mPicture);
}

void StepPicture::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    emit Clicked(mStep);
}

void StepPicture::enterEvent(QEnterEvent*)
{
    emit Hovered(mStep, true);
}

void StepPicture::leaveEvent(QEvent*)
{
    emit Hovered(mStep, false);
}

StepLabel::StepLabel(int step, const QString& text, QWidget* parent)
    : QLabel(text, parent)
    , mStep(step)
{
    setCursor(Qt::PointingHandCursor);
    setWordWrap(true);
}

void StepLabel::SetUnderlined(bool underlined)
{
    QFont f = font();
    f.setUnderline(underlined);
    setFont(f);
}

void StepLabel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    emit Clicked(mStep);
}

void StepLabel::enterEvent(QEnterEvent*)
{
    emit Hovered(mStep, true);
}

void StepLabel::leaveEvent(QEvent*)
{
    emit Hovered(mStep, false);
}

} // namespace belltide
