#include "TimeText.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTime>

namespace belltide {

QString FormatTimeOfDay(std::int32_t minutes)
{
    if (minutes < 0 || minutes > 24 * 60)
        return QStringLiteral("%1 min").arg(minutes);
    return ShortTime(minutes);
}

QString ShortTime(std::int32_t minutes)
{
    const int inDay = int(((minutes % 1440) + 1440) % 1440);
    // The default locale is the system's unless a test has fixed one.
    const QLocale locale;
    QString format = locale.timeFormat(QLocale::ShortFormat);
    format.remove(QRegularExpression(QStringLiteral("[.:]?s+")));
    return locale.toString(QTime(inDay / 60, inDay % 60), format.trimmed());
}

QString DayAbbreviation(std::int32_t day)
{
    static const char* const names[] = { "Mon", "Tue", "Wed", "Thu", "Fri" };
    if (day >= 0 && day < 5)
        return QString::fromLatin1(names[day]);
    return QStringLiteral("day %1").arg(day);
}

namespace {

QString Squeezed(QString text)
{
    text.remove(QLatin1Char('.'));
    text.remove(QLatin1Char(' '));
    return text.toLower();
}

bool Abbreviates(const QString& typed, const QString& word)
{
    return !typed.isEmpty() && Squeezed(word).startsWith(typed);
}

} // namespace

TypedTime ReadTypedTime(const QString& text, const QLocale& locale)
{
    using Kind = TypedTime::Kind;
    const QString example = QStringLiteral("Type a time such as %1, 2:30p or 14:30.").arg(ShortTime(14 * 60 + 30));
    const QString typed = text.trimmed();
    // Nothing yet, or an hour and a colon on the way to the minutes.
    static const QRegularExpression unfinished(QStringLiteral("^(\\d{0,2}[:.]\\d?)?$"));
    if (unfinished.match(typed).hasMatch())
        return { Kind::Unfinished, 0, example };
    static const QRegularExpression form(
        QStringLiteral("^(?:(\\d{1,2})(?:[:.](\\d{2}))?|(\\d{1,2})(\\d{2}))\\s*([^\\d\\s:.][^\\d]*)?$"));
    const QRegularExpressionMatch match = form.match(typed);
    if (!match.hasMatch())
        return { Kind::NoTime, 0, QStringLiteral("\u201c%1\u201d is not a time. %2").arg(typed, example) };
    const bool compact = !match.captured(3).isEmpty();
    int hour = (compact ? match.captured(3) : match.captured(1)).toInt();
    const int minute = (compact ? match.captured(4) : match.captured(2)).toInt();
    const QString suffix = Squeezed(match.captured(5));
    const bool am = Abbreviates(suffix, QStringLiteral("am")) || Abbreviates(suffix, locale.amText());
    const bool pm = Abbreviates(suffix, QStringLiteral("pm")) || Abbreviates(suffix, locale.pmText());
    if (!suffix.isEmpty() && !am && !pm)
        return { Kind::NoTime, 0,
            QStringLiteral("\u201c%1\u201d is not AM or PM. %2").arg(match.captured(5).trimmed(), example) };
    if (minute > 59)
        return { Kind::NoTime, 0, QStringLiteral("An hour has minutes 00 to 59. %1").arg(example) };
    if (!suffix.isEmpty()) {
        if (hour < 1 || hour > 12)
            return { Kind::NoTime, 0, QStringLiteral("With AM or PM the hour goes from 1 to 12. %1").arg(example) };
        hour = hour % 12 + (pm ? 12 : 0);
    } else if (hour > 23) {
        return { Kind::NoTime, 0, QStringLiteral("A day has hours 0 to 23. %1").arg(example) };
    } else if (locale.timeFormat(QLocale::ShortFormat).contains(QLatin1Char('a'), Qt::CaseInsensitive) && hour >= 1
        && hour <= 6) {
        hour += 12;
    }
    return { Kind::Time, hour * 60 + minute, {} };
}

} // namespace belltide
