#pragma once

#include "model/Result.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

#include <memory>

namespace belltide {

class Classroom;
class School;
class SpecialClass;

// Whose calendar, for which term.
struct CalendarRequest {
    QDate FirstDay;
    QDate LastDay;
    // One class's week; or, with a special, the week of that special's
    // teacher (every special they teach); with neither, the whole school.
    std::shared_ptr<belltide::Classroom> Class;
    std::shared_ptr<SpecialClass> Special;
    // An IANA zone ("America/Chicago") that libical knows, written as a
    // VTIMEZONE; empty for floating times, which every calendar shows at the
    // same clock time wherever it is.
    QByteArray TimeZone = SystemZone();
    // DTSTAMP: when the calendar was made.
    QDateTime Stamp = QDateTime::currentDateTimeUtc();

    // The system's zone when libical knows it and it is not UTC, else empty.
    // A machine set to UTC is more often a server than a school, and a
    // school's bell times are local times wherever the calendar is opened, so
    // those get floating times rather than hours shifted to UTC.
    static QByteArray SystemZone();
};

// The schedule as an iCalendar file, written with libical: one weekly
// recurring event per meeting (lunch and recess included for classes) from
// the first to the last day of the term, with UIDs that stay the same when the
// same term is exported again, so a calendar program updates its events
// rather than doubling them.
namespace ScheduleCalendar {

// Fails when the term is backwards or the zone unknown.
Result<QByteArray> Bytes(const School& school, const CalendarRequest& request);
Status Write(const School& school, const CalendarRequest& request, const QString& path);

// "Maple Grove Elementary: Music: Mr. Chen" and the like, the calendar's name.
QString Name(const School& school, const CalendarRequest& request);

} // namespace ScheduleCalendar
} // namespace belltide
