#include "GenerateCommand.h"

#include "CliCommand.h"
#include "PdfExport.h"
#include "ScheduleArguments.h"
#include "ScheduleJson.h"
#include "engine/Schedule.h"
#include "engine/ScheduleGenerator.h"
#include "engine/SchoolTimetable.h"
#include "model/School.h"
#include "model/SchoolDocument.h"
#include "model/Timetable.h"

#include <QElapsedTimer>

#include <memory>

using namespace belltide;
using namespace belltide::cli;

namespace {

struct Opened {
    std::shared_ptr<belltide::School> School;
    int Exit = kExitOk;
};

Opened Open(const QString& file, QTextStream& err)
{
    QString warning;
    auto read = SchoolDocument::Read(file, &warning);
    if (!read) {
        err << read.Error() << '\n';
        return { nullptr, kExitBadInput };
    }
    if (!warning.isEmpty())
        err << file << ": " << warning << '\n';
    return { read.TakeValue(), kExitOk };
}

// The JSON and PDF the options ask for, from the school's grid.
int WriteOutputs(School& school, const GenerationInputs& inputs, const ScheduleArguments& arguments,
    std::int32_t attempt, std::uint64_t seed, QTextStream& out, QTextStream& err)
{
    if (arguments.JsonPath
        && !WriteJson(*arguments.JsonPath, ScheduleJson(school, inputs, *school.Schedule, attempt, seed), out, err))
        return kExitBadInput;
    if (arguments.PdfPath) {
        const Status printed = WriteSchedulePdf(school, arguments.Only, *arguments.PdfPath);
        if (!printed) {
            err << printed.Error() << '\n';
            return kExitBadInput;
        }
    }
    return kExitOk;
}

QString Meetings(std::size_t count)
{
    return count == 1 ? QStringLiteral("1 meeting") : QStringLiteral("%1 meetings").arg(count);
}

int Search(const char* command, SchoolTimetable::Starting from, const QStringList& arguments, QTextStream& out,
    QTextStream& err)
{
    const auto parsed = ParseScheduleArguments(command, Takes::Search, arguments, err);
    if (!parsed)
        return kExitBadInput;
    Opened opened = Open(parsed->File, err);
    if (!opened.School)
        return opened.Exit;
    School& school = *opened.School;
    const bool completing = from == SchoolTimetable::Starting::FromAll;
    if (completing && !school.Timetable) {
        err << parsed->File << " has no saved schedule to complete.\n";
        return kExitNoSchedule;
    }

    QElapsedTimer timer;
    timer.start();
    auto inputs = SchoolTimetable::SearchInputs(school, school.Timetable.get(), from);
    if (!inputs) {
        err << parsed->File << ": " << inputs.Error() << '\n';
        return kExitBadInput;
    }
    GenerationOptions options = parsed->Options;
    // Completing is the window's Complete: the thorough search follows by itself.
    if (completing && options.Engine == SearchEngine::Quick)
        options.Engine = SearchEngine::QuickThenThorough;
    ScheduleGenerator generator;
    const GenerationResult result = generator.Run(inputs.Value(), options);
    const double milliseconds = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    if (!result.Schedule) {
        err << result.FailureMessage() << '\n';
        return kExitNoSchedule;
    }

    // Keep standard output for the schedule when it goes there.
    QTextStream& report = parsed->JsonPath == QStringLiteral("-") ? err : out;
    if (!parsed->Quiet) {
        if (result.Thorough) {
            report << "Schedule found by the thorough search in " << QString::number(milliseconds, 'f', 1) << " ms";
            if (result.AttemptsMade > 0)
                report << " after " << result.AttemptsMade << " quick attempts";
            report << ".\n";
        } else {
            report << "Schedule found on attempt " << result.Attempt << " of " << options.Attempts << " in "
                   << QString::number(milliseconds, 'f', 1) << " ms (seed " << result.Seed << ").\n";
        }
        if (completing) {
            report << "Kept " << (inputs.Value().Fixed.size() - result.Released.size()) << " of "
                   << Meetings(school.Timetable->Meetings.size()) << ".\n";
        }
        for (const QString& moved : SchoolTimetable::Released(inputs.Value(), result))
            report << "Had to move: " << moved << '\n';
    }
    school.Timetable = SchoolTimetable::AfterSearch(inputs.Value(), result, school.Timetable.get());
    const auto drawn = SchoolTimetable::RefreshGrid(school);
    if (!drawn)
        return kExitBadInput;
    if (const int written = WriteOutputs(school, *drawn, *parsed, result.Attempt, result.Seed, out, err))
        return written;
    if (parsed->Save) {
        const Status saved = SchoolDocument::Write(school, parsed->File);
        if (!saved) {
            err << saved.Error() << '\n';
            return kExitBadInput;
        }
    }
    return kExitOk;
}

} // namespace

int RunGenerateCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    return Search("generate", SchoolTimetable::Starting::FromPinned, arguments, out, err);
}

int RunCompleteCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    return Search("complete", SchoolTimetable::Starting::FromAll, arguments, out, err);
}

int RunShowCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const auto parsed = ParseScheduleArguments("show", Takes::OutputOnly, arguments, err);
    if (!parsed)
        return kExitBadInput;
    Opened opened = Open(parsed->File, err);
    if (!opened.School)
        return opened.Exit;
    School& school = *opened.School;
    if (!school.Timetable) {
        err << parsed->File << " has no saved schedule.\n";
        return kExitNoSchedule;
    }
    // Shown as it would open in the window: what no longer fits is left out.
    const std::size_t saved = school.Timetable->Meetings.size();
    const SchoolTimetable::Fitted fitted = SchoolTimetable::Fit(school, school.Timetable);
    school.Timetable = fitted.Timetable;
    const SchoolTimetable::Shortfall shortfall = SchoolTimetable::Missing(school, *school.Timetable);
    QTextStream& report = parsed->JsonPath == QStringLiteral("-") ? err : out;
    if (!parsed->Quiet) {
        report << "Saved schedule: " << Meetings(saved);
        if (fitted.Why.isEmpty() && shortfall.Missing == 0)
            report << ", all of them fitting the school.\n";
        else
            report << "; " << fitted.Why.size() << " no longer fit and " << shortfall.Missing << " are missing.\n";
        for (const QString& why : fitted.Why)
            report << "No longer fits: " << why << '\n';
        for (const QString& missing : shortfall.Meetings)
            report << "Missing: " << missing << '\n';
    }
    const auto drawn = SchoolTimetable::RefreshGrid(school);
    if (!drawn) {
        err << parsed->File << ": the school's times are impossible, so its schedule cannot be shown.\n";
        return kExitBadInput;
    }
    return WriteOutputs(school, *drawn, *parsed, 0, 0, out, err);
}
