#include "TestSchools.h"

#include "engine/ScheduleClassSpecial.h"
#include "engine/ScheduleClassroom.h"
#include "engine/ScheduleSpecial.h"

#include <gtest/gtest.h>

namespace belltide::test {
namespace {

struct Inputs {
    std::vector<std::shared_ptr<ScheduleClassroom>> classrooms;
    std::vector<std::shared_ptr<ScheduleSpecial>> specials;
};

Inputs Build(School& school)
{
    Inputs inputs;
    school.CreateSchedulingClasses(inputs.classrooms, inputs.specials);
    return inputs;
}

// The day slots of one day (84 slots a day) that an input may use.
std::vector<std::int32_t> Usable(const ScheduleObject& input, std::int32_t day)
{
    std::vector<std::int32_t> found;
    for (std::int32_t s = 0; s < 84; ++s) {
        if (input.IsAvailable(day * 84 + s))
            found.push_back(s);
    }
    return found;
}

std::vector<std::int32_t> Range(std::int32_t first, std::int32_t last)
{
    std::vector<std::int32_t> values;
    for (std::int32_t v = first; v <= last; ++v)
        values.push_back(v);
    return values;
}

TEST(ScheduleClassSpecialTest, CloneDropsTheMeetingsInsideTheRange)
{
    const ScheduleClassSpecial pair(nullptr, nullptr, { 10, 94, 178 });
    EXPECT_EQ(pair.Clone(200, 0).Minutes, (std::vector<std::int32_t> { 10, 94, 178 }));
    EXPECT_EQ(pair.Clone(0, 200).Minutes, std::vector<std::int32_t> {});
    EXPECT_EQ(pair.Clone(11, 178).Minutes, std::vector<std::int32_t> { 10 });
}

TEST(CreateSchedulingClassesTest, SpecialsTruncateToSlotsAndStartLate)
{
    auto school = EmptySchool();
    auto art = AddSpecial(*school, QStringLiteral("Art"), 42, 4);
    auto music = AddSpecial(*school, QStringLiteral("Music"), 45, 10);
    AddSpecial(*school, QStringLiteral("music"), 30);
    MarkUnavailable(*school, *art, 2, 600, 610);
    school->LunchTime = 25;
    school->LunchRecessTime = 17;
    const Inputs inputs = Build(*school);

    ASSERT_EQ(inputs.specials.size(), 6u) << "three specials in reverse, then three seats";
    EXPECT_EQ(inputs.specials[1]->Tag, music);
    EXPECT_EQ(inputs.specials[1]->Subject, QStringLiteral("Music"));
    EXPECT_EQ(inputs.specials[1]->ReserveExtra, 2);
    const ScheduleSpecial& special = *inputs.specials[2];
    EXPECT_EQ(school->ScheduleSpecialMap.at(art).get(), &special);
    EXPECT_EQ(school->ScheduleSpecialMap.size(), 3u);
    EXPECT_EQ(special.AvailabilitySize(), 421);
    EXPECT_EQ(special.Duration, 8);
    EXPECT_EQ(special.ReserveExtra, 0);
    EXPECT_EQ(Usable(special, 0), Range(2, 83)) << "specials start at 8:10";
    std::vector<std::int32_t> wednesday = Range(2, 23);
    for (std::int32_t s : Range(26, 83))
        wednesday.push_back(s);
    EXPECT_EQ(Usable(special, 2), wednesday);

    for (std::size_t k = 3; k < 6; ++k) {
        const ScheduleSpecial& seat = *inputs.specials[k];
        EXPECT_FALSE(seat.Tag);
        EXPECT_EQ(seat.Subject, QStringLiteral("Lunch"));
        EXPECT_EQ(seat.ExtraSubject, QStringLiteral("Recess"));
        EXPECT_EQ(seat.Duration, 5);
        EXPECT_EQ(seat.ReserveExtra, 3);
        EXPECT_EQ(Usable(seat, 4), Range(36, 60)) << "lunch end included, special start ignored";
    }
    for (const std::int32_t seats : { 0, -2 }) {
        school->LunchMaxClasses = seats;
        EXPECT_EQ(Build(*school).specials.size(), 3u);
    }
}

// A class is at school during its own day, clipped to the school day; no
// block may end in the school day's last slot, so that slot is never offered.
TEST(CreateSchedulingClassesTest, ClassDayIsItsOwnDayInsideTheSchoolDay)
{
    struct Case {
        const char* name;
        std::int32_t dayStart;
        std::int32_t dayEnd;
        std::int32_t firstSlot;
        std::int32_t lastSlot;
        // Its uninterrupted time may take the school day's last slot too.
        std::int32_t ownDayEnd;
    };
    const Case cases[] = {
        { "full day", 480, 900, 0, 82, 84 },
        { "late start begins at its own start", 510, 870, 6, 77, 78 },
        { "uneven end truncates", 510, 872, 6, 77, 78 },
        { "start between slots rounds up", 512, 870, 7, 77, 78 },
        { "longer than the school day is clipped", 420, 960, 0, 82, 84 },
        { "end before start", 600, 500, 24, 23, 24 },
    };
    for (const Case& c : cases) {
        auto school = EmptySchool();
        AddSpecial(*school, QStringLiteral("Art"), 45);
        AddSpecial(*school, QStringLiteral("Music"), 45);
        auto classroom
            = AddClass(*school, QStringLiteral("K"), { { QStringLiteral("Art"), 2 }, { QStringLiteral("Music"), 0 } });
        classroom->DayStart = c.dayStart;
        classroom->DayEnd = c.dayEnd;
        const Inputs inputs = Build(*school);
        const ScheduleClassroom& room = *inputs.classrooms.at(0);
        for (std::int32_t day = 0; day < 5; ++day)
            EXPECT_EQ(Usable(room, day), Range(c.firstSlot, c.lastSlot)) << c.name << ", day " << day;
        EXPECT_FALSE(room.IsAvailable(420)) << c.name;
        EXPECT_EQ(room.OwnDayFirst, c.firstSlot) << c.name;
        EXPECT_EQ(room.OwnDayEnd, c.ownDayEnd) << c.name;
        EXPECT_EQ(room.InterruptFreeTime, 45) << c.name;
        EXPECT_EQ(school->ScheduleClassMap.at(classroom), inputs.classrooms[0]);
        EXPECT_EQ(room.SubjectCount(), 2) << "Music at 0 is not entered, lunch is";
        EXPECT_EQ(room.SpecialAttendance(QStringLiteral("art")), 2);
        EXPECT_EQ(room.SpecialAttendance(QStringLiteral("Lunch")), 5);
        EXPECT_EQ(room.SpecialAttendance(QStringLiteral("Music")), 0);
    }
}

TEST(CreateSchedulingClassesTest, InputsDoNotFollowLaterEdits)
{
    auto school = EmptySchool();
    auto art = AddSpecial(*school, QStringLiteral("Art"), 45);
    auto classroom = AddClass(*school, QStringLiteral("K"), { { QStringLiteral("Art"), 1 } });
    const Inputs inputs = Build(*school);
    classroom->Grade = QStringLiteral("1st");
    classroom->AttendCount(QStringLiteral("Art"), 3);
    art->IsAvailable(0, 50, false);
    EXPECT_EQ(inputs.classrooms[0]->GetSubject(), QStringLiteral("K"));
    EXPECT_EQ(inputs.classrooms[0]->SpecialAttendance(QStringLiteral("Art")), 1);
    EXPECT_TRUE(inputs.specials[0]->IsAvailable(50));
}

} // namespace
} // namespace belltide::test
