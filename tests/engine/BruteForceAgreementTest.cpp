#include "ScheduleChecker.h"
#include "TestSchools.h"

#include "engine/Schedule.h"
#include "engine/ScheduleGenerator.h"
#include "engine/ThoroughScheduler.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <vector>

namespace belltide::testing {
namespace {

// The weekdays a class may meet a special on, by meetings a week.
const std::vector<std::vector<std::int32_t>> kPatterns[6] = {
    {},
    { { 0 }, { 1 }, { 2 }, { 3 }, { 4 } },
    { { 0, 2 }, { 1, 3 }, { 2, 4 }, { 0, 3 }, { 1, 4 } },
    { { 0, 2, 4 } },
    { { 0, 1, 2, 3 }, { 1, 2, 3, 4 } },
    { { 0, 1, 2, 3, 4 } },
};

// Tries every placement of every lunch (a seat and a slot, every day) and of
// every class's specials (a special, a slot and a pattern), straight from the
// school model: it shares nothing with the thorough search.
class BruteForce {
public:
    explicit BruteForce(const School& school)
        : mSlotsPerDay((school.DayEndAt - school.DayStartAt) / 5)
        , mSeatRow(static_cast<std::int32_t>(school.Specials.size()))
    {
        for (std::size_t c = 0; c < school.Classes.size(); ++c)
            AddClass(school, static_cast<std::int32_t>(c));
        mClassBusy.resize(school.Classes.size());
        mRowBusy.resize(school.Specials.size() + static_cast<std::size_t>(std::max(school.LunchMaxClasses, 0)));
        mPlaced.assign(mRequirements.size(), 0);
    }

    bool Feasible() { return Place(0); }

private:
    struct Option {
        std::int32_t Row;
        std::int32_t Start;
        std::int32_t RowLength;
        std::int32_t ClassLength;
        std::vector<std::int32_t> Days;
    };
    struct Requirement {
        std::int32_t Class;
        std::vector<Option> Options;
    };
    using Busy = std::array<std::vector<std::pair<std::int32_t, std::int32_t>>, 5>;

    void AddClass(const School& school, std::int32_t index)
    {
        const Classroom& classroom = *school.Classes[static_cast<std::size_t>(index)];
        const auto slot = [&](std::int32_t time) { return (time - school.DayStartAt) / 5; };
        const std::int32_t first = std::max(0, (classroom.DayStart - school.DayStartAt + 4) / 5);
        const std::int32_t end = std::min(mSlotsPerDay - 1, slot(classroom.DayEnd));
        Requirement lunch { index, {} };
        const std::int32_t length = school.LunchTime / 5;
        const std::int32_t recess = school.LunchRecessTime / 5;
        for (std::int32_t seat = 0; seat < school.LunchMaxClasses && length > 0; ++seat) {
            for (std::int32_t t = std::max(first, slot(school.LunchStartAt)); t + length - 1 <= slot(school.LunchEndAt)
                 && t + length <= mSlotsPerDay - 1 && t + length + recess <= end;
                 ++t)
                lunch.Options.push_back({ mSeatRow + seat, t, length, length + recess, kPatterns[5][0] });
        }
        mRequirements.push_back(lunch);
        for (const auto& [title, count] : classroom.SpecialAttendance().Entries()) {
            if (count <= 0)
                continue;
            Requirement meetings { index, {} };
            for (std::size_t s = 0; s < school.Specials.size() && count <= 5; ++s) {
                const SpecialClass& special = *school.Specials[s];
                const std::int32_t block = special.Duration / 5 + special.OverlapTime / 5;
                if (special.Title != title || special.Duration / 5 < 1)
                    continue;
                for (std::int32_t t = std::max(first, slot(school.SpecialStartAt)); t + block <= end; ++t) {
                    for (const auto& days : kPatterns[count]) {
                        bool free = true;
                        for (std::int32_t day : days) {
                            for (std::int32_t s2 = t; s2 < t + block; ++s2)
                                free = free && special.IsAvailable(day, s2);
                        }
                        if (free)
                            meetings.Options.push_back({ static_cast<std::int32_t>(s), t, block, block, days });
                    }
                }
            }
            mRequirements.push_back(meetings);
        }
    }

    static bool Clashes(const Busy& busy, std::int32_t day, std::int32_t from, std::int32_t to)
    {
        for (const auto& [a, b] : busy[static_cast<std::size_t>(day)]) {
            if (from < b && a < to)
                return true;
        }
        return false;
    }

    bool Fits(const Requirement& requirement, const Option& option) const
    {
        for (std::int32_t day : option.Days) {
            if (Clashes(mClassBusy[static_cast<std::size_t>(requirement.Class)], day, option.Start,
                    option.Start + option.ClassLength)
                || Clashes(
                    mRowBusy[static_cast<std::size_t>(option.Row)], day, option.Start, option.Start + option.RowLength))
                return false;
        }
        return true;
    }

    void Take(const Requirement& requirement, const Option& option, bool take)
    {
        for (std::int32_t day : option.Days) {
            auto& own = mClassBusy[static_cast<std::size_t>(requirement.Class)][static_cast<std::size_t>(day)];
            auto& row = mRowBusy[static_cast<std::size_t>(option.Row)][static_cast<std::size_t>(day)];
            if (take) {
                own.emplace_back(option.Start, option.Start + option.ClassLength);
                row.emplace_back(option.Start, option.Start + option.RowLength);
            } else {
                own.pop_back();
                row.pop_back();
            }
        }
    }

    // The requirement with the fewest options left goes next.
    bool Place(std::size_t placed)
    {
        if (placed == mRequirements.size())
            return true;
        std::size_t next = mRequirements.size();
        std::size_t fewest = SIZE_MAX;
        for (std::size_t r = 0; r < mRequirements.size(); ++r) {
            if (mPlaced[r])
                continue;
            std::size_t fitting = 0;
            for (const Option& option : mRequirements[r].Options)
                fitting += Fits(mRequirements[r], option) ? 1 : 0;
            if (fitting < fewest) {
                fewest = fitting;
                next = r;
            }
        }
        if (fewest == 0)
            return false;
        const Requirement& requirement = mRequirements[next];
        mPlaced[next] = 1;
        for (const Option& option : requirement.Options) {
            // Seats are alike: a lunch opens at most one new seat.
            if (option.Row >= mSeatRow && option.Row > mSeatRow + mSeatsOpen)
                continue;
            if (!Fits(requirement, option))
                continue;
            const std::int32_t seatsOpen = mSeatsOpen;
            if (option.Row >= mSeatRow)
                mSeatsOpen = std::max(mSeatsOpen, option.Row - mSeatRow + 1);
            Take(requirement, option, true);
            if (Place(placed + 1))
                return true;
            Take(requirement, option, false);
            mSeatsOpen = seatsOpen;
        }
        mPlaced[next] = 0;
        return false;
    }

    const std::int32_t mSlotsPerDay;
    const std::int32_t mSeatRow;
    std::int32_t mSeatsOpen = 0;
    std::vector<Requirement> mRequirements;
    std::vector<std::uint8_t> mPlaced;
    std::vector<Busy> mClassBusy;
    std::vector<Busy> mRowBusy;
};

// A short day, one or two Art teachers with gaps, two or three classes with
// days of their own, a lunch period of a few slots on one or two seats.
std::shared_ptr<School> TinySchool(std::mt19937& random)
{
    const auto pick = [&](std::int32_t low, std::int32_t high) {
        return std::uniform_int_distribution<std::int32_t>(low, high)(random);
    };
    auto school = EmptySchool();
    school->DayEndAt = school->DayStartAt + 5 * pick(14, 22);
    school->SpecialStartAt = school->DayStartAt + 5 * pick(0, 2);
    school->LunchStartAt = school->DayStartAt + 5 * pick(3, 9);
    school->LunchEndAt = school->LunchStartAt + 5 * pick(1, 6);
    school->LunchTime = 5 * pick(1, 3);
    school->LunchRecessTime = 5 * pick(0, 2);
    school->LunchMaxClasses = pick(1, 2);
    for (std::int32_t s = pick(1, 2); s > 0; --s) {
        auto art = AddSpecial(*school, QStringLiteral("Art"), 5 * pick(2, 4), 5 * pick(0, 2));
        for (std::int32_t day = 0; day < 5; ++day) {
            if (pick(0, 2) == 0) {
                const std::int32_t from = school->DayStartAt + 5 * pick(0, 12);
                MarkUnavailable(*school, *art, day, from, from + 5 * pick(2, 10));
            }
        }
    }
    for (std::int32_t c = pick(2, 3); c > 0; --c) {
        const std::int32_t meetings = pick(0, 6) == 0 ? 5 : pick(0, 3);
        auto classroom = AddClass(*school, QStringLiteral("K"), {});
        if (meetings > 0)
            classroom->AttendCount(QStringLiteral("Art"), meetings);
        classroom->DayStart += 5 * (pick(0, 3) == 0 ? pick(1, 6) : 0);
        classroom->DayEnd = school->DayEndAt - 5 * pick(0, 4);
    }
    return school;
}

TEST(BruteForceAgreementTest, ThoroughSearchFindsASchedulePreciselyWhenOneExists)
{
    std::mt19937 random(20240611);
    int feasible = 0;
    int infeasible = 0;
    for (int round = 0; round < 300; ++round) {
        auto school = TinySchool(random);
        const bool exists = BruteForce(*school).Feasible();
        auto inputs = ScheduleGenerator::BuildInputs(*school);
        ASSERT_TRUE(inputs.IsOk());
        ThoroughScheduler scheduler;
        // Every other school straight to the whole search, past the repair.
        scheduler.RepairFirst = round % 2 == 0;
        const ThoroughResult result = scheduler.Schedule(inputs.Value());
        ASSERT_EQ(bool(result.Schedule), exists)
            << "round " << round << ": " << result.Reasons.join(u'\n').toStdString();
        EXPECT_EQ(result.Reasons.isEmpty(), exists) << "round " << round;
        if (result.Schedule) {
            EXPECT_EQ(CheckSchedule(*school, *result.Schedule), QStringList()) << "round " << round;
        }
        (exists ? feasible : infeasible) += 1;
    }
    // Both answers must be common for the agreement to mean anything.
    EXPECT_GE(feasible, 60);
    EXPECT_GE(infeasible, 60);
}

} // namespace
} // namespace belltide::testing
