#include "ScheduleChecker.h"
#include "TestSchools.h"

#include "engine/Schedule.h"
#include "engine/ScheduleClassroom.h"
#include "engine/ScheduleGenerator.h"
#include "engine/ScheduleSpecial.h"
#include "engine/ThoroughScheduler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <random>
#include <vector>

namespace belltide::test {
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

// A meeting held where it is: the class, the special's position in the school
// (-1 for lunch, on any seat), the day and the slot of the day; the search is
// told the seat it had.
struct Pin {
    std::int32_t Class;
    std::int32_t Special;
    std::int32_t Day;
    std::int32_t Slot;
    std::int32_t Seat = 0;
};

// Days for what pinned meetings leave missing: the usual patterns that keep off
// the pinned days, else every choice of free days.
std::vector<std::vector<std::int32_t>> RemainingDays(std::int32_t count, std::uint32_t pinned)
{
    if (count < 1 || count > 5)
        return {};
    std::vector<std::vector<std::int32_t>> result;
    for (const auto& days : kPatterns[count]) {
        if (std::none_of(days.begin(), days.end(), [&](std::int32_t d) { return pinned & (1u << d); }))
            result.push_back(days);
    }
    for (std::uint32_t mask = 1; mask < 32 && result.empty() == (pinned != 0) && pinned != 0; ++mask) {
        std::vector<std::int32_t> days;
        for (std::int32_t d = 0; d < 5; ++d) {
            if (mask & (1u << d))
                days.push_back(d);
        }
        if (!(mask & pinned) && static_cast<std::int32_t>(days.size()) == count)
            result.push_back(days);
    }
    return result;
}

// Tries every placement of every lunch (a seat and a slot, every day) and of
// every class's specials (a special, a slot and a pattern), straight from the
// school model: it shares nothing with the thorough search. Pinned meetings
// are placements with one way each, and the class then needs only the rest.
class BruteForce {
public:
    explicit BruteForce(const School& school, const std::vector<Pin>& pins = {})
        : mSlotsPerDay((school.DayEndAt - school.DayStartAt) / 5)
        , mSeatRow(static_cast<std::int32_t>(school.Specials.size()))
        , mFreeLength((std::max(school.InterruptFreeTime, 0) + 4) / 5)
    {
        for (std::size_t c = 0; c < school.Classes.size(); ++c) {
            AddClass(school, static_cast<std::int32_t>(c), pins);
            const Classroom& classroom = *school.Classes[c];
            const std::int32_t first = std::clamp((classroom.DayStart - school.DayStartAt + 4) / 5, 0, mSlotsPerDay);
            mOwnDays.push_back({ first, std::clamp((classroom.DayEnd - school.DayStartAt) / 5, first, mSlotsPerDay) });
        }
        mClassBusy.resize(school.Classes.size());
        mRowBusy.resize(school.Specials.size() + static_cast<std::size_t>(std::max(school.LunchMaxClasses, 0)));
        mPlaced.assign(mRequirements.size(), 0);
    }

    bool Feasible() { return !mTooMany && Place(0); }

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

    // Pinned meetings of one subject each become a requirement of their own,
    // the rest one requirement on the days left.
    void AddSubject(std::int32_t index, std::int32_t count, const std::vector<Pin>& pins,
        const std::function<bool(const Pin&)>& ofSubject,
        const std::function<std::vector<Option>(const std::vector<std::vector<std::int32_t>>&)>& options)
    {
        std::uint32_t pinnedDays = 0;
        std::int32_t pinned = 0;
        for (const Pin& pin : pins) {
            if (pin.Class != index || !ofSubject(pin))
                continue;
            ++pinned;
            pinnedDays |= 1u << pin.Day;
            Requirement held { index, {} };
            for (Option& option : options({ { pin.Day } })) {
                if (option.Start == pin.Slot && (pin.Special < 0 || option.Row == pin.Special))
                    held.Options.push_back(std::move(option));
            }
            mRequirements.push_back(held);
        }
        mTooMany = mTooMany || pinned > count;
        if (count > pinned)
            mRequirements.push_back({ index, options(RemainingDays(count - pinned, pinnedDays)) });
    }

    void AddClass(const School& school, std::int32_t index, const std::vector<Pin>& pins)
    {
        const Classroom& classroom = *school.Classes[static_cast<std::size_t>(index)];
        const auto slot = [&](std::int32_t time) { return (time - school.DayStartAt) / 5; };
        const std::int32_t first = std::max(0, (classroom.DayStart - school.DayStartAt + 4) / 5);
        const std::int32_t end = std::min(mSlotsPerDay - 1, slot(classroom.DayEnd));
        const std::int32_t length = school.LunchTime / 5;
        const std::int32_t recess = school.LunchRecessTime / 5;
        const auto lunch = [](const Pin& pin) { return pin.Special < 0; };
        AddSubject(index, 5, pins, lunch, [&](const std::vector<std::vector<std::int32_t>>& patterns) {
            std::vector<Option> options;
            for (std::int32_t seat = 0; seat < school.LunchMaxClasses && length > 0; ++seat) {
                for (std::int32_t t = std::max(first, slot(school.LunchStartAt));
                     t + length - 1 <= slot(school.LunchEndAt) && t + length <= mSlotsPerDay - 1
                     && t + length + recess <= end;
                     ++t) {
                    for (const auto& days : patterns)
                        options.push_back({ mSeatRow + seat, t, length, length + recess, days });
                }
            }
            return options;
        });
        for (const auto& [title, count] : classroom.SpecialAttendance().Entries()) {
            if (count <= 0)
                continue;
            const auto ofTitle
                = [&](const Pin& pin) { return pin.Special >= 0 && school.Specials[pin.Special]->Title == title; };
            AddSubject(index, count, pins, ofTitle, [&](const std::vector<std::vector<std::int32_t>>& patterns) {
                std::vector<Option> options;
                for (std::size_t s = 0; s < school.Specials.size(); ++s) {
                    const SpecialClass& special = *school.Specials[s];
                    const std::int32_t block = special.Duration / 5 + special.OverlapTime / 5;
                    if (special.Title != title || special.Duration / 5 < 1
                        || (special.MaxStudents > 0 && classroom.NumberOfStudents > special.MaxStudents))
                        continue;
                    for (std::int32_t t = std::max(first, slot(school.SpecialStartAt)); t + block <= end; ++t) {
                        for (const auto& days : patterns) {
                            bool free = true;
                            for (std::int32_t day : days) {
                                for (std::int32_t s2 = t; s2 < t + block; ++s2)
                                    free = free && special.IsAvailable(day, s2);
                            }
                            if (free)
                                options.push_back({ static_cast<std::int32_t>(s), t, block, block, days });
                        }
                    }
                }
                return options;
            });
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

    // The longest stretch of the class's own day that its blocks and one more leave free.
    std::int32_t LongestFree(std::int32_t classIndex, std::int32_t day, std::int32_t from, std::int32_t to) const
    {
        const auto [first, end] = mOwnDays[static_cast<std::size_t>(classIndex)];
        std::int32_t longest = 0;
        for (std::int32_t s = first, run = 0; s < end; ++s) {
            const bool taken
                = (s >= from && s < to) || Clashes(mClassBusy[static_cast<std::size_t>(classIndex)], day, s, s + 1);
            run = taken ? 0 : run + 1;
            longest = std::max(longest, run);
        }
        return longest;
    }

    bool Fits(const Requirement& requirement, const Option& option) const
    {
        for (std::int32_t day : option.Days) {
            if (Clashes(mClassBusy[static_cast<std::size_t>(requirement.Class)], day, option.Start,
                    option.Start + option.ClassLength)
                || Clashes(
                    mRowBusy[static_cast<std::size_t>(option.Row)], day, option.Start, option.Start + option.RowLength))
                return false;
            if (mFreeLength > 0
                && LongestFree(requirement.Class, day, option.Start, option.Start + option.ClassLength) < mFreeLength)
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
    // Slots each class keeps free every day, and its own day.
    const std::int32_t mFreeLength;
    std::vector<std::pair<std::int32_t, std::int32_t>> mOwnDays;
    bool mTooMany = false;
    std::int32_t mSeatsOpen = 0;
    std::vector<Requirement> mRequirements;
    std::vector<std::uint8_t> mPlaced;
    std::vector<Busy> mClassBusy;
    std::vector<Busy> mRowBusy;
};

// A short day, one or two Art teachers with gaps (sometimes one with a room
// too small for some classes), two or three classes with days of their own,
// a lunch period of a few slots on one or two seats, and often a stretch each
// class keeps free every day.
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
    school->InterruptFreeTime = pick(0, 1) == 0 ? 0 : 5 * pick(2, 8) - pick(0, 1);
    for (std::int32_t s = pick(1, 2); s > 0; --s) {
        auto art = AddSpecial(*school, QStringLiteral("Art"), 5 * pick(2, 4), 5 * pick(0, 2));
        art->MaxStudents = pick(0, 3) == 0 ? 22 : 0;
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
        classroom->NumberOfStudents = pick(20, 24);
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

// Every meeting of a schedule, in the school's terms.
std::vector<Pin> MeetingsOf(const School& school, const GenerationInputs& inputs, const Schedule& schedule)
{
    std::vector<Pin> meetings;
    const std::int32_t slotsPerDay = inputs.SlotsPerDay;
    for (std::size_t c = 0; c < inputs.Classrooms.size(); ++c) {
        for (std::int32_t minute = 0, length = 0; minute < schedule.MinuteCount(); minute += std::max(length, 1)) {
            const auto item = std::dynamic_pointer_cast<ScheduleSpecial>(
                schedule.ScheduledItem(*inputs.Classrooms[c], minute, length));
            if (!item || item->Subject == QStringLiteral("Recess"))
                continue;
            const auto special = std::find(school.Specials.begin(), school.Specials.end(), item->Tag);
            const std::int32_t index = item->Tag ? static_cast<std::int32_t>(special - school.Specials.begin()) : -1;
            const auto row = std::find(inputs.Specials.begin(), inputs.Specials.end(), item);
            meetings.push_back({ static_cast<std::int32_t>(c), index, minute / slotsPerDay, minute % slotsPerDay,
                static_cast<std::int32_t>(row - inputs.Specials.begin())
                    - static_cast<std::int32_t>(school.Specials.size()) });
        }
    }
    return meetings;
}

GenerationInputs WithFixed(School& school, const std::vector<Pin>& pins, bool pinned)
{
    GenerationInputs inputs = ScheduleGenerator::BuildInputs(school).Value();
    for (const Pin& pin : pins) {
        // Lunch seats follow the specials.
        std::int32_t special = static_cast<std::int32_t>(school.Specials.size()) + pin.Seat;
        for (std::size_t i = 0; i < inputs.Specials.size() && pin.Special >= 0; ++i) {
            if (inputs.Specials[i]->Tag == school.Specials[static_cast<std::size_t>(pin.Special)])
                special = static_cast<std::int32_t>(i);
        }
        inputs.Fixed.push_back({ pin.Class, special, pin.Day * inputs.SlotsPerDay + pin.Slot, pinned });
    }
    return inputs;
}

TEST(BruteForceAgreementTest, FixedMeetingsAreKeptGivenBackAndProvedAsBruteForceSays)
{
    std::mt19937 random(777);
    int pinnedFeasible = 0;
    int pinnedInfeasible = 0;
    int givenBack = 0;
    for (int round = 0; round < 600; ++round) {
        auto school = TinySchool(random);
        // Meetings from a schedule of the school without its last class: they
        // keep every rule, yet may leave that class no room.
        School lighter = *school;
        lighter.Classes.pop_back();
        const GenerationInputs lighterInputs = ScheduleGenerator::BuildInputs(lighter).Value();
        ThoroughScheduler source;
        const auto schedule = source.Schedule(lighterInputs).Schedule;
        if (!schedule)
            continue;
        std::vector<Pin> all = MeetingsOf(lighter, lighterInputs, *schedule);
        std::shuffle(all.begin(), all.end(), random);
        const std::vector<Pin> pins(all.begin(), all.begin() + std::min<std::ptrdiff_t>(all.size(), 2 + round % 4));
        const auto kept = [&](const std::vector<Pin>& held) {
            std::vector<KeptMeeting> meetings;
            for (const Pin& pin : held)
                meetings.push_back(
                    { pin.Class, pin.Special < 0 ? QStringLiteral("Lunch") : school->Specials[pin.Special]->Title,
                        pin.Day, pin.Slot });
            return meetings;
        };

        ThoroughScheduler pinnedSearch;
        pinnedSearch.RepairFirst = round % 2 == 0;
        const ThoroughResult pinned = pinnedSearch.Schedule(WithFixed(*school, pins, true));
        const bool exists = BruteForce(*school, pins).Feasible();
        ASSERT_EQ(bool(pinned.Schedule), exists) << "round " << round;
        EXPECT_TRUE(pinned.Released.empty()) << "round " << round;
        EXPECT_EQ(pinned.Reasons.isEmpty(), exists) << "round " << round;
        if (pinned.Schedule) {
            EXPECT_EQ(CheckSchedule(*school, *pinned.Schedule, kept(pins)).join(u'\n').toStdString(), "")
                << "round " << round;
        }
        (exists ? pinnedFeasible : pinnedInfeasible) += 1;

        // Unpinned, a schedule exists when one keeps some of the class and
        // subject groups; none given back could have been kept.
        ThoroughScheduler freeSearch;
        freeSearch.RepairFirst = round % 2 == 1;
        const ThoroughResult free = freeSearch.Schedule(WithFixed(*school, pins, false));
        const auto group = [](const Pin& pin) { return std::pair { pin.Class, pin.Special < 0 ? -1 : 0 }; };
        const auto heldWithout = [&](const std::vector<std::int32_t>& released) {
            std::vector<Pin> held;
            for (std::size_t i = 0; i < pins.size(); ++i) {
                if (std::none_of(released.begin(), released.end(),
                        [&](std::int32_t r) { return group(pins[static_cast<std::size_t>(r)]) == group(pins[i]); }))
                    held.push_back(pins[i]);
            }
            return held;
        };
        bool someExists = false;
        for (std::uint32_t mask = 0; mask < (1u << pins.size()) && !someExists; ++mask) {
            std::vector<std::int32_t> released;
            for (std::size_t i = 0; i < pins.size(); ++i) {
                if (mask & (1u << i))
                    released.push_back(static_cast<std::int32_t>(i));
            }
            someExists = BruteForce(*school, heldWithout(released)).Feasible();
        }
        ASSERT_EQ(bool(free.Schedule), someExists) << "round " << round;
        if (!free.Schedule)
            continue;
        const std::vector<Pin> held = heldWithout(free.Released);
        EXPECT_EQ(held.size() + free.Released.size(), pins.size()) << "round " << round;
        EXPECT_EQ(CheckSchedule(*school, *free.Schedule, kept(held)).join(u'\n').toStdString(), "")
            << "round " << round;
        for (std::int32_t released : free.Released) {
            std::vector<Pin> more = held;
            for (const Pin& pin : pins) {
                if (group(pin) == group(pins[static_cast<std::size_t>(released)]))
                    more.push_back(pin);
            }
            EXPECT_FALSE(BruteForce(*school, more).Feasible()) << "round " << round << ": gave back too much";
        }
        givenBack += free.Released.empty() ? 0 : 1;
    }
    EXPECT_GE(pinnedFeasible, 100);
    EXPECT_GE(pinnedInfeasible, 50);
    EXPECT_GE(givenBack, 8);
}

} // namespace
} // namespace belltide::test
