#pragma once

#include "engine/DayPattern.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace belltide {

struct GenerationInputs;

// Where one requirement's meetings go.
struct ThoroughPlacement {
    std::int32_t Requirement = 0;
    std::int32_t Resource = 0;
    std::int32_t Start = 0;
    const DayPattern* Pattern = nullptr;
};

// A special, or all lunch seats taken together, as the thorough search sees
// it. Lengths are in slots.
struct ThoroughResource {
    // "Music (Ms. Lee)"; "lunch" for the seats.
    QString Name;
    // Empty for lunch and for a special without one.
    QString Teacher;
    std::int32_t Subject = 0;
    // Positions in the inputs' special list: the special, or every seat.
    std::vector<std::int32_t> Inputs;
    // Meetings it holds at once: 1 for a special, the number of seats for lunch.
    std::int32_t Capacity = 1;
    // Most students a meeting takes; 0 for no limit.
    std::int32_t MaxStudents = 0;
    std::int32_t Duration = 0;
    // Kept in its own row: the meeting and its passing time, or the lunch alone.
    std::int32_t SpecialLength = 0;
    // Kept in the class's row: the meeting and its passing time, or lunch and recess.
    std::int32_t ClassLength = 0;
    // [day × slots per day + slot]: 1 where a meeting may start as far as the
    // resource goes, its own row free to the end of SpecialLength.
    std::vector<std::uint8_t> CanStart;
};

struct ThoroughSubject {
    QString Title;
    bool Lunch = false;
    std::vector<std::int32_t> Resources;
};

struct ThoroughClass {
    // Position in the inputs' classroom list.
    std::int32_t Input = 0;
    // "3rd: Ms. Adams".
    QString Name;
    // The class's own day as entered, minutes after midnight.
    std::int32_t DayStart = 0;
    std::int32_t DayEnd = 0;
    // Blocks start at FirstSlot or later and end by EndSlot: inside the class's
    // own day and before the last slot of the school day.
    std::int32_t FirstSlot = 0;
    std::int32_t EndSlot = 0;
    std::int32_t Students = 0;
    // Every day the class keeps FreeLength slots in a row free inside
    // FreeFirst..FreeEnd-1, its own day (0: no such promise); FreeMinutes is
    // that time as the school gave it.
    std::int32_t FreeLength = 0;
    std::int32_t FreeMinutes = 0;
    std::int32_t FreeFirst = 0;
    std::int32_t FreeEnd = 0;
    std::vector<std::int32_t> Requirements;
    // The class holds fixed meetings: it cannot trade places with a class alike.
    bool HasFixed = false;
};

// Ways to hold one class's meetings of one subject: a resource, a start slot of
// the day and, bit i, Patterns[i] when every day of it has room.
struct ThoroughOption {
    std::int32_t Resource = 0;
    std::int32_t Start = 0;
    std::uint32_t PatternMask = 0;
};

// One class's weekly meetings of one subject: all on one resource, at one slot
// of the day, on the days of one pattern.
struct ThoroughRequirement {
    std::int32_t Class = 0;
    std::int32_t Subject = 0;
    std::int32_t Count = 0;
    std::span<const DayPattern> Patterns;
    std::vector<ThoroughOption> Options;
    // The fixed group this is one way of completing; -1 for none.
    std::int32_t Group = -1;
};

// A meeting the schedule already holds, in the problem's terms.
struct ThoroughFixed {
    // Position in the inputs' fixed meetings.
    std::int32_t Input = 0;
    std::int32_t Class = 0;
    std::int32_t Resource = 0;
    // Position in the inputs' special list: the special or the very seat.
    std::int32_t Special = 0;
    std::int32_t Day = 0;
    std::int32_t Slot = 0;
    bool Pinned = false;
    // The fixed group it belongs to.
    std::int32_t Group = 0;
};

// One class's fixed meetings of one subject. Its pinned meetings are held or
// given back together, and so are its others; what remains to be placed
// depends on which are held.
struct ThoroughFixedGroup {
    // The requirement as it would be with nothing fixed.
    std::int32_t Requirement = 0;
    // Positions in FixedMeetings().
    std::vector<std::int32_t> Pinned;
    std::vector<std::int32_t> Others;
    // [pinned held][others held]: the unit that places the rest, kNothingLeft
    // when the held meetings are all there is, kCannotHold when they are more.
    std::array<std::array<std::int32_t, 2>, 2> Rest { { { 0, 0 }, { 0, 0 } } };
};

// The school in the form both the counting arguments and the solver work on:
// every static rule (days, availability, lunch period, day ends) is already
// folded into each requirement's options.
class ThoroughProblem {
public:
    static constexpr std::int32_t kNothingLeft = -1;
    static constexpr std::int32_t kCannotHold = -2;

    // With `fixedHeld`, every fixed meeting is taken as given: each group
    // leaves one unit, for what its meetings leave missing.
    explicit ThoroughProblem(const GenerationInputs& inputs, bool fixedHeld = false);

    std::int32_t SlotsPerDay() const { return mSlotsPerDay; }
    // The lunch period: the first slot a seat is open and the slot after its last.
    std::int32_t LunchFirstSlot() const { return mLunchFirstSlot; }
    std::int32_t LunchEndSlot() const { return mLunchEndSlot; }
    const std::vector<ThoroughResource>& Resources() const { return mResources; }
    const std::vector<ThoroughSubject>& Subjects() const { return mSubjects; }
    const std::vector<ThoroughClass>& Classes() const { return mClasses; }
    // One per class and subject it attends, as if nothing were fixed.
    const std::vector<ThoroughRequirement>& Requirements() const { return mRequirements; }

    // What the solver places: the requirements, then for each fixed group the
    // rest left by each choice of held meetings.
    std::int32_t UnitCount() const { return static_cast<std::int32_t>(mRequirements.size() + mRemainders.size()); }
    const ThoroughRequirement& Unit(std::int32_t index) const;
    // False for a requirement that none of its group's choices places whole.
    bool IsUnitUsed(std::int32_t index) const;
    const std::vector<ThoroughFixed>& FixedMeetings() const { return mFixed; }
    const std::vector<ThoroughFixedGroup>& FixedGroups() const { return mGroups; }
    // Positions in the inputs' fixed meetings that can never be held.
    const std::vector<std::int32_t>& UnusableFixed() const { return mUnusable; }
    // Keeps, for each placed unit, only the options on its resource and, with
    // `keepDays`, on its days: a smaller problem whose schedules are schedules
    // of the school, though it may have none when the school has one.
    void Restrict(const std::vector<ThoroughPlacement>& placements, bool keepDays);
    bool IsRestricted() const { return mRestricted; }

    // "Music for 2nd: Ms. Hughes on Monday at 9:00".
    QString DescribeFixed(const ThoroughFixed& meeting) const;

    bool CanStart(const ThoroughResource& resource, std::int32_t day, std::int32_t slot) const;
    // Whether the resource may meet the class at all, as many students as it has.
    static bool Takes(const ThoroughResource& resource, const ThoroughClass& entry)
    {
        return resource.MaxStudents <= 0 || entry.Students <= resource.MaxStudents;
    }
    // Most meetings the resource can hold on the day with every one inside first..end.
    std::int32_t MostMeetings(
        const ThoroughResource& resource, std::int32_t day, std::int32_t first, std::int32_t end) const;

    // Words for the reasons.
    QString TimeOfSlot(std::int32_t slot) const;
    static QString Minutes(std::int32_t length);
    static QString Times(std::int32_t count);
    // "1 meeting", "3 meetings".
    static QString Quantity(std::int32_t count, const QString& one, const QString& many);
    static QString JoinNames(const QStringList& names);

private:
    void AddResources(const GenerationInputs& inputs);
    void AddLunchSeats(const GenerationInputs& inputs, const std::vector<std::int32_t>& seats);
    std::int32_t SubjectId(const QString& title);
    void FillCanStart(ThoroughResource& resource, const GenerationInputs& inputs) const;
    void AddClasses(const GenerationInputs& inputs);
    void AddOptions(ThoroughRequirement& requirement) const;
    void AddFixed(const GenerationInputs& inputs, bool fixedHeld);
    std::int32_t RestOf(const ThoroughFixedGroup& group, bool pinned, bool others);

    std::int32_t mSlotsPerDay = 0;
    std::int32_t mDayStartAt = 0;
    std::int32_t mLunchFirstSlot = 0;
    std::int32_t mLunchEndSlot = 0;
    std::vector<ThoroughResource> mResources;
    std::vector<ThoroughSubject> mSubjects;
    std::vector<ThoroughClass> mClasses;
    std::vector<ThoroughRequirement> mRequirements;
    std::vector<ThoroughRequirement> mRemainders;
    std::vector<ThoroughFixed> mFixed;
    std::vector<ThoroughFixedGroup> mGroups;
    std::vector<std::int32_t> mUnusable;
    std::vector<std::uint8_t> mRequirementUsed;
    bool mRestricted = false;
};

} // namespace belltide
