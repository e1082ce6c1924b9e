#include "CheckCommand.h"

#include "CliCommand.h"
#include "engine/ScheduleGenerator.h"
#include "engine/ScheduleRules.h"
#include "engine/ScheduleSpecial.h"
#include "model/School.h"
#include "model/SchoolDocument.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <optional>
#include <unordered_map>

using namespace belltide;
using namespace belltide::cli;

namespace {

// The placements of a file `generate --json` wrote, or why it cannot be read.
Result<std::vector<Placement>> ReadPlacements(const QString& path, const School& school, const GenerationInputs& inputs)
{
    using Failure = Result<std::vector<Placement>>;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure::Fail(QStringLiteral("Could not open \"%1\" because %2.").arg(path, file.errorString()));
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !json.isObject())
        return Failure::Fail(QStringLiteral("\"%1\" is not a placement file: %2.").arg(path, error.errorString()));

    std::unordered_map<const SpecialClass*, std::int32_t> specials;
    std::vector<std::int32_t> seats;
    for (std::size_t i = 0; i < inputs.Specials.size(); ++i) {
        if (inputs.Specials[i]->Tag)
            specials[inputs.Specials[i]->Tag.get()] = std::int32_t(i);
        else
            seats.push_back(std::int32_t(i));
    }
    const std::int32_t perDay = inputs.SlotsPerDay;
    std::vector<Placement> placements;
    const QJsonArray meetings = json.object().value(QStringLiteral("meetings")).toArray();
    for (qsizetype n = 0; n < meetings.size(); ++n) {
        const QJsonObject meeting = meetings[n].toObject();
        const auto number = [&](const char* name) -> std::optional<std::int32_t> {
            const QJsonValue value = meeting.value(QString::fromLatin1(name));
            return value.isDouble() ? std::optional<std::int32_t>(value.toInt()) : std::nullopt;
        };
        const auto bad = [&](const QString& what) {
            return Failure::Fail(QStringLiteral("\"%1\": meeting %2 %3.").arg(path).arg(n + 1).arg(what));
        };
        const auto classroom = number("class");
        const auto day = number("day");
        const auto slot = number("slot");
        const auto length = number("length");
        const auto special = number("special");
        const auto seat = number("seat");
        if (!classroom || !day || !slot || !length)
            return bad(QStringLiteral("lacks its class, day, slot or length"));
        if (!special && !seat)
            continue; // recess follows lunch by itself
        if (*classroom < 0 || std::size_t(*classroom) >= school.Classes.size())
            return bad(QStringLiteral("names no class of the school"));
        std::int32_t row = -1;
        if (special && *special >= 0 && std::size_t(*special) < school.Specials.size())
            row = specials.at(school.Specials[std::size_t(*special)].get());
        else if (seat && *seat >= 1 && std::size_t(*seat) <= seats.size())
            row = seats[std::size_t(*seat - 1)];
        if (row < 0)
            return bad(QStringLiteral("names no special or lunch seat of the school"));
        if (*day < 0 || *day > 4 || *slot < 0 || *slot >= perDay)
            return bad(QStringLiteral("is outside the school week"));
        // A run of one special's meetings is written as one block.
        const std::int32_t duration = std::max(inputs.Specials[std::size_t(row)]->Duration, 1);
        for (std::int32_t start = *slot; start < *slot + std::max(*length, 1); start += duration)
            placements.push_back({ *classroom, row, *day * perDay + start, false });
    }
    return Result<std::vector<Placement>>::Ok(std::move(placements));
}

} // namespace

int RunCheckCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments.size() != 2 || arguments[0].startsWith(u'-') || arguments[1].startsWith(u'-')) {
        err << "belltide-cli check: expected FILE.psc PLACEMENTS.json\n";
        return kExitBadInput;
    }
    const auto read = SchoolDocument::Read(arguments[0]);
    if (!read) {
        err << read.Error() << '\n';
        return kExitBadInput;
    }
    const School& school = *read.Value();
    const auto inputs = ScheduleGenerator::BuildInputs(school);
    if (!inputs) {
        err << arguments[0] << ": " << inputs.Error() << '\n';
        return kExitBadInput;
    }
    const auto placements = ReadPlacements(arguments[1], school, inputs.Value());
    if (!placements) {
        err << placements.Error() << '\n';
        return kExitBadInput;
    }
    const ScheduleRules rules(inputs.Value());
    int problems = 0;
    for (const auto& [index, broken] : rules.Check(placements.Value())) {
        out << rules.Describe(placements.Value()[std::size_t(index)]) << ": " << broken.Words << '\n';
        ++problems;
    }
    for (const MissingMeetings& missing : rules.Missing(placements.Value())) {
        out << "Missing: " << missing.Subject << " for " << rules.ClassName(missing.Classroom) << ", " << missing.Count
            << (missing.Count == 1 ? " meeting\n" : " meetings\n");
        ++problems;
    }
    if (problems == 0) {
        out << placements.Value().size() << " meetings keep every rule, and none is missing.\n";
        return kExitOk;
    }
    return kExitNoSchedule;
}
