#include "ImportCommand.h"

#include "CliCommand.h"
#include "model/Classroom.h"
#include "model/RosterImport.h"
#include "model/School.h"
#include "model/SchoolDocument.h"
#include "model/SpecialClass.h"
#include "model/TimeText.h"

using namespace belltide;
using namespace belltide::cli;

namespace {

constexpr const char* kPrefix = "belltide-cli import: ";

QString Describe(const RosterRow& row)
{
    if (row.Class)
        return QStringLiteral("%1: %2, %3 students, %4-%5")
            .arg(row.Class->Grade, row.Class->Teacher)
            .arg(row.Class->NumberOfStudents)
            .arg(FormatTimeOfDay(row.Class->DayStart), FormatTimeOfDay(row.Class->DayEnd));
    return QStringLiteral("%1: %2, %3 minutes, %4 minutes passing time, at most %5 students")
        .arg(row.Special->Title, row.Special->Teacher)
        .arg(row.Special->Duration)
        .arg(row.Special->OverlapTime)
        .arg(row.Special->MaxStudents);
}

} // namespace

int RunImportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QStringList files;
    RosterKind kind = RosterKind::Detect;
    bool dryRun = false;
    for (const QString& argument : arguments) {
        if (argument == QStringLiteral("--classes"))
            kind = RosterKind::Classes;
        else if (argument == QStringLiteral("--specials"))
            kind = RosterKind::Specials;
        else if (argument == QStringLiteral("--dry-run"))
            dryRun = true;
        else if (argument.startsWith(u'-')) {
            err << kPrefix << "unknown option " << argument << '\n';
            return kExitBadInput;
        } else
            files << argument;
    }
    if (files.size() != 2) {
        err << kPrefix << "expected FILE.psc LIST.csv [--classes | --specials] [--dry-run]\n";
        return kExitBadInput;
    }
    const QString& document = files[0];
    const QString& list = files[1];
    auto read = SchoolDocument::Read(document);
    if (!read) {
        err << read.Error() << '\n';
        return kExitBadInput;
    }
    School& school = *read.Value();
    const auto preview = RosterImport::FromFile(list, school, kind);
    if (!preview) {
        err << preview.Error() << '\n';
        return kExitBadInput;
    }
    for (const QString& note : preview.Value().Notes)
        err << list << ": " << note << '\n';
    for (const RosterMessage& message : preview.Value().Messages)
        err << list << ": " << message.Text << '\n';
    for (const RosterRow& row : preview.Value().Rows)
        out << (dryRun ? "Would add " : "Adds ") << Describe(row) << '\n';
    out << preview.Value().Summary() << '\n';
    if (preview.Value().Rows.empty()) {
        err << list << ": nothing to import.\n";
        return kExitBadInput;
    }
    if (dryRun)
        return kExitOk;
    for (const auto& classroom : preview.Value().NewClasses())
        school.Classes.push_back(classroom);
    for (const auto& special : preview.Value().NewSpecials())
        school.Specials.push_back(special);
    if (const Status saved = SchoolDocument::Write(school, document); !saved) {
        err << saved.Error() << '\n';
        return kExitBadInput;
    }
    return kExitOk;
}
