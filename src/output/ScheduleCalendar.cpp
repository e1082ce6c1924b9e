#include "ScheduleCalendar.h"

#include "ScheduleRows.h"

#include "model/Classroom.h"
#include "model/FileSaving.h"
#include "model/School.h"
#include "model/SpecialClass.h"

#include <QCryptographicHash>
#include <QDir>
#include <QTimeZone>

#include <libical/ical.h>

#include <vector>

namespace belltide {

QByteArray CalendarRequest::SystemZone()
{
    const QByteArray id = QTimeZone::systemTimeZoneId();
    const bool universal = id == "UTC" || id == "GMT" || id == "Universal" || id == "Zulu" || id.startsWith("Etc/");
    if (id.isEmpty() || universal)
        return {};
    return icaltimezone_get_builtin_timezone(id.constData()) ? id : QByteArray();
}

namespace ScheduleCalendar {

namespace {

constexpr const char* kProductId = "-//Belltide//Belltide schedule//EN";

// Owns a component that has not been handed to a parent.
struct ComponentDeleter {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentDeleter>;

bool Wanted(const ScheduleRow& row, const CalendarRequest& request)
{
    if (request.Class)
        return row.Class == request.Class;
    if (request.Special)
        return row.Special && row.Special->Teacher.compare(request.Special->Teacher, Qt::CaseInsensitive) == 0;
    return true;
}

icaltimetype LocalTime(const QDate& date, std::int32_t minutes)
{
    icaltimetype time = icaltime_null_time();
    time.year = date.year();
    time.month = date.month();
    time.day = date.day();
    time.hour = minutes / 60;
    time.minute = minutes % 60;
    return time;
}

icaltimetype UtcTime(const QDateTime& moment)
{
    return icaltime_from_timet_with_zone(moment.toSecsSinceEpoch(), 0, icaltimezone_get_utc_timezone());
}

icalproperty* WithZone(icalproperty* property, const QByteArray& zone)
{
    if (!zone.isEmpty())
        icalproperty_add_parameter(property, icalparameter_new_tzid(zone.constData()));
    return property;
}

// The zone's rules for the term, under its plain IANA name rather than
// libical's own prefixed one, which some calendar programs show to the user.
Component TimeZoneComponent(const QByteArray& zone, const CalendarRequest& request)
{
    icaltimezone* known = icaltimezone_get_builtin_timezone(zone.constData());
    if (!known)
        return nullptr;
    Component component(icalcomponent_new_clone(icaltimezone_get_component(known)));
    // A day's margin either side covers any offset from UTC.
    const auto utcMidnight = [](const QDate& date) { return UtcTime(QDateTime(date, QTime(0, 0), Qt::UTC)); };
    icaltimezone_truncate_vtimezone(
        component.get(), utcMidnight(request.FirstDay.addDays(-1)), utcMidnight(request.LastDay.addDays(2)), 1);
    icalproperty* tzid = icalcomponent_get_first_property(component.get(), ICAL_TZID_PROPERTY);
    icalproperty_set_tzid(tzid, zone.constData());
    return component;
}

QString Summary(const ScheduleRow& row, const CalendarRequest& request)
{
    if (request.Class)
        return row.Subject();
    return QStringLiteral("%1 for %2").arg(row.Subject(), ScheduleRows::Label(*row.Class));
}

QString Description(const ScheduleRow& row)
{
    if (row.Special)
        return QStringLiteral("%1 with %2 for %3")
            .arg(row.Subject(), row.Special->Teacher, ScheduleRows::Label(*row.Class));
    return QStringLiteral("%1 for %2").arg(row.Subject(), ScheduleRows::Label(*row.Class));
}

// Stable across exports of the same term and calendar; different for the same
// meeting in another calendar, which a program may hold side by side.
QByteArray Uid(const School& school, const ScheduleRow& row, const CalendarRequest& request, const QString& name)
{
    const QString key = QStringList { school.Name, name, request.FirstDay.toString(Qt::ISODate),
        ScheduleRows::Label(*row.Class), row.Subject(), row.Special ? row.Special->Teacher : QString(),
        QString::number(row.Day), QString::number(row.Start) }
                            .join(u'\x1f');
    return QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256).toHex().left(32) + "@belltide";
}

void AddText(icalcomponent* event, icalproperty* property)
{
    icalcomponent_add_property(event, property);
}

// The event of one meeting, or none when its weekday never comes in the term.
icalcomponent* Event(const School& school, const ScheduleRow& row, const CalendarRequest& request, const QString& name)
{
    const int weekday = row.Day + 1;
    const QDate first = request.FirstDay.addDays((weekday - request.FirstDay.dayOfWeek() + 7) % 7);
    if (first > request.LastDay)
        return nullptr;
    const int weeks = int(first.daysTo(request.LastDay) / 7) + 1;

    icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    const QByteArray uid = Uid(school, row, request, name);
    AddText(event, icalproperty_new_uid(uid.constData()));
    AddText(event, icalproperty_new_dtstamp(UtcTime(request.Stamp)));
    AddText(event, WithZone(icalproperty_new_dtstart(LocalTime(first, row.Start)), request.TimeZone));
    AddText(event, WithZone(icalproperty_new_dtend(LocalTime(first, row.End)), request.TimeZone));
    icalrecurrencetype weekly;
    icalrecurrencetype_clear(&weekly);
    weekly.freq = ICAL_WEEKLY_RECURRENCE;
    weekly.count = weeks;
    AddText(event, icalproperty_new_rrule(weekly));
    AddText(event, icalproperty_new_summary(Summary(row, request).toUtf8().constData()));
    AddText(event, icalproperty_new_description(Description(row).toUtf8().constData()));
    AddText(event, icalproperty_new_categories(ScheduleRows::KindName(row.Kind).toUtf8().constData()));
    AddText(event, icalproperty_new_transp(ICAL_TRANSP_OPAQUE));
    return event;
}

icalproperty* NamedProperty(const char* name, const QString& value)
{
    icalproperty* property = icalproperty_new_x(value.toUtf8().constData());
    icalproperty_set_x_name(property, name);
    return property;
}

} // namespace

QString Name(const School& school, const CalendarRequest& request)
{
    if (request.Class)
        return school.Name + QStringLiteral(": ") + ScheduleRows::Label(*request.Class);
    if (request.Special)
        return school.Name + QStringLiteral(": ") + request.Special->Teacher;
    return school.Name;
}

Result<QByteArray> Bytes(const School& school, const CalendarRequest& request)
{
    using Failure = Result<QByteArray>;
    if (!request.FirstDay.isValid() || !request.LastDay.isValid())
        return Failure::Fail(QStringLiteral("The term needs a first and a last day."));
    if (request.LastDay < request.FirstDay)
        return Failure::Fail(QStringLiteral("The term's last day, %1, comes before its first day, %2.")
                                 .arg(request.LastDay.toString(Qt::ISODate), request.FirstDay.toString(Qt::ISODate)));
    Component zone;
    if (!request.TimeZone.isEmpty()) {
        zone = TimeZoneComponent(request.TimeZone, request);
        if (!zone)
            return Failure::Fail(
                QStringLiteral("The time zone \"%1\" is not known.").arg(QString::fromUtf8(request.TimeZone)));
    }

    const QString name = Name(school, request);
    Component calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid(kProductId));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    // No METHOD: this is a calendar file, not a scheduling message, which
    // would need an ORGANIZER and make some programs offer to reply.
    // Read by Google Calendar, Apple Calendar and Outlook as the calendar's name.
    icalcomponent_add_property(calendar.get(), NamedProperty("X-WR-CALNAME", name));
    if (zone) {
        icalcomponent_add_property(calendar.get(), NamedProperty("X-WR-TIMEZONE", QString::fromUtf8(request.TimeZone)));
        icalcomponent_add_component(calendar.get(), zone.release());
    }
    for (const ScheduleRow& row : ScheduleRows::Of(school)) {
        if (!Wanted(row, request))
            continue;
        if (icalcomponent* event = Event(school, row, request, name))
            icalcomponent_add_component(calendar.get(), event);
    }
    char* text = icalcomponent_as_ical_string_r(calendar.get());
    QByteArray bytes(text);
    icalmemory_free_buffer(text);
    return Result<QByteArray>::Ok(bytes);
}

Status Write(const School& school, const CalendarRequest& request, const QString& path)
{
    const auto bytes = Bytes(school, request);
    if (!bytes)
        return Status::Fail(
            QStringLiteral("Could not export \"%1\": %2").arg(QDir::toNativeSeparators(path), bytes.Error()));
    if (const Status written = FileSaving::WriteWhole(path, bytes.Value()); !written)
        return Status::Fail(FileSaving::FailureSentence(path, written.Error()));
    return Status::Ok({});
}

} // namespace ScheduleCalendar
} // namespace belltide
