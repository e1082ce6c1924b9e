#include "InfoCommand.h"

#include "CliCommand.h"
#include "engine/SchoolTimetable.h"
#include "model/AvailabilityRanges.h"
#include "model/Classroom.h"
#include "model/School.h"
#include "model/SchoolDocument.h"
#include "model/SpecialClass.h"
#include "model/TimeText.h"
#include "model/Timetable.h"
#include "model/UntaughtAttendance.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace belltide;

namespace {

QString Range(std::int32_t from, std::int32_t to)
{
    return FormatTimeOfDay(from) + QStringLiteral("-") + FormatTimeOfDay(to);
}

QString WhoTeaches(const QString& subject, const QString& teacher)
{
    const QString shownSubject = subject.isEmpty() ? QStringLiteral("(no title)") : subject;
    return teacher.isEmpty() ? shownSubject : shownSubject + QStringLiteral(" - ") + teacher;
}

QString UnavailableText(const SpecialClass& special, std::int32_t dayStartAt)
{
    QStringList parts;
    for (const UnavailableRange& range : UnavailableRanges(special, dayStartAt))
        parts << DayAbbreviation(range.Day) + u' ' + Range(range.FromMinute, range.ToMinute);
    return parts.join(QStringLiteral("; "));
}

QString AttendanceText(const Classroom& classroom)
{
    QStringList parts;
    for (const auto& [title, count] : classroom.SpecialAttendance().Entries())
        parts << QStringLiteral("%1 %2").arg(title).arg(count);
    return parts.isEmpty() ? QStringLiteral("no specials") : parts.join(QStringLiteral(", "));
}

// Whether the document keeps a schedule, and how well it fits the school.
struct SavedSchedule {
    bool Saved = false;
    std::size_t Meetings = 0;
    qsizetype NoLongerFit = 0;
    std::int32_t Missing = 0;
};

SavedSchedule Examine(School& school)
{
    SavedSchedule saved;
    if (!school.Timetable)
        return saved;
    saved.Saved = true;
    saved.Meetings = school.Timetable->Meetings.size();
    const SchoolTimetable::Fitted fitted = SchoolTimetable::Fit(school, school.Timetable);
    saved.NoLongerFit = fitted.Why.size();
    saved.Missing = SchoolTimetable::Missing(school, *fitted.Timetable).Missing;
    return saved;
}

QString ScheduleText(const SavedSchedule& saved)
{
    if (!saved.Saved)
        return QStringLiteral("none saved");
    QString text = QStringLiteral("%1 meetings saved").arg(saved.Meetings);
    if (saved.NoLongerFit == 0 && saved.Missing == 0)
        return text + QStringLiteral(", fitting the school");
    return text
        + QStringLiteral("; %1 no longer fit the school and %2 are missing").arg(saved.NoLongerFit).arg(saved.Missing);
}

void PrintText(const School& school, const SavedSchedule& saved, QTextStream& out)
{
    out << "School: " << school.Name << '\n';
    out << "School day: " << Range(school.DayStartAt, school.DayEndAt) << '\n';
    out << "Specials start: " << FormatTimeOfDay(school.SpecialStartAt) << '\n';
    out << "Lunch period: " << Range(school.LunchStartAt, school.LunchEndAt) << ", " << school.LunchTime
        << " minutes of lunch then " << school.LunchRecessTime << " minutes of recess, " << school.LunchMaxClasses
        << " classes at a time\n";
    out << "Interrupt-free time: " << school.InterruptFreeTime << " minutes\n";
    out << "Schedule: " << ScheduleText(saved) << '\n';

    out << "\nSpecial classes (" << school.Specials.size() << "):\n";
    for (const auto& special : school.Specials) {
        out << "  " << WhoTeaches(special->Title, special->Teacher) << ": " << special->Duration << " minutes, "
            << special->OverlapTime << " minutes passing time, at most " << special->MaxStudents << " students\n";
        const QString unavailable = UnavailableText(*special, school.DayStartAt);
        if (!unavailable.isEmpty())
            out << "    not available " << unavailable << '\n';
    }

    out << "\nClasses (" << school.Classes.size() << "):\n";
    for (const auto& classroom : school.Classes) {
        out << "  " << WhoTeaches(classroom->Grade, classroom->Teacher) << ": "
            << Range(classroom->DayStart, classroom->DayEnd) << ", " << classroom->NumberOfStudents << " students; "
            << AttendanceText(*classroom) << '\n';
    }

    const auto untaught = FindUntaughtAttendance(school);
    if (untaught.empty())
        return;
    out << "\nWarnings (" << untaught.size() << "):\n";
    for (const UntaughtSubject& subject : untaught) {
        QStringList classes;
        for (const auto& [classroom, count] : subject.Counts)
            classes << QStringLiteral("%1 %2").arg(WhoTeaches(classroom->Grade, classroom->Teacher)).arg(count);
        out << "  " << DescribeUntaught(subject) << " (" << classes.join(QStringLiteral(", ")) << ")\n";
    }
}

QJsonArray WarningsJson(const School& school)
{
    QJsonArray warnings;
    for (const UntaughtSubject& subject : FindUntaughtAttendance(school)) {
        QJsonArray classes;
        for (const auto& [classroom, count] : subject.Counts)
            classes.append(QJsonObject { { QStringLiteral("grade"), classroom->Grade },
                { QStringLiteral("teacher"), classroom->Teacher }, { QStringLiteral("count"), count } });
        warnings.append(QJsonObject { { QStringLiteral("kind"), QStringLiteral("untaughtAttendance") },
            { QStringLiteral("subject"), subject.Title }, { QStringLiteral("text"), DescribeUntaught(subject) },
            { QStringLiteral("classes"), classes } });
    }
    return warnings;
}

QJsonObject SpecialJson(const SpecialClass& special, std::int32_t dayStartAt)
{
    QJsonArray unavailable;
    for (const UnavailableRange& range : UnavailableRanges(special, dayStartAt))
        unavailable.append(QJsonObject { { QStringLiteral("day"), range.Day },
            { QStringLiteral("from"), range.FromMinute }, { QStringLiteral("to"), range.ToMinute } });
    return { { QStringLiteral("title"), special.Title }, { QStringLiteral("teacher"), special.Teacher },
        { QStringLiteral("duration"), special.Duration }, { QStringLiteral("passingTime"), special.OverlapTime },
        { QStringLiteral("maxStudents"), special.MaxStudents }, { QStringLiteral("unavailable"), unavailable } };
}

QJsonObject ClassJson(const Classroom& classroom)
{
    // An array rather than an object keeps the document's order of subjects.
    QJsonArray attendance;
    for (const auto& [title, count] : classroom.SpecialAttendance().Entries())
        attendance.append(QJsonObject { { QStringLiteral("subject"), title }, { QStringLiteral("count"), count } });
    return { { QStringLiteral("grade"), classroom.Grade }, { QStringLiteral("teacher"), classroom.Teacher },
        { QStringLiteral("dayStart"), classroom.DayStart }, { QStringLiteral("dayEnd"), classroom.DayEnd },
        { QStringLiteral("students"), classroom.NumberOfStudents }, { QStringLiteral("attendance"), attendance } };
}

void PrintJson(const School& school, const SavedSchedule& saved, QTextStream& out)
{
    QJsonArray specials;
    for (const auto& special : school.Specials)
        specials.append(SpecialJson(*special, school.DayStartAt));
    QJsonArray classes;
    for (const auto& classroom : school.Classes)
        classes.append(ClassJson(*classroom));
    const QJsonObject root { { QStringLiteral("name"), school.Name },
        { QStringLiteral("dayStartAt"), school.DayStartAt }, { QStringLiteral("dayEndAt"), school.DayEndAt },
        { QStringLiteral("specialStartAt"), school.SpecialStartAt },
        { QStringLiteral("lunchStartAt"), school.LunchStartAt }, { QStringLiteral("lunchEndAt"), school.LunchEndAt },
        { QStringLiteral("lunchTime"), school.LunchTime },
        { QStringLiteral("lunchRecessTime"), school.LunchRecessTime },
        { QStringLiteral("lunchMaxClasses"), school.LunchMaxClasses },
        { QStringLiteral("interruptFreeTime"), school.InterruptFreeTime }, { QStringLiteral("specials"), specials },
        { QStringLiteral("classes"), classes }, { QStringLiteral("warnings"), WarningsJson(school) },
        { QStringLiteral("schedule"),
            QJsonObject { { QStringLiteral("saved"), saved.Saved },
                { QStringLiteral("meetings"), qint64(saved.Meetings) },
                { QStringLiteral("noLongerFit"), qint64(saved.NoLongerFit) },
                { QStringLiteral("missing"), saved.Missing } } } };
    out << QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
}

} // namespace

int RunInfoCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QStringList files = arguments;
    const bool json = files.removeAll(QStringLiteral("--json")) > 0;
    if (files.size() != 1 || files[0].startsWith(u'-')) {
        err << "belltide-cli info: expected FILE.psc [--json]\n";
        return cli::kExitBadInput;
    }
    QString warning;
    const auto school = SchoolDocument::Read(files[0], &warning);
    if (!school) {
        err << school.Error() << '\n';
        return cli::kExitBadInput;
    }
    if (!warning.isEmpty())
        err << files[0] << ": " << warning << '\n';
    const SavedSchedule saved = Examine(*school.Value());
    if (json)
        PrintJson(*school.Value(), saved, out);
    else
        PrintText(*school.Value(), saved, out);
    return cli::kExitOk;
}
