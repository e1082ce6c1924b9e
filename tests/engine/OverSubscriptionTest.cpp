#include "TestSchools.h"

#include "engine/RandomIdealScheduler.h"
#include "engine/Schedule.h"
#include "engine/ScheduleClassroom.h"
#include "engine/ScheduleSpecial.h"

#include <gtest/gtest.h>

namespace belltide::test {
namespace {

const QString kPeReport
    = QStringLiteral("The subject \"P.E.\" is being attended by too many classes, and cannot be scheduled. It would be "
                     "over-scheduled by 1170 minutes.");

// P.E. on three days for six hours each, 40 minutes plus 5 of passing time,
// twice a week for 25 classes: 216 slots offered, 450 needed.
std::shared_ptr<School> CrowdedPeSchool(std::int32_t seats)
{
    auto school = EmptySchool();
    school->SpecialStartAt = school->DayStartAt;
    school->LunchMaxClasses = seats;
    auto pe = AddSpecial(*school, QStringLiteral("P.E."), 40, 5);
    for (std::int32_t day : { 1, 3 })
        MarkUnavailable(*school, *pe, day, 480, 900);
    for (std::int32_t day : { 0, 2, 4 })
        MarkUnavailable(*school, *pe, day, 840, 900);
    for (int i = 0; i < 25; ++i)
        AddClass(*school, QStringLiteral("3rd"), { { QStringLiteral("P.E."), 2 } });
    return school;
}

QString Report(School& school)
{
    std::vector<std::shared_ptr<ScheduleClassroom>> classrooms;
    std::vector<std::shared_ptr<ScheduleSpecial>> specials;
    school.CreateSchedulingClasses(classrooms, specials);
    RandomIdealScheduler scheduler(1);
    EXPECT_EQ(scheduler.Schedule(classrooms, specials, (school.DayEndAt - school.DayStartAt) / 5), nullptr);
    return scheduler.Error();
}

TEST(OverSubscriptionTest, ReportsEachSubjectOnItsOwnLine)
{
    auto alone = CrowdedPeSchool(0);
    EXPECT_EQ(Report(*alone), kPeReport);

    // Lunch counts only the lunch itself: 25 × 5 × 4 slots needed, 3 × 25 × 5 offered.
    auto withLunch = CrowdedPeSchool(3);
    EXPECT_EQ(Report(*withLunch),
        kPeReport
            + QStringLiteral("\nThe subject \"Lunch\" is being attended by too many classes, and cannot be "
                             "scheduled. It would be over-scheduled by 625 minutes."));
}

TEST(OverSubscriptionTest, SpecialsOfOneSubjectAddTheirTime)
{
    // Each Art special offers 100 slots; 18 meetings of 10 slots need 180.
    auto make = [](bool second) {
        auto school = EmptySchool();
        school->DayEndAt = school->DayStartAt + 100;
        school->SpecialStartAt = school->DayStartAt;
        school->LunchMaxClasses = 0;
        AddSpecial(*school, QStringLiteral("Art"), 45, 5);
        if (second)
            AddSpecial(*school, QStringLiteral("art"), 20, 0);
        for (int i = 0; i < 6; ++i)
            AddClass(*school, QStringLiteral("1st"), { { QStringLiteral("Art"), 3 } });
        return school;
    };
    auto one = make(false);
    EXPECT_EQ(Report(*one),
        QStringLiteral("The subject \"Art\" is being attended by too many classes, and cannot be scheduled. "
                       "It would be over-scheduled by 400 minutes."));
    auto two = make(true);
    EXPECT_EQ(Report(*two), QString()) << "capacities add up; the first special's length counts";
}

TEST(OverSubscriptionTest, NoLunchSeatsIsNotReported)
{
    auto school = EmptySchool();
    school->LunchMaxClasses = 0;
    AddClass(*school, QStringLiteral("K"), {});
    EXPECT_EQ(Report(*school), QString());
}

} // namespace
} // namespace belltide::test
