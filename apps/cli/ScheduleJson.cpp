#include "ScheduleJson.h"

#include "engine/Schedule.h"
#include "engine/ScheduleGenerator.h"
#include "engine/ScheduleSpecial.h"
#include "model/Classroom.h"
#include "model/FileSaving.h"
#include "model/School.h"
#include "model/SpecialClass.h"

#include <QHash>

#include <algorithm>

namespace belltide::cli {

namespace {

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
    QString subject = QStringLiteral("\"subject\": ") + JsonString(item.Subject);
    if (item.Tag) {
        const auto found = std::find(school.Specials.begin(), school.Specials.end(), item.Tag);
        const auto index = found == school.Specials.end() ? -1 : found - school.Specials.begin();
        return subject + QStringLiteral(", \"special\": %1").arg(index);
    }
    if (seats.contains(&item))
        return subject + QStringLiteral(", \"seat\": %1").arg(seats.value(&item));
    return subject;
}

} // namespace

QString ScheduleJson(const School& school, const GenerationInputs& inputs, const Schedule& schedule,
    std::int32_t attempt, std::uint64_t seed)
{
    QString json = QStringLiteral("{\"school\": %1, \"slotsPerDay\": %2, \"dayStartAt\": %3, \"attempt\": %4, "
                                  "\"seed\": %5,\n \"classes\": [")
                       .arg(JsonString(school.Name))
                       .arg(inputs.SlotsPerDay)
                       .arg(school.DayStartAt)
                       .arg(attempt)
                       .arg(seed);
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

} // namespace belltide::cli
