#include "TimeControl.h"

#include <algorithm>

namespace belltide {

TimeControl::TimeControl(QWidget* parent)
    : QTimeEdit(parent)
{
    setDisplayFormat(QStringLiteral("h:mm AP"));
    setWrapping(true);
    connect(this, &QTimeEdit::timeChanged, this, &TimeControl::ValueChanged);
}

int TimeControl::MinutesValue() const
{
    return time().hour() * 60 + time().minute();
}

void TimeControl::SetMinutesValue(int minutes)
{
    const int clamped = std::clamp(minutes, 0, 24 * 60 - 1);
    setTime(QTime(clamped / 60, clamped % 60));
}

void TimeControl::focusInEvent(QFocusEvent* event)
{
    QTimeEdit::focusInEvent(event);
    emit GotFocus();
}

void TimeControl::focusOutEvent(QFocusEvent* event)
{
    QTimeEdit::focusOutEvent(event);
    emit LostFocus();
}

} // namespace belltide
