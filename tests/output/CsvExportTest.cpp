#include "ExportSupport.h"

#include "model/Classroom.h"
#include "model/CsvReader.h"
#include "model/School.h"
#include "model/SpecialClass.h"
#include "model/TextDecoding.h"
#include "model/Timetable.h"
#include "output/ScheduleCsv.h"
#include "output/ScheduleRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

using namespace belltide;
using namespace Qt::Literals::StringLiterals;

namespace {

using Place = std::tuple<const Classroom*, const SpecialClass*, std::int32_t, std::int32_t>;

std::int32_t Minutes(const QString& clock)
{
    const QStringList parts = clock.split(u':');
    return parts.size() == 2 && clock.size() == 5 ? parts[0].toInt() * 60 + parts[1].toInt() : -1;
}

// What a spreadsheet user would do: find each row's class and special by
// their names again.
std::vector<Place> ReadBack(const QByteArray& bytes, const School& school, std::int32_t& recessMismatches)
{
    const auto text = TextDecoding::Decode(bytes, u"schedule.csv"_s);
    EXPECT_TRUE(text.IsOk());
    const CsvReader csv(text.Value().Text);
    EXPECT_EQ(csv.Records.at(0).Fields,
        QStringList({ u"Day"_s, u"Start"_s, u"End"_s, u"Class"_s, u"Grade"_s, u"Homeroom Teacher"_s, u"Subject"_s,
            u"Special Teacher"_s, u"Kind"_s }));
    std::vector<Place> places;
    std::vector<Place> recesses;
    for (std::size_t i = 1; i < csv.Records.size(); ++i) {
        const QStringList& f = csv.Records[i].Fields;
        EXPECT_EQ(f.size(), 9);
        const auto classroom = std::find_if(school.Classes.begin(), school.Classes.end(),
            [&](const auto& c) { return c->Grade == f[4] && c->Teacher == f[5] && ScheduleRows::Label(*c) == f[3]; });
        EXPECT_NE(classroom, school.Classes.end()) << f[3].toStdString();
        if (classroom == school.Classes.end())
            continue;
        std::int32_t day = 0;
        while (day < 5 && ScheduleRows::DayName(day) != f[0])
            ++day;
        const std::int32_t start = Minutes(f[1]);
        if (f[8] == u"recess"_s) {
            EXPECT_EQ(Minutes(f[2]) - start, school.LunchRecessTime);
            recesses.emplace_back(classroom->get(), nullptr, day, start - school.LunchTime);
            continue;
        }
        const SpecialClass* special = nullptr;
        if (f[8] == u"special"_s) {
            const auto found = std::find_if(school.Specials.begin(), school.Specials.end(),
                [&](const auto& s) { return s->Title == f[6] && s->Teacher == f[7]; });
            EXPECT_NE(found, school.Specials.end());
            special = found == school.Specials.end() ? nullptr : found->get();
        }
        EXPECT_EQ(Minutes(f[2]) - start, special ? special->Duration : school.LunchTime);
        places.emplace_back(classroom->get(), special, day, start);
    }
    // Every lunch is followed by its recess, and nothing else is.
    recessMismatches = 0;
    for (const Place& recess : recesses)
        recessMismatches += std::count(places.begin(), places.end(), recess) == 1 ? 0 : 1;
    recessMismatches += std::int32_t(std::count_if(places.begin(), places.end(), [](const Place& p) {
        return !std::get<1>(p);
    }) - std::int32_t(recesses.size()));
    return places;
}

TEST(CsvExport, ReadBackGivesTheSamePlacements)
{
    const auto school = test::ScheduledExample();
    const QByteArray bytes = ScheduleCsv::Bytes(*school);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"
                                 "Day,Start,End,Class,"));
    EXPECT_TRUE(bytes.contains("\r\n"));
    EXPECT_FALSE(bytes.contains("\n\n"));

    std::int32_t recessMismatches = -1;
    std::vector<Place> read = ReadBack(bytes, *school, recessMismatches);
    std::vector<Place> saved;
    for (const Meeting& meeting : school->Timetable->Meetings)
        saved.emplace_back(meeting.Class.get(), meeting.Special.get(), meeting.Day, meeting.Start);
    std::sort(read.begin(), read.end());
    std::sort(saved.begin(), saved.end());
    EXPECT_EQ(read, saved);
    EXPECT_EQ(recessMismatches, 0);
    EXPECT_GT(saved.size(), 200u);
}

TEST(CsvExport, NamesWithCommasQuotesAndLineBreaksSurviveTheRoundTrip)
{
    const auto school = test::ScheduledExample();
    school->Classes[0]->Teacher = u"Baker, \"Jo\""_s;
    school->Classes[1]->Teacher = u" Two\nLines "_s;
    school->Specials[0]->Title = u"Art; Crafts"_s;
    std::int32_t recessMismatches = -1;
    const std::vector<Place> read = ReadBack(ScheduleCsv::Bytes(*school), *school, recessMismatches);
    EXPECT_EQ(read.size(), school->Timetable->Meetings.size());
    EXPECT_EQ(ScheduleCsv::Clock(485), u"08:05"_s);
    EXPECT_EQ(ScheduleCsv::Clock(870), u"14:30"_s);
}

} // namespace
