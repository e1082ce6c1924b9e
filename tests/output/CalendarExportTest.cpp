#include "ExportSupport.h"

#include "model/Classroom.h"
#include "model/School.h"
#include "model/SpecialClass.h"
#include "output/ScheduleCalendar.h"
#include "output/ScheduleRows.h"

#include <QSet>

#include <libical/ical.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

using namespace belltide;
using namespace Qt::Literals::StringLiterals;

namespace {

// Summary, weekday (1 Monday), start and end in minutes.
using EventKey = std::tuple<QString, int, std::int32_t, std::int32_t>;

struct ParsedCalendar {
    std::vector<EventKey> Events;
    QSet<QString> Uids;
    QSet<QString> Zones;
    // Every occurrence as libical expands the recurrence.
    std::vector<QDate> Occurrences;
    bool Valid = false;
    bool HasTimeZone = false;
};

QDate DateOf(const icaltimetype& time)
{
    return QDate(time.year, time.month, time.day);
}

ParsedCalendar Parse(const QByteArray& bytes)
{
    ParsedCalendar parsed;
    icalcomponent* calendar = icalparser_parse_string(bytes.constData());
    if (!calendar)
        return parsed;
    parsed.Valid = icalrestriction_check(calendar) == 1;
    parsed.HasTimeZone = icalcomponent_get_first_component(calendar, ICAL_VTIMEZONE_COMPONENT) != nullptr;
    for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); event;
         event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        const icaltimetype start = icalcomponent_get_dtstart(event);
        const icaltimetype end = icalcomponent_get_dtend(event);
        parsed.Events.emplace_back(QString::fromUtf8(icalcomponent_get_summary(event)), DateOf(start).dayOfWeek(),
            start.hour * 60 + start.minute, end.hour * 60 + end.minute);
        parsed.Uids.insert(QString::fromUtf8(icalcomponent_get_uid(event)));
        icalproperty* dtstart = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
        icalparameter* zone = icalproperty_get_first_parameter(dtstart, ICAL_TZID_PARAMETER);
        parsed.Zones.insert(zone ? QString::fromUtf8(icalparameter_get_tzid(zone)) : QString());
        EXPECT_NE(icalcomponent_get_first_property(event, ICAL_DTSTAMP_PROPERTY), nullptr);

        icalproperty* rule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
        EXPECT_NE(rule, nullptr);
        if (!rule)
            continue;
        const icalrecurrencetype recurrence = icalproperty_get_rrule(rule);
        EXPECT_EQ(recurrence.freq, ICAL_WEEKLY_RECURRENCE);
        icalrecur_iterator* each = icalrecur_iterator_new(recurrence, start);
        for (icaltimetype next = icalrecur_iterator_next(each); !icaltime_is_null_time(next);
             next = icalrecur_iterator_next(each)) {
            EXPECT_EQ(next.hour * 60 + next.minute, start.hour * 60 + start.minute);
            parsed.Occurrences.push_back(DateOf(next));
        }
        icalrecur_iterator_free(each);
    }
    icalcomponent_free(calendar);
    return parsed;
}

class CalendarExport : public ::testing::Test {
protected:
    void SetUp() override
    {
        request.FirstDay = QDate(2025, 9, 3); // a Wednesday
        request.LastDay = QDate(2025, 12, 19); // a Friday, 16 weeks on
        request.TimeZone = "America/Chicago";
        request.Stamp = QDateTime(QDate(2025, 8, 1), QTime(12, 0), Qt::UTC);
    }

    std::vector<EventKey> Expected(const std::function<bool(const ScheduleRow&)>& wanted, bool withClass) const
    {
        std::vector<EventKey> events;
        for (const ScheduleRow& row : ScheduleRows::Of(*school)) {
            if (wanted(row))
                events.emplace_back(
                    withClass ? row.Subject() + u" for "_s + ScheduleRows::Label(*row.Class) : row.Subject(),
                    row.Day + 1, row.Start, row.End);
        }
        std::sort(events.begin(), events.end());
        return events;
    }

    ParsedCalendar Export() const
    {
        const auto bytes = ScheduleCalendar::Bytes(*school, request);
        EXPECT_TRUE(bytes.IsOk()) << bytes.Error().toStdString();
        ParsedCalendar parsed = Parse(bytes.IsOk() ? bytes.Value() : QByteArray());
        std::sort(parsed.Events.begin(), parsed.Events.end());
        return parsed;
    }

    std::shared_ptr<School> school = test::ScheduledExample();
    CalendarRequest request;
};

TEST_F(CalendarExport, OneClassGivesItsMeetingsAsWeeklyEventsThroughTheTerm)
{
    request.Class = school->Classes[0];
    const ParsedCalendar parsed = Export();
    EXPECT_TRUE(parsed.Valid);
    EXPECT_TRUE(parsed.HasTimeZone);
    EXPECT_EQ(parsed.Zones, QSet<QString> { u"America/Chicago"_s });
    const auto expected = Expected([&](const ScheduleRow& row) { return row.Class == request.Class; }, false);
    EXPECT_EQ(parsed.Events, expected);
    EXPECT_EQ(parsed.Uids.size(), qsizetype(expected.size()));
    // The term starts on a Wednesday: Monday's and Tuesday's meetings start a
    // week later and each weekday comes 16 times up to Friday 19 December.
    for (const QDate& date : parsed.Occurrences) {
        EXPECT_GE(date, request.FirstDay);
        EXPECT_LE(date, request.LastDay);
    }
    std::map<int, std::size_t> perWeekday;
    for (const QDate& date : parsed.Occurrences)
        ++perWeekday[date.dayOfWeek()];
    for (const auto& [weekday, count] : perWeekday) {
        const auto meetings = std::count_if(
            expected.begin(), expected.end(), [&](const EventKey& key) { return std::get<1>(key) == weekday; });
        EXPECT_EQ(count, std::size_t(meetings) * (weekday <= 2 ? 15 : 16)) << weekday;
    }
}

TEST_F(CalendarExport, ASpecialTeacherAndTheWholeSchoolWithFloatingTimes)
{
    request.TimeZone.clear();
    request.Special = school->Specials[1];
    const ParsedCalendar teacher = Export();
    EXPECT_TRUE(teacher.Valid);
    EXPECT_FALSE(teacher.HasTimeZone);
    EXPECT_EQ(teacher.Zones, QSet<QString> { QString() });
    EXPECT_EQ(teacher.Events,
        Expected(
            [&](const ScheduleRow& row) { return row.Special && row.Special->Teacher == request.Special->Teacher; },
            true));

    request.Special = nullptr;
    const ParsedCalendar whole = Export();
    EXPECT_EQ(whole.Events, Expected([](const ScheduleRow&) { return true; }, true));
    EXPECT_EQ(whole.Uids.size(), qsizetype(whole.Events.size()));
}

TEST_F(CalendarExport, UidsStayWhenTheSameTermIsExportedAgainLater)
{
    const QSet<QString> first = Export().Uids;
    request.Stamp = request.Stamp.addDays(30);
    EXPECT_EQ(Export().Uids, first);
    request.FirstDay = request.FirstDay.addDays(-1);
    EXPECT_FALSE(Export().Uids.intersects(first));
}

TEST_F(CalendarExport, ABackwardTermAnUnknownZoneAndATermTooShortForAWeekday)
{
    request.LastDay = request.FirstDay.addDays(-1);
    const auto backward = ScheduleCalendar::Bytes(*school, request);
    ASSERT_FALSE(backward.IsOk());
    EXPECT_EQ(backward.Error(), u"The term's last day, 2025-09-02, comes before its first day, 2025-09-03."_s);

    request.LastDay = request.FirstDay;
    request.TimeZone = "Mars/Olympus_Mons";
    EXPECT_EQ(
        ScheduleCalendar::Bytes(*school, request).Error(), u"The time zone \"Mars/Olympus_Mons\" is not known."_s);

    // A one-day term holds Wednesday's meetings only.
    request.TimeZone = "Europe/Berlin";
    const ParsedCalendar oneDay = Export();
    EXPECT_EQ(oneDay.Events, Expected([](const ScheduleRow& row) { return row.Day == 2; }, true));
    EXPECT_EQ(oneDay.Occurrences.size(), oneDay.Events.size());
}

} // namespace
