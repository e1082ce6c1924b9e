#include "InfoCommand.h"

#include "CliCommand.h"
#include "model/AvailabilityRanges.h"
#include "model/Classroom.h"
#include "model/School.h"
#include "model/SchoolDocument.h"
#include "model/SpecialClass.h"
#include "model/TimeText.h"

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

void PrintText(const School& school, QTextStream& out)
{
    out << "School: " << school.Name << '\n';
    out << "School day: " << Range(school.DayStartAt, school.DayEndAt) << '\n';
    out << "Specials start: " << FormatTimeOfDay(school.SpecialStartAt) << '\n';
    out << "Lunch period: " << Range(school.LunchStartAt, school.LunchEndAt) << ", " << school.LunchTime
        << " minutes of lunch then " << school.LunchRecessTime << " minutes of recess, " << school.LunchMaxClasses
        << " classes at a time\n";
    out << "Interrupt-free time: " << school.InterruptFreeTime << " minutes\n";

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

void PrintJson(const School& school, QTextStream& out)
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
        { QStringLiteral("classes"), classes } };
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
    const auto school = SchoolDocument::Read(files[0]);
    if (!school) {
        err << school.Error() << '\n';
        return cli::kExitBadInput;
    }
    if (json)
        PrintJson(*school.Value(), out);
    else
        PrintText(*school.Value(), out);
    return cli::kExitOk;
}
