#include "TimeControl.h"

#include "DocumentUndoKeys.h"
#include "FieldMark.h"
#include "model/TimeText.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>

namespace belltide {

namespace {

constexpr int kMinutesPerDay = 24 * 60;
constexpr int kArrowStep = 5;

} // namespace

TimeControl::TimeControl(QWidget* parent)
    : QLineEdit(parent)
{
    setAccessibleDescription(QStringLiteral("Type a time such as 2:30 PM or 14:30; Up and Down move it by 5 minutes."));
    ShowValue();
    connect(this, &QLineEdit::textEdited, this, &TimeControl::Typed);
    connect(this, &QLineEdit::returnPressed, this, &TimeControl::Finish);
}

void TimeControl::SetMinutesValue(int minutes)
{
    const int clamped = std::clamp(minutes, 0, kMinutesPerDay - 1);
    const bool changed = clamped != mMinutes;
    mMinutes = clamped;
    ShowValue();
    if (changed)
        emit ValueChanged();
}

QString TimeControl::Problem() const
{
    return mTypingProblem.isEmpty() ? mFlag : mTypingProblem;
}

void TimeControl::SetFlag(const QString& problem)
{
    if (problem == mFlag)
        return;
    mFlag = problem;
    MarkField(*this, !Problem().isEmpty());
    emit ProblemChanged();
}

QSize TimeControl::sizeHint() const
{
    const QSize hint = QLineEdit::sizeHint();
    return { fontMetrics().horizontalAdvance(QStringLiteral("12:59 PM ")) + 16, hint.height() };
}

void TimeControl::Typed(const QString& text)
{
    const TypedTime reading = ReadTypedTime(text, QLocale());
    SetTypingProblem(reading.Reading == TypedTime::Kind::NoTime ? reading.Why : QString());
    // A bare hour may still grow ("1" on the way to "11" or "130p"): it is
    // taken when the field is left, not stored on the way.
    static const QRegularExpression bareHour(QStringLiteral("^\\s*\\d{1,2}\\s*$"));
    if (!bareHour.match(text).hasMatch())
        Take(reading);
}

void TimeControl::Take(const TypedTime& reading)
{
    if (reading.Reading != TypedTime::Kind::Time || reading.Minutes == mMinutes)
        return;
    mMinutes = reading.Minutes;
    emit ValueChanged();
}

void TimeControl::Finish()
{
    Take(ReadTypedTime(text(), QLocale()));
    ShowValue();
}

void TimeControl::ShowValue()
{
    const QString shown = ShortTime(mMinutes);
    if (text() != shown)
        setText(shown);
    SetTypingProblem(QString());
}

void TimeControl::SetTypingProblem(const QString& problem)
{
    if (problem == mTypingProblem)
        return;
    mTypingProblem = problem;
    MarkField(*this, !Problem().isEmpty());
    emit ProblemChanged();
}

bool TimeControl::event(QEvent* event)
{
    return LeaveUndoKeyToDocument(event) || QLineEdit::event(event);
}

void TimeControl::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    selectAll();
    // A click would place the cursor after this; select again once it is over.
    if (event->reason() == Qt::MouseFocusReason)
        QTimer::singleShot(0, this, &QLineEdit::selectAll);
    emit GotFocus();
}

void TimeControl::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    Finish();
    emit LostFocus();
}

void TimeControl::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Up && event->key() != Qt::Key_Down) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const int step = event->key() == Qt::Key_Up ? kArrowStep : -kArrowStep;
    // To the next multiple of the step, round the clock.
    const int next = (mMinutes / kArrowStep) * kArrowStep + (step > 0 || mMinutes % kArrowStep == 0 ? step : 0);
    SetMinutesValue((next + kMinutesPerDay) % kMinutesPerDay);
    selectAll();
}

} // namespace belltide
