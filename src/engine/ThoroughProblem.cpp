#include "ThoroughProblem.h"

#include "ClassLimits.h"
#include "FixedMeeting.h"
#include "ScheduleClassroom.h"
#include "ScheduleGenerator.h"
#include "ScheduleSpecial.h"
#include "Subjects.h"
#include "engine/Index.h"
#include "model/TimeText.h"

#include <algorithm>

namespace belltide {

namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

std::int64_t CeilDiv(std::int64_t a, std::int64_t b)
{
    return -FloorDiv(-a, b);
}

QString SpecialName(const ScheduleSpecial& special)
{
    return special.Teacher.isEmpty() ? special.Subject
                                     : special.Subject + QStringLiteral(" (") + special.Teacher + u')';
}

bool SameSeat(const ScheduleSpecial& a, const ScheduleSpecial& b, std::int32_t weekSlots)
{
    if (a.Duration != b.Duration || a.ReserveExtra != b.ReserveExtra)
        return false;
    for (std::int32_t minute = 0; minute < weekSlots; ++minute) {
        if (a.IsAvailable(minute) != b.IsAvailable(minute))
            return false;
    }
    return true;
}

} // namespace

ThoroughProblem::ThoroughProblem(const GenerationInputs& inputs, bool fixedHeld)
    : mSlotsPerDay(std::max(inputs.SlotsPerDay, 0))
    , mDayStartAt(inputs.DayStartAt)
{
    AddResources(inputs);
    AddClasses(inputs);
    AddFixed(inputs, fixedHeld);
}

const ThoroughRequirement& ThoroughProblem::Unit(std::int32_t index) const
{
    const auto base = static_cast<std::int32_t>(mRequirements.size());
    return index < base ? mRequirements[ToIndex(index)] : mRemainders[ToIndex(index - base)];
}

// Each fixed meeting joins the group of its class and subject; each group
// gets, for every choice of held meetings, the unit that places the rest.
void ThoroughProblem::AddFixed(const GenerationInputs& inputs, bool fixedHeld)
{
    std::vector<std::int32_t> resourceOf(inputs.Specials.size(), -1);
    for (std::size_t k = 0; k < mResources.size(); ++k) {
        for (std::int32_t input : mResources[k].Inputs)
            resourceOf[ToIndex(input)] = static_cast<std::int32_t>(k);
    }
    std::vector<std::int32_t> groupOf(mRequirements.size(), -1);
    for (std::size_t i = 0; i < inputs.Fixed.size(); ++i) {
        const FixedMeeting& meeting = inputs.Fixed[i];
        const std::int32_t resource = IsUsable(meeting, inputs.Classrooms, inputs.Specials, mSlotsPerDay)
            ? resourceOf[ToIndex(meeting.Special)]
            : -1;
        const auto& own
            = resource < 0 ? std::vector<std::int32_t> {} : mClasses[ToIndex(meeting.Classroom)].Requirements;
        const auto requirement = std::find_if(own.begin(), own.end(),
            [&](std::int32_t r) { return mRequirements[ToIndex(r)].Subject == mResources[ToIndex(resource)].Subject; });
        if (requirement == own.end()) {
            mUnusable.push_back(static_cast<std::int32_t>(i));
            continue;
        }
        std::int32_t& group = groupOf[ToIndex(*requirement)];
        if (group < 0) {
            group = static_cast<std::int32_t>(mGroups.size());
            mGroups.push_back({ *requirement, {}, {}, {} });
            mRequirements[ToIndex(*requirement)].Group = group;
            mClasses[ToIndex(meeting.Classroom)].HasFixed = true;
        }
        const auto position = static_cast<std::int32_t>(mFixed.size());
        mFixed.push_back({ static_cast<std::int32_t>(i), meeting.Classroom, resource, meeting.Special,
            meeting.Start / mSlotsPerDay, meeting.Start % mSlotsPerDay, meeting.Pinned, group });
        (meeting.Pinned ? mGroups[ToIndex(group)].Pinned : mGroups[ToIndex(group)].Others).push_back(position);
    }
    for (ThoroughFixedGroup& group : mGroups) {
        for (const bool pinned : { false, true }) {
            for (const bool others : { false, true }) {
                // Holding meetings a group does not have is no choice at all.
                const bool choice = fixedHeld
                    ? pinned == !group.Pinned.empty() && others == !group.Others.empty()
                    : (!pinned || !group.Pinned.empty()) && (!others || !group.Others.empty());
                group.Rest[pinned][others] = choice ? RestOf(group, pinned, others) : kCannotHold;
            }
        }
    }
    mRequirementUsed.assign(mRequirements.size(), 1);
    for (const ThoroughFixedGroup& group : mGroups) {
        const auto& rest = group.Rest;
        mRequirementUsed[ToIndex(group.Requirement)] = rest[0][0] == group.Requirement
            || rest[0][1] == group.Requirement || rest[1][0] == group.Requirement || rest[1][1] == group.Requirement;
    }
}

void ThoroughProblem::Restrict(const std::vector<ThoroughPlacement>& placements, bool keepDays)
{
    const auto base = static_cast<std::int32_t>(mRequirements.size());
    for (const ThoroughPlacement& placement : placements) {
        ThoroughRequirement& unit = placement.Requirement < base ? mRequirements[ToIndex(placement.Requirement)]
                                                                 : mRemainders[ToIndex(placement.Requirement - base)];
        std::uint32_t days = ~0u;
        for (std::size_t p = 0; keepDays && p < unit.Patterns.size(); ++p) {
            if (placement.Pattern && unit.Patterns[p].Code == placement.Pattern->Code)
                days = 1u << p;
        }
        std::vector<ThoroughOption> kept;
        for (const ThoroughOption& option : unit.Options) {
            if (option.Resource == placement.Resource && (option.PatternMask & days) != 0)
                kept.push_back({ option.Resource, option.Start, option.PatternMask & days });
        }
        if (!kept.empty())
            unit.Options = std::move(kept);
    }
    mRestricted = true;
}

bool ThoroughProblem::IsUnitUsed(std::int32_t index) const
{
    return index >= static_cast<std::int32_t>(mRequirements.size()) || mRequirementUsed[ToIndex(index)];
}

std::int32_t ThoroughProblem::RestOf(const ThoroughFixedGroup& group, bool pinned, bool others)
{
    const ThoroughRequirement& requirement = mRequirements[ToIndex(group.Requirement)];
    std::int32_t held = 0;
    std::uint32_t days = 0;
    for (const auto* list : { pinned ? &group.Pinned : nullptr, others ? &group.Others : nullptr }) {
        for (std::int32_t index = 0; list && index < static_cast<std::int32_t>(list->size()); ++index) {
            held += 1;
            days |= 1u << mFixed[ToIndex((*list)[ToIndex(index)])].Day;
        }
    }
    if (held == 0)
        return group.Requirement;
    if (held > requirement.Count)
        return kCannotHold;
    if (held == requirement.Count)
        return kNothingLeft;
    ThoroughRequirement rest;
    rest.Class = requirement.Class;
    rest.Subject = requirement.Subject;
    rest.Count = requirement.Count - held;
    rest.Patterns = RemainingPatterns(rest.Count, days);
    rest.Group = requirement.Group;
    AddOptions(rest);
    mRemainders.push_back(std::move(rest));
    return static_cast<std::int32_t>(mRequirements.size() + mRemainders.size() - 1);
}

QString ThoroughProblem::DescribeFixed(const ThoroughFixed& meeting) const
{
    static const char* const kDays[] = { "Monday", "Tuesday", "Wednesday", "Thursday", "Friday" };
    const ThoroughResource& resource = mResources[ToIndex(meeting.Resource)];
    const ThoroughSubject& subject = mSubjects[ToIndex(resource.Subject)];
    return QStringLiteral("%1 for %2 on %3 at %4")
        .arg(subject.Lunch ? QStringLiteral("Lunch") : subject.Title, mClasses[ToIndex(meeting.Class)].Name,
            QString::fromLatin1(kDays[std::clamp(meeting.Day, 0, 4)]), TimeOfSlot(meeting.Slot));
}

std::int32_t ThoroughProblem::SubjectId(const QString& title)
{
    const QString folded = title.toCaseFolded();
    for (std::size_t i = 0; i < mSubjects.size(); ++i) {
        if (mSubjects[i].Title.toCaseFolded() == folded)
            return static_cast<std::int32_t>(i);
    }
    mSubjects.push_back({ title, IsLunchSubject(title), {} });
    return static_cast<std::int32_t>(mSubjects.size() - 1);
}

void ThoroughProblem::AddResources(const GenerationInputs& inputs)
{
    std::vector<std::int32_t> seats;
    for (std::size_t i = 0; i < inputs.Specials.size(); ++i) {
        const ScheduleSpecial& special = *inputs.Specials[i];
        if (IsLunchSubject(special.Subject)) {
            seats.push_back(static_cast<std::int32_t>(i));
            continue;
        }
        ThoroughResource resource;
        resource.Name = SpecialName(special);
        resource.Teacher = special.Teacher;
        resource.Subject = SubjectId(special.Subject);
        resource.Inputs = { static_cast<std::int32_t>(i) };
        resource.MaxStudents = special.MaxNumberOfStudents;
        resource.Duration = special.Duration;
        resource.SpecialLength = resource.ClassLength = special.Duration + std::max(special.ReserveExtra, 0);
        FillCanStart(resource, inputs);
        mSubjects[ToIndex(resource.Subject)].Resources.push_back(static_cast<std::int32_t>(mResources.size()));
        mResources.push_back(std::move(resource));
    }
    AddLunchSeats(inputs, seats);
}

// Seats alike in every respect are one resource holding that many lunches at
// once: any placement that never has more lunches at a time than seats can be
// seated, and the solver need not tell seats apart.
void ThoroughProblem::AddLunchSeats(const GenerationInputs& inputs, const std::vector<std::int32_t>& seats)
{
    const std::int32_t lunch = SubjectId(LunchSubject());
    const std::int32_t weekSlots = 5 * mSlotsPerDay;
    const auto& first = seats.empty() ? nullptr : inputs.Specials[ToIndex(seats[0])];
    const bool alike = std::all_of(seats.begin(), seats.end(),
        [&](std::int32_t seat) { return SameSeat(*first, *inputs.Specials[ToIndex(seat)], weekSlots); });
    if (first) {
        mLunchFirstSlot = mSlotsPerDay;
        for (std::int32_t minute = 0; minute < weekSlots; ++minute) {
            if (first->IsAvailable(minute)) {
                mLunchFirstSlot = std::min(mLunchFirstSlot, minute % mSlotsPerDay);
                mLunchEndSlot = std::max(mLunchEndSlot, minute % mSlotsPerDay + 1);
            }
        }
    }
    std::vector<std::vector<std::int32_t>> groups;
    if (alike && !seats.empty())
        groups.push_back(seats);
    else
        for (std::int32_t seat : seats)
            groups.push_back({ seat });
    for (std::vector<std::int32_t>& group : groups) {
        const ScheduleSpecial& seat = *inputs.Specials[ToIndex(group[0])];
        ThoroughResource resource;
        resource.Name
            = groups.size() == 1 ? QStringLiteral("lunch") : QStringLiteral("lunch seat %1").arg(mResources.size() + 1);
        resource.Subject = lunch;
        resource.Capacity = static_cast<std::int32_t>(group.size());
        resource.Inputs = std::move(group);
        resource.Duration = seat.Duration;
        resource.SpecialLength = seat.Duration;
        resource.ClassLength = seat.Duration + std::max(seat.ReserveExtra, 0);
        FillCanStart(resource, inputs);
        mSubjects[ToIndex(lunch)].Resources.push_back(static_cast<std::int32_t>(mResources.size()));
        mResources.push_back(std::move(resource));
    }
}

void ThoroughProblem::FillCanStart(ThoroughResource& resource, const GenerationInputs& inputs) const
{
    const ScheduleSpecial& row = *inputs.Specials[ToIndex(resource.Inputs[0])];
    resource.CanStart.assign(ToIndex(5 * mSlotsPerDay), 0);
    // A meeting of no length would never be counted as held.
    if (resource.Duration < 1)
        return;
    for (std::int32_t day = 0; day < 5; ++day) {
        std::int32_t free = 0;
        for (std::int32_t slot = mSlotsPerDay - 1; slot >= 0; --slot) {
            free = row.IsAvailable(day * mSlotsPerDay + slot) ? free + 1 : 0;
            resource.CanStart[ToIndex(day * mSlotsPerDay + slot)]
                = free >= resource.SpecialLength && slot + resource.SpecialLength <= mSlotsPerDay - 1 ? 1 : 0;
        }
    }
}

void ThoroughProblem::AddClasses(const GenerationInputs& inputs)
{
    for (std::size_t i = 0; i < inputs.Classrooms.size(); ++i) {
        const ScheduleClassroom& classroom = *inputs.Classrooms[i];
        ThoroughClass entry;
        entry.Input = static_cast<std::int32_t>(i);
        entry.Name = ClassLimits::ClassName(classroom, i);
        entry.DayStart = classroom.DayStart;
        entry.DayEnd = classroom.DayEnd;
        entry.FirstSlot = static_cast<std::int32_t>(
            std::clamp<std::int64_t>(CeilDiv(std::int64_t { classroom.DayStart } - mDayStartAt, 5), 0, mSlotsPerDay));
        entry.EndSlot = static_cast<std::int32_t>(std::clamp<std::int64_t>(
            FloorDiv(std::int64_t { classroom.DayEnd } - mDayStartAt, 5), 0, std::max(mSlotsPerDay - 1, 0)));
        entry.Students = classroom.NumberOfStudents;
        entry.FreeLength = ClassLimits::FreeSlots(classroom.InterruptFreeTime);
        entry.FreeMinutes = classroom.InterruptFreeTime;
        entry.FreeFirst = classroom.OwnDayFirst;
        entry.FreeEnd = classroom.OwnDayEnd;
        for (std::int32_t s = 0; s < classroom.SubjectCount(); ++s) {
            const QString title = classroom.Subject(s);
            const std::int32_t count = classroom.SpecialAttendance(title);
            if (count <= 0)
                continue;
            ThoroughRequirement requirement;
            requirement.Class = static_cast<std::int32_t>(mClasses.size());
            requirement.Subject = SubjectId(title);
            requirement.Count = count;
            requirement.Patterns = PatternsWithMeetings(count);
            entry.Requirements.push_back(static_cast<std::int32_t>(mRequirements.size()));
            mRequirements.push_back(std::move(requirement));
        }
        mClasses.push_back(std::move(entry));
    }
    for (ThoroughRequirement& requirement : mRequirements)
        AddOptions(requirement);
}

void ThoroughProblem::AddOptions(ThoroughRequirement& requirement) const
{
    const ThoroughClass& entry = mClasses[ToIndex(requirement.Class)];
    for (std::int32_t index : mSubjects[ToIndex(requirement.Subject)].Resources) {
        const ThoroughResource& resource = mResources[ToIndex(index)];
        if (!Takes(resource, entry))
            continue;
        for (std::int32_t start = entry.FirstSlot; start + resource.ClassLength <= entry.EndSlot; ++start) {
            std::uint32_t mask = 0;
            for (std::size_t p = 0; p < requirement.Patterns.size(); ++p) {
                const auto days = requirement.Patterns[p].MeetingDays();
                if (std::all_of(
                        days.begin(), days.end(), [&](std::int32_t day) { return CanStart(resource, day, start); }))
                    mask |= 1u << p;
            }
            if (mask != 0)
                requirement.Options.push_back({ index, start, mask });
        }
    }
}

bool ThoroughProblem::CanStart(const ThoroughResource& resource, std::int32_t day, std::int32_t slot) const
{
    return slot >= 0 && slot < mSlotsPerDay && resource.CanStart[ToIndex(day * mSlotsPerDay + slot)];
}

// Meetings of one length never overlapping: taking the earliest start each time
// holds the most.
std::int32_t ThoroughProblem::MostMeetings(
    const ThoroughResource& resource, std::int32_t day, std::int32_t first, std::int32_t end) const
{
    std::int32_t meetings = 0;
    for (std::int32_t slot = std::max(first, 0); slot + resource.ClassLength <= end;) {
        if (CanStart(resource, day, slot)) {
            ++meetings;
            slot += std::max(resource.SpecialLength, 1);
        } else {
            ++slot;
        }
    }
    return meetings * resource.Capacity;
}

QString ThoroughProblem::TimeOfSlot(std::int32_t slot) const
{
    return FormatTimeOfDay(mDayStartAt + 5 * slot);
}

QString ThoroughProblem::Minutes(std::int32_t length)
{
    const std::int32_t minutes = 5 * length;
    if (minutes < 60)
        return QStringLiteral("%1 minutes").arg(minutes);
    if (minutes % 60 == 0)
        return QStringLiteral("%1 h").arg(minutes / 60);
    return QStringLiteral("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

QString ThoroughProblem::Times(std::int32_t count)
{
    if (count == 1)
        return QStringLiteral("once");
    if (count == 2)
        return QStringLiteral("twice");
    return QStringLiteral("%1 times").arg(count);
}

QString ThoroughProblem::Quantity(std::int32_t count, const QString& one, const QString& many)
{
    return QString::number(count) + u' ' + (count == 1 ? one : many);
}

QString ThoroughProblem::JoinNames(const QStringList& names)
{
    constexpr qsizetype kShown = 6;
    QStringList shown = names.mid(0, names.size() > kShown + 1 ? kShown : names.size());
    if (shown.size() < names.size())
        shown << QStringLiteral("%1 others").arg(names.size() - shown.size());
    if (shown.size() <= 1)
        return shown.value(0);
    const QString last = shown.takeLast();
    return shown.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

} // namespace belltide
