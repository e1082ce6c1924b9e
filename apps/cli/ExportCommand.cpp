#include "ExportCommand.h"

#include "CliCommand.h"
#include "engine/SchoolTimetable.h"
#include "model/Classroom.h"
#include "model/School.h"
#include "model/SchoolDocument.h"
#include "model/SpecialClass.h"
#include "model/Timetable.h"
#include "output/ScheduleCalendar.h"
#include "output/ScheduleCsv.h"
#include "output/ScheduleHtml.h"
#include "output/ScheduleRows.h"

#include <algorithm>
#include <optional>

using namespace belltide;
using namespace belltide::cli;

namespace {

constexpr const char* kPrefix = "belltide-cli export: ";
constexpr const char* kUsage
    = "expected FILE.psc [--csv OUT] [--html OUT] [--ics OUT --from YYYY-MM-DD --to YYYY-MM-DD "
      "[--class LABEL | --special LABEL] [--time-zone ZONE | --floating]] [--quiet]";

struct ExportArguments {
    QString File;
    std::optional<QString> Csv;
    std::optional<QString> Html;
    std::optional<QString> Ics;
    std::optional<QString> From;
    std::optional<QString> To;
    std::optional<QString> Class;
    std::optional<QString> Special;
    std::optional<QByteArray> Zone;
    bool Quiet = false;
};

std::optional<ExportArguments> Parse(const QStringList& arguments, QTextStream& err)
{
    ExportArguments parsed;
    QStringList files;
    const struct {
        const char* Name;
        std::optional<QString> ExportArguments::*Field;
    } valued[] = {
        { "--csv", &ExportArguments::Csv },
        { "--html", &ExportArguments::Html },
        { "--ics", &ExportArguments::Ics },
        { "--from", &ExportArguments::From },
        { "--to", &ExportArguments::To },
        { "--class", &ExportArguments::Class },
        { "--special", &ExportArguments::Special },
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString name = arguments[i];
        std::optional<QString> value;
        if (name.startsWith(QStringLiteral("--")) && name.contains(u'=')) {
            value = name.section(u'=', 1);
            name = name.section(u'=', 0, 0);
        }
        const auto takeValue = [&]() -> std::optional<QString> {
            if (value)
                return value;
            if (i + 1 < arguments.size())
                return arguments[++i];
            err << kPrefix << name << " needs a value\n";
            return std::nullopt;
        };
        const auto known = std::find_if(std::begin(valued), std::end(valued),
            [&](const auto& option) { return name == QLatin1String(option.Name); });
        if (known != std::end(valued)) {
            auto& field = parsed.*(known->Field);
            field = takeValue();
            if (!field)
                return std::nullopt;
        } else if (name == QStringLiteral("--time-zone")) {
            const auto zone = takeValue();
            if (!zone)
                return std::nullopt;
            parsed.Zone = zone->toUtf8();
        } else if (name == QStringLiteral("--floating") && !value) {
            parsed.Zone = QByteArray();
        } else if (name == QStringLiteral("--quiet") && !value) {
            parsed.Quiet = true;
        } else if (name.startsWith(u'-')) {
            err << kPrefix << "unknown option " << name << '\n';
            return std::nullopt;
        } else {
            files << arguments[i];
        }
    }
    if (files.size() != 1 || (!parsed.Csv && !parsed.Html && !parsed.Ics)) {
        err << kPrefix << kUsage << '\n';
        return std::nullopt;
    }
    const bool calendarOnly = parsed.From || parsed.To || parsed.Class || parsed.Special || parsed.Zone;
    if (!parsed.Ics && calendarOnly) {
        err << kPrefix << "--from, --to, --class, --special, --time-zone and --floating go with --ics\n";
        return std::nullopt;
    }
    if (parsed.Ics && (!parsed.From || !parsed.To)) {
        err << kPrefix << "--ics needs the term's first and last day: --from YYYY-MM-DD --to YYYY-MM-DD\n";
        return std::nullopt;
    }
    if (parsed.Class && parsed.Special) {
        err << kPrefix << "give --class or --special, not both\n";
        return std::nullopt;
    }
    parsed.File = files[0];
    return parsed;
}

std::optional<QDate> Day(const QString& text, const char* option, QTextStream& err)
{
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid()) {
        err << kPrefix << option << " takes a date as YYYY-MM-DD, not \"" << text << "\"\n";
        return std::nullopt;
    }
    return date;
}

template <typename Item>
std::shared_ptr<Item> Named(const std::vector<std::shared_ptr<Item>>& items, const QString& label)
{
    for (const auto& item : items) {
        if (ScheduleRows::Label(*item).compare(label, Qt::CaseInsensitive) == 0)
            return item;
    }
    return nullptr;
}

// The calendar the options ask for, or a message on err.
std::optional<CalendarRequest> Calendar(const School& school, const ExportArguments& arguments, QTextStream& err)
{
    CalendarRequest request;
    const auto from = Day(*arguments.From, "--from", err);
    const auto to = from ? Day(*arguments.To, "--to", err) : std::nullopt;
    if (!to)
        return std::nullopt;
    request.FirstDay = *from;
    request.LastDay = *to;
    if (arguments.Zone)
        request.TimeZone = *arguments.Zone;
    if (arguments.Class) {
        request.Class = Named(school.Classes, *arguments.Class);
        if (!request.Class) {
            err << arguments.File << ": no class is called \"" << *arguments.Class << "\"\n";
            return std::nullopt;
        }
    }
    if (arguments.Special) {
        request.Special = Named(school.Specials, *arguments.Special);
        if (!request.Special) {
            err << arguments.File << ": no special is called \"" << *arguments.Special << "\"\n";
            return std::nullopt;
        }
    }
    return request;
}

} // namespace

int RunExportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const auto parsed = Parse(arguments, err);
    if (!parsed)
        return kExitBadInput;
    QString warning;
    auto read = SchoolDocument::Read(parsed->File, &warning);
    if (!read) {
        err << read.Error() << '\n';
        return kExitBadInput;
    }
    if (!warning.isEmpty())
        err << parsed->File << ": " << warning << '\n';
    School& school = *read.Value();
    if (!school.Timetable) {
        err << parsed->File << " has no saved schedule to export.\n";
        return kExitNoSchedule;
    }
    // Exported as the window would show it: what no longer fits is left out.
    const SchoolTimetable::Fitted fitted = SchoolTimetable::Fit(school, school.Timetable);
    school.Timetable = fitted.Timetable;
    if (!fitted.Why.isEmpty())
        err << parsed->File << ": " << fitted.Why.size()
            << " saved meetings no longer fit the school and are left out (belltide-cli show says which).\n";

    std::optional<CalendarRequest> calendar;
    if (parsed->Ics && !(calendar = Calendar(school, *parsed, err)))
        return kExitBadInput;
    const auto report = [&](const Status& written, const QString& path) {
        if (!written) {
            err << written.Error() << '\n';
            return false;
        }
        if (!parsed->Quiet)
            out << "Wrote " << path << '\n';
        return true;
    };
    if (parsed->Csv && !report(ScheduleCsv::Write(school, *parsed->Csv), *parsed->Csv))
        return kExitBadInput;
    if (parsed->Html && !report(ScheduleHtml::Write(school, *parsed->Html), *parsed->Html))
        return kExitBadInput;
    if (parsed->Ics && !report(ScheduleCalendar::Write(school, *calendar, *parsed->Ics), *parsed->Ics))
        return kExitBadInput;
    return kExitOk;
}
