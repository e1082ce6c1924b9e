#include "ClockReading.h"

#include <QRegularExpression>
#include <QString>

namespace belltide::ClockReading {

namespace {

constexpr std::int32_t kMaxCount = 1'000'000;

// Hour, then minutes after ":" or ".", optional seconds, optional AM/PM in
// any of the usual spellings.
const QRegularExpression& ClockPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(\d{1,2})(?:[:.](\d{2})(?::(\d{2}))?)?\s*(?:([ap])\.?\s*(?:m\.?)?)?$)"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

} // namespace

std::optional<std::int32_t> TimeOfDay(QStringView text)
{
    const auto match = ClockPattern().match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const int hour = match.capturedView(1).toInt();
    const bool hasMinutes = match.hasCaptured(2);
    const int minute = hasMinutes ? match.capturedView(2).toInt() : 0;
    if (match.hasCaptured(3) && match.capturedView(3).toInt() != 0)
        return std::nullopt;
    if (minute > 59)
        return std::nullopt;
    if (!match.hasCaptured(4)) {
        // A bare number is a count, not a time.
        if (!hasMinutes || hour > 23)
            return std::nullopt;
        return hour * 60 + minute;
    }
    if (hour < 1 || hour > 12)
        return std::nullopt;
    const bool afternoon = match.capturedView(4).compare(u"p", Qt::CaseInsensitive) == 0;
    return (hour % 12 + (afternoon ? 12 : 0)) * 60 + minute;
}

std::optional<std::int32_t> Minutes(QStringView text)
{
    static const QRegularExpression hoursAndMinutes(QStringLiteral(R"(^(\d{1,2}):(\d{2})$)"));
    static const QRegularExpression minutes(
        QStringLiteral(R"(^(\d{1,4})\s*(?:m|mins?\.?|minutes?)?$)"), QRegularExpression::CaseInsensitiveOption);
    const QStringView trimmed = text.trimmed();
    if (const auto match = hoursAndMinutes.match(trimmed); match.hasMatch()) {
        const int minute = match.capturedView(2).toInt();
        if (minute > 59)
            return std::nullopt;
        return match.capturedView(1).toInt() * 60 + minute;
    }
    if (const auto match = minutes.match(trimmed); match.hasMatch())
        return match.capturedView(1).toInt();
    return std::nullopt;
}

std::optional<std::int32_t> Count(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 7)
        return std::nullopt;
    std::int32_t value = 0;
    for (const QChar c : trimmed) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    if (value > kMaxCount)
        return std::nullopt;
    return value;
}

} // namespace belltide::ClockReading
