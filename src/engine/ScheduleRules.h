#pragma once

#include "engine/ClassLimits.h"
#include "engine/Placement.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace belltide {

struct GenerationInputs;

// Every rule a schedule keeps. The searches' own results, the schedule kept
// through an edit, a meeting dragged by hand and a placement file checked by
// the command line are all judged here.
enum class Rule {
    NoLength, // the special or lunch lasts less than one slot
    NotAttended, // the class does not attend the subject
    ClassDay, // the meeting and its passing time or recess leave the class's own day
    SpecialTime, // the special is not available then (or the day ends first)
    LunchPeriod, // lunch outside the lunch period
    ClassBusy, // the class has something else then
    SpecialBusy, // the special teaches another class then, passing time included
    LunchroomFull, // more classes eating at once than the lunchroom holds
    TwiceADay, // the same subject twice on one day for one class
    TooMany, // more meetings of a subject than the class attends
    TooManyStudents, // the class is larger than the special takes
    NoFreeTime, // the class's day would keep no stretch of the interrupt-free time
};

struct BrokenRule {
    belltide::Rule Rule = Rule::NoLength;
    // One sentence for the user.
    QString Words;
    // The placement in the way, when one is.
    std::int32_t Other = -1;
};

struct MissingMeetings {
    std::int32_t Classroom = 0;
    QString Subject;
    std::int32_t Count = 0;
};

// The rules over one school's scheduling inputs, which must outlive this.
class ScheduleRules {
public:
    explicit ScheduleRules(const GenerationInputs& inputs);

    const GenerationInputs& Inputs() const { return mInputs; }
    std::int32_t SlotsPerDay() const;

    // The rules that concern a placement by itself.
    std::optional<BrokenRule> CheckAlone(const Placement& placement) const;

    // What an edit leaves of a schedule: every placement, pinned ones first
    // and the rest in order, is kept when it keeps every rule with the ones
    // kept before it. Kept holds positions in `placements`, in their order.
    struct Kept {
        std::vector<std::int32_t> Kept;
        std::vector<std::pair<std::int32_t, BrokenRule>> Dropped;
    };
    Kept Keep(const std::vector<Placement>& placements) const;

    // Every rule the placements break; a clash between two placements is told
    // once, at the later one.
    std::vector<std::pair<std::int32_t, BrokenRule>> Check(const std::vector<Placement>& placements) const;

    // Meetings the classes attend that have no placement, class by class.
    std::vector<MissingMeetings> Missing(const std::vector<Placement>& placements) const;

    // Words: "2nd: Ms. Hughes", "Music (Mr. Chen)", "Music for 2nd: Ms. Hughes on Monday at 9:00".
    QString ClassName(std::int32_t classroom) const;
    QString SpecialName(std::int32_t special) const;
    QString Describe(const Placement& placement) const;
    QString SlotTime(std::int32_t slot) const;

    // Lengths in slots: what the special's own row keeps (the meeting and its
    // passing time, or the lunch alone) and what the class's row keeps (the
    // meeting and its passing time, or lunch and recess).
    std::int32_t SpecialLength(std::int32_t special) const;
    std::int32_t ClassLength(std::int32_t special) const;
    std::int32_t Duration(std::int32_t special) const;
    bool IsLunch(std::int32_t special) const;
    std::int32_t SubjectOf(std::int32_t special) const { return mSubjectOfSpecial[std::size_t(special)]; }
    std::int32_t LunchSeats() const { return mLunchSeats; }

private:
    friend class WeekOccupancy;
    std::int32_t Attendance(std::int32_t classroom, std::int32_t subject) const;

    const GenerationInputs& mInputs;
    std::vector<std::int32_t> mSubjectOfSpecial;
    std::vector<QString> mSubjects;
    std::int32_t mLunchSeats = 0;
};

// The week as a set of placements fills it, indexed so that one change is
// checked in a few steps: a drag asks about every slot it passes over.
class WeekOccupancy {
public:
    WeekOccupancy(const ScheduleRules& rules, const std::vector<Placement>& placements);

    // Why `candidate` cannot join the placements added so far; `ignoring` is
    // one of them to leave out (the one being moved). Only the rules between
    // meetings: ask ScheduleRules::CheckAlone first for the candidate's own
    // (the special away, the lunch period, the class's day).
    std::optional<BrokenRule> WhyNot(const Placement& candidate, std::int32_t ignoring = -1) const;
    // Every rule it would break with them.
    std::vector<BrokenRule> AllProblems(const Placement& candidate, std::int32_t ignoring = -1) const;

    // Index into the placements given at construction.
    void Add(std::int32_t index);
    void AddAll();
    void Remove(std::int32_t index);

private:
    struct Block {
        std::int32_t From;
        std::int32_t To;
        std::int32_t Index;
    };
    void Problems(const Placement& candidate, std::int32_t ignoring, bool first, std::vector<BrokenRule>& out) const;
    std::optional<BrokenRule> FreeTimeKept(const Placement& candidate, std::int32_t ignoring) const;
    std::vector<Block>& ClassDay(std::int32_t classroom, std::int32_t day);
    const std::vector<Block>& ClassDay(std::int32_t classroom, std::int32_t day) const;
    std::vector<Block>& SpecialDay(std::int32_t special, std::int32_t day);
    const std::vector<Block>& SpecialDay(std::int32_t special, std::int32_t day) const;

    const ScheduleRules& mRules;
    const std::vector<Placement>& mPlacements;
    std::int32_t mSlotsPerDay;
    std::vector<std::vector<Block>> mClassDays;
    std::vector<std::vector<Block>> mSpecialDays;
    // Lunches at each week slot.
    std::vector<std::int32_t> mEating;
    // [classroom × subjects + subject]: meetings held.
    std::vector<std::int32_t> mHeld;
    // The stretches of one class's day, gathered for each question: a drag asks
    // often, and a fresh allocation each time would cost more than the answer.
    mutable std::vector<ClassLimits::Stretch> mScratch;
};

} // namespace belltide
