#include "NumberField.h"

#include "DocumentUndoKeys.h"
#include "FieldMark.h"

#include <QEvent>

#include <utility>

namespace belltide {

NumberField::NumberField(QString name, int minimum, int maximum, QWidget* parent)
    : QLineEdit(parent)
    , mName(std::move(name))
    , mMinimum(minimum)
    , mMaximum(maximum)
{
    connect(this, &QLineEdit::textChanged, this, &NumberField::UpdateMark);
}

std::optional<int> NumberField::Value() const
{
    const QString digits = text().trimmed();
    if (digits.isEmpty() || digits.size() > 9)
        return std::nullopt;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    const int value = digits.toInt();
    if (value < mMinimum || value > mMaximum)
        return std::nullopt;
    return value;
}

QString NumberField::OwnProblem() const
{
    if (Value())
        return {};
    const QString range = QStringLiteral("from %1 to %2").arg(mMinimum).arg(mMaximum);
    const QString typed = text().trimmed();
    if (typed.isEmpty())
        return QStringLiteral("%1: type a number %2.").arg(mName, range);
    bool digitsOnly = typed.size() <= 9;
    for (const QChar c : typed)
        digitsOnly = digitsOnly && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (!digitsOnly)
        return QStringLiteral("%1: \u201c%2\u201d is not a whole number. Type digits only, %3.")
            .arg(mName, typed, range);
    return QStringLiteral("%1: %2 is out of range. Type a number %3.").arg(mName, typed, range);
}

QString NumberField::Problem() const
{
    const QString own = OwnProblem();
    return own.isEmpty() ? mFlag : own;
}

void NumberField::SetFlag(const QString& problem)
{
    mFlag = problem;
    UpdateMark();
}

bool NumberField::event(QEvent* event)
{
    return LeaveUndoKeyToDocument(event) || QLineEdit::event(event);
}

void NumberField::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        UpdateMark();
}

void NumberField::UpdateMark()
{
    // A field with nothing selected to edit is cleared and disabled: nothing to mark.
    MarkField(*this, isEnabled() && !Problem().isEmpty());
}

} // namespace belltide
