#include "GenerateCommand.h"

#include "PdfExport.h"

#include "CliCommand.h"
#include "engine/Schedule.h"
#include "engine/ScheduleClassroom.h"
#include "engine/ScheduleGenerator.h"
#include "engine/ScheduleSpecial.h"
#include "model/Classroom.h"
#include "model/FileSaving.h"
#include "model/School.h"
#include "model/SchoolDocument.h"
#include "model/SpecialClass.h"

#include <QElapsedTimer>
#include <QHash>

#include <optional>

using namespace belltide;

namespace {

constexpr const char* kUsage = "belltide-cli generate: expected FILE.psc [--seed N] [--attempts N] "
                               "[--thorough] [--engine quick|thorough] [--json OUT|-] [--quiet]\n"
                               "                             [--pdf OUT.pdf [--only LABEL]...]\n";

struct GenerateArguments {
    QString File;
    GenerationOptions Options;
    std::optional<QString> JsonPath;
    bool Quiet = false;
    bool ThoroughAfterQuick = false;
    bool ThoroughOnly = false;
    std::optional<QString> PdfPath;
    QStringList Only;
};

// Accepts "--name value" and "--name=value".
std::optional<GenerateArguments> ParseArguments(const QStringList& arguments, QTextStream& err)
{
    GenerateArguments parsed;
    QStringList files;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString name = arguments[i];
        std::optional<QString> value;
        if (name.startsWith(QStringLiteral("--")) && name.contains(u'=')) {
            value = name.section(u'=', 1);
            name = name.section(u'=', 0, 0);
        }
        auto takeValue = [&]() -> std::optional<QString> {
            if (value)
                return value;
            if (i + 1 < arguments.size())
                return arguments[++i];
            err << "belltide-cli generate: " << name << " needs a value\n";
            return std::nullopt;
        };
        if (name == QStringLiteral("--quiet") && !value) {
            parsed.Quiet = true;
        } else if (name == QStringLiteral("--thorough") && !value) {
            parsed.ThoroughAfterQuick = true;
        } else if (name == QStringLiteral("--engine")) {
            const auto text = takeValue();
            if (!text || (*text != QStringLiteral("quick") && *text != QStringLiteral("thorough"))) {
                if (text)
                    err << "belltide-cli generate: --engine takes quick or thorough, not \"" << *text << "\"\n";
                return std::nullopt;
            }
            parsed.ThoroughOnly = *text == QStringLiteral("thorough");
        } else if (name == QStringLiteral("--seed")) {
            const auto text = takeValue();
            bool ok = false;
            const qulonglong seed = text ? text->toULongLong(&ok) : 0;
            if (!ok) {
                if (text)
                    err << "belltide-cli generate: --seed takes a whole number, not \"" << *text << "\"\n";
                return std::nullopt;
            }
            parsed.Options.Seed = seed;
        } else if (name == QStringLiteral("--attempts")) {
            const auto text = takeValue();
            bool ok = false;
            const int attempts = text ? text->toInt(&ok) : 0;
            if (!ok || attempts < 1) {
                if (text)
                    err << "belltide-cli generate: --attempts takes a number of 1 or more, not \"" << *text << "\"\n";
                return std::nullopt;
            }
            parsed.Options.Attempts = attempts;
        } else if (name == QStringLiteral("--json")) {
            parsed.JsonPath = takeValue();
            if (!parsed.JsonPath)
                return std::nullopt;
        } else if (name == QStringLiteral("--pdf")) {
            parsed.PdfPath = takeValue();
            if (!parsed.PdfPath)
                return std::nullopt;
        } else if (name == QStringLiteral("--only")) {
            const std::optional<QString> label = takeValue();
            if (!label)
                return std::nullopt;
            parsed.Only << *label;
        } else if (name.startsWith(u'-') && name != QStringLiteral("-")) {
            err << "belltide-cli generate: unknown option " << name << '\n';
            return std::nullopt;
        } else {
            files << arguments[i];
        }
    }
    if (files.size() != 1) {
        err << kUsage;
        return std::nullopt;
    }
    parsed.File = files[0];
    parsed.Options.Engine = parsed.ThoroughOnly ? SearchEngine::Thorough
        : parsed.ThoroughAfterQuick             ? SearchEngine::QuickThenThorough
                                                : SearchEngine::Quick;
    return parsed;
}

QString JsonString(const QString& text)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'"' || c == u'\\')
            quoted += u'\\' + QString(c);
        else if (c == u'\n')
            quoted += QStringLiteral("\\n");
        else if (c == u'\r')
            quoted += QStringLiteral("\\r");
        else if (c == u'\t')
            quoted += QStringLiteral("\\t");
        else if (c.unicode() < 0x20)
            quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            quoted += c;
    }
    return quoted + u'"';
}

// What a class-row block stands for: a special of the school, a lunch seat or recess.
QString MeetingFields(
    const ScheduleSpecial& item, const School& school, const QHash<const ScheduleSpecial*, int>& seats)
{
    const QString subject = QStringLiteral("\"subject\": ") + JsonString(item.Subject);
    if (item.Tag) {
        const auto found = std::find(school.Specials.begin(), school.Specials.end(), item.Tag);
        const auto index = found == school.Specials.end() ? -1 : found - school.Specials.begin();
        return subject + QStringLiteral(", \"special\": %1").arg(index);
    }
    if (seats.contains(&item))
        return subject + QStringLiteral(", \"seat\": %1").arg(seats.value(&item));
    return subject;
}

QString ScheduleJson(const School& school, const GenerationInputs& inputs, const GenerationResult& result)
{
    const Schedule& schedule = *result.Schedule;
    QString json = QStringLiteral("{\"school\": %1, \"slotsPerDay\": %2, \"dayStartAt\": %3, \"attempt\": %4, "
                                  "\"seed\": %5,\n \"classes\": [")
                       .arg(JsonString(school.Name))
                       .arg(inputs.SlotsPerDay)
                       .arg(school.DayStartAt)
                       .arg(result.Attempt)
                       .arg(result.Seed);
    QStringList entries;
    for (std::size_t i = 0; i < school.Classes.size(); ++i) {
        entries << QStringLiteral("{\"index\": %1, \"grade\": %2, \"teacher\": %3}")
                       .arg(i)
                       .arg(JsonString(school.Classes[i]->Grade), JsonString(school.Classes[i]->Teacher));
    }
    json += entries.isEmpty() ? QString() : QStringLiteral("\n  ") + entries.join(QStringLiteral(",\n  "));
    json += QStringLiteral("],\n \"specials\": [");
    entries.clear();
    for (std::size_t i = 0; i < school.Specials.size(); ++i) {
        entries << QStringLiteral("{\"index\": %1, \"title\": %2, \"teacher\": %3}")
                       .arg(i)
                       .arg(JsonString(school.Specials[i]->Title), JsonString(school.Specials[i]->Teacher));
    }
    json += entries.isEmpty() ? QString() : QStringLiteral("\n  ") + entries.join(QStringLiteral(",\n  "));

    QHash<const ScheduleSpecial*, int> seats;
    for (const auto& special : inputs.Specials) {
        if (!special->Tag)
            seats.insert(special.get(), static_cast<int>(seats.size()) + 1);
    }
    json += QStringLiteral("],\n \"lunchSeats\": %1,\n \"meetings\": [").arg(seats.size());
    entries.clear();
    for (std::int32_t row = 0; row < schedule.HeadingCount(); ++row) {
        const auto room = schedule.Heading(row);
        for (std::int32_t minute = 0; minute < schedule.MinuteCount();) {
            std::int32_t length = 0;
            const auto item = std::dynamic_pointer_cast<ScheduleSpecial>(schedule.ScheduledItem(*room, minute, length));
            if (!item) {
                ++minute;
                continue;
            }
            entries << QStringLiteral("{\"class\": %1, %2, \"day\": %3, \"slot\": %4, \"length\": %5}")
                           .arg(row)
                           .arg(MeetingFields(*item, school, seats))
                           .arg(minute / inputs.SlotsPerDay)
                           .arg(minute % inputs.SlotsPerDay)
                           .arg(length);
            minute += length;
        }
    }
    json += entries.isEmpty() ? QString() : QStringLiteral("\n  ") + entries.join(QStringLiteral(",\n  "));
    return json + QStringLiteral("]}\n");
}

bool WriteJson(const QString& path, const QString& json, QTextStream& out, QTextStream& err)
{
    if (path == QStringLiteral("-")) {
        out << json;
        return true;
    }
    if (const Status written = FileSaving::WriteWhole(path, json.toUtf8()); !written) {
        err << FileSaving::FailureSentence(path, written.Error()) << '\n';
        return false;
    }
    return true;
}

} // namespace

int RunGenerateCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const std::optional<GenerateArguments> parsed = ParseArguments(arguments, err);
    if (!parsed)
        return cli::kExitBadInput;
    const auto read = SchoolDocument::Read(parsed->File);
    if (!read) {
        err << read.Error() << '\n';
        return cli::kExitBadInput;
    }
    School& school = *read.Value();

    QElapsedTimer timer;
    timer.start();
    const auto inputs = ScheduleGenerator::BuildInputs(school);
    if (!inputs) {
        err << parsed->File << ": " << inputs.Error() << '\n';
        return cli::kExitBadInput;
    }
    ScheduleGenerator generator;
    const GenerationResult result = generator.Run(inputs.Value(), parsed->Options);
    const double milliseconds = static_cast<double>(timer.nsecsElapsed()) / 1e6;

    if (!result.Schedule) {
        err << result.FailureMessage() << '\n';
        return cli::kExitNoSchedule;
    }
    // Keep standard output for the schedule when it goes there.
    QTextStream& report = parsed->JsonPath == QStringLiteral("-") ? err : out;
    if (!parsed->Quiet && result.Thorough) {
        report << "Schedule found by the thorough search in " << QString::number(milliseconds, 'f', 1) << " ms";
        if (result.AttemptsMade > 0)
            report << " after " << result.AttemptsMade << " quick attempts";
        report << ".\n";
    } else if (!parsed->Quiet) {
        report << "Schedule found on attempt " << result.Attempt << " of " << parsed->Options.Attempts << " in "
               << QString::number(milliseconds, 'f', 1) << " ms (seed " << result.Seed << ").\n";
    }
    if (parsed->JsonPath && !WriteJson(*parsed->JsonPath, ScheduleJson(school, inputs.Value(), result), out, err))
        return cli::kExitBadInput;
    if (parsed->PdfPath) {
        school.Schedule = result.Schedule;
        const Status printed = WriteSchedulePdf(school, parsed->Only, *parsed->PdfPath);
        if (!printed) {
            err << printed.Error() << '\n';
            return cli::kExitBadInput;
        }
    }
    return cli::kExitOk;
}
