#include "RandomIdealScheduler.h"

#include "DayPattern.h"
#include "EngineLog.h"
#include "Schedule.h"
#include "ScheduleClassroom.h"
#include "ScheduleSpecial.h"
#include "Subjects.h"
#include "engine/Index.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>

namespace belltide {

namespace {

template <typename T>
std::vector<std::shared_ptr<ScheduleObject>> AsRows(const std::vector<std::shared_ptr<T>>& objects)
{
    return { objects.begin(), objects.end() };
}

using PairKey = std::pair<std::intptr_t, std::intptr_t>;

// From pairs (room, special), one per room and no special twice: a special
// that only one room wants goes to it first, then each remaining room takes
// its first special still free. Returns positions in `pairs`, in the order
// chosen, or nothing when some room is left without one.
std::vector<std::size_t> ChooseOnePerRoom(const std::vector<PairKey>& pairs)
{
    struct RoomPairs {
        std::intptr_t Room;
        std::vector<std::pair<std::intptr_t, std::size_t>> BySpecial;
    };
    std::vector<RoomPairs> rooms;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const auto [roomKey, specialKey] = pairs[i];
        auto room = std::find_if(rooms.begin(), rooms.end(), [&](const RoomPairs& r) { return r.Room == roomKey; });
        if (room == rooms.end()) {
            rooms.push_back({ roomKey, {} });
            room = rooms.end() - 1;
        }
        auto entry = std::find_if(
            room->BySpecial.begin(), room->BySpecial.end(), [&](const auto& e) { return e.first == specialKey; });
        if (entry == room->BySpecial.end())
            room->BySpecial.emplace_back(specialKey, i);
        else
            entry->second = i;
    }
    const std::size_t roomCount = rooms.size();
    std::vector<std::size_t> chosen;

    auto wantedByOther = [&](std::size_t self, std::intptr_t special) {
        for (std::size_t other = 0; other < rooms.size(); ++other) {
            if (other != self
                && std::any_of(rooms[other].BySpecial.begin(), rooms[other].BySpecial.end(),
                    [&](const auto& e) { return e.first == special; }))
                return true;
        }
        return false;
    };
    for (std::size_t position = 0; position < rooms.size(); ++position) {
        for (const auto& [special, pair] : rooms[position].BySpecial) {
            if (!wantedByOther(position, special)) {
                chosen.push_back(pair);
                // The room sliding into this position is left for the next step.
                rooms.erase(rooms.begin() + static_cast<std::ptrdiff_t>(position));
                break;
            }
        }
    }
    for (RoomPairs& room : rooms) {
        if (room.BySpecial.empty())
            continue;
        const auto [special, pair] = room.BySpecial.front();
        chosen.push_back(pair);
        for (RoomPairs& other : rooms)
            std::erase_if(other.BySpecial, [&](const auto& e) { return e.first == special; });
    }
    if (chosen.size() != roomCount)
        return {};
    return chosen;
}

} // namespace

RandomIdealScheduler::RandomIdealScheduler() = default;

RandomIdealScheduler::RandomIdealScheduler(std::uint64_t seed)
    : mRandom(seed)
{
}

std::shared_ptr<Schedule> RandomIdealScheduler::Schedule(
    const std::vector<std::shared_ptr<ScheduleClassroom>>& classrooms,
    const std::vector<std::shared_ptr<ScheduleSpecial>>& specials, std::int32_t slotsPerDay,
    std::span<const FixedMeeting> fixed)
{
    mLastError.clear();
    const bool overSubscribed = IsOverSubscribed(classrooms, specials, slotsPerDay);
    for (const QString& reason : ClassLimits::Reasons(classrooms, specials, slotsPerDay, !fixed.empty()))
        WriteError(reason);
    if (overSubscribed || !mLastError.isEmpty())
        return nullptr;
    CreateGrids(classrooms, specials, slotsPerDay);
    if (!fixed.empty())
        PlaceFixed(fixed);
    if (!InternalDoSchedule() || Abort)
        return nullptr;
    return ClassSchedule;
}

QString RandomIdealScheduler::Error() const
{
    return mLastError;
}

void RandomIdealScheduler::WriteError(const QString& text)
{
    if (!mLastError.isEmpty())
        mLastError += u'\n';
    mLastError += text;
}

void RandomIdealScheduler::CreateGrids(const std::vector<std::shared_ptr<ScheduleClassroom>>& classrooms,
    const std::vector<std::shared_ptr<ScheduleSpecial>>& specials, std::int32_t slotsPerDay)
{
    mClassrooms = classrooms;
    mSpecials = specials;
    const std::int32_t weekSlots = 5 * std::max(slotsPerDay, 0);
    SpecialSchedule = std::make_shared<belltide::Schedule>(AsRows(specials), weekSlots);
    ClassSchedule = std::make_shared<belltide::Schedule>(AsRows(classrooms), weekSlots);
    MinutesPerDay = slotsPerDay;
    PrepareRows();
}

// Compares, subject by subject, the slots the specials offer in a week with the
// slots the classes need, and reports every subject that cannot fit.
bool RandomIdealScheduler::IsOverSubscribed(const std::vector<std::shared_ptr<ScheduleClassroom>>& classrooms,
    const std::vector<std::shared_ptr<ScheduleSpecial>>& specials, std::int32_t slotsPerDay)
{
    struct SubjectTime {
        QString Subject;
        std::int32_t Duration = 0;
        std::int32_t ReserveExtra = 0;
        std::int64_t Capacity = 0;
    };
    std::vector<SubjectTime> subjects;
    OrderedDict<std::size_t> positions;
    const std::int32_t weekSlots = 5 * std::max(slotsPerDay, 0);
    for (const auto& special : specials) {
        std::int64_t available = 0;
        for (std::int32_t minute = 0; minute < weekSlots; ++minute)
            available += special->IsAvailable(minute) ? 1 : 0;
        const std::size_t* position = positions.Find(special->Subject);
        if (!position) {
            positions.Set(special->Subject, subjects.size());
            subjects.push_back({ special->Subject, special->Duration, special->ReserveExtra, 0 });
            position = positions.Find(special->Subject);
        }
        subjects[*position].Capacity += available;
    }
    for (const SubjectTime& subject : subjects) {
        const std::int64_t length
            = std::int64_t { subject.Duration } + (IsLunchSubject(subject.Subject) ? 0 : subject.ReserveExtra);
        std::int64_t demand = 0;
        for (const auto& room : classrooms)
            demand += std::int64_t { room->SpecialAttendance(subject.Subject) } * length;
        const std::int64_t spare = subject.Capacity - demand;
        if (spare < 0) {
            WriteError(QStringLiteral("The subject \"") + subject.Subject
                + QStringLiteral("\" is being attended by too many classes, and cannot be scheduled. "
                                 "It would be over-scheduled by ")
                + QString::number(-spare * 5) + QStringLiteral(" minutes."));
        }
    }
    return !mLastError.isEmpty();
}

void RandomIdealScheduler::PrepareRows()
{
    mSpecialRows.clear();
    for (const auto& special : mSpecials) {
        SpecialRow row;
        row.Duration = special->Duration;
        row.Lunch = IsLunchSubject(special->GetSubject());
        row.ClassLength = special->Duration + special->ReserveExtra;
        // A lunch seat is kept only for the lunch; the recess happens elsewhere.
        row.SpecialLength = row.Lunch ? special->Duration : row.ClassLength;
        row.SubjectId = ClassSchedule->SubjectId(special->GetSubject());
        mSpecialRows.push_back(row);
    }
    mAttendance.clear();
    mPatterns.clear();
    mRequirements.clear();
    mRequirementStarts.clear();
    for (std::size_t room = 0; room < mClassrooms.size(); ++room) {
        mRequirementStarts.push_back(mRequirements.size());
        const ScheduleClassroom& classroom = *mClassrooms[room];
        for (const auto& special : mSpecials) {
            mAttendance.push_back(classroom.SpecialAttendance(special->GetSubject()));
            // A special too small for the class offers it no day at all.
            mPatterns.push_back(ClassLimits::Takes(*special, classroom) ? PatternsWithMeetings(mAttendance.back())
                                                                        : std::span<const DayPattern> {});
        }
        for (std::int32_t i = 0; i < classroom.SubjectCount(); ++i) {
            const QString subject = classroom.Subject(i);
            mRequirements.push_back({ static_cast<std::int32_t>(room), ClassSchedule->SubjectId(subject),
                classroom.SpecialAttendance(subject), subject });
        }
    }
    mRequirementStarts.push_back(mRequirements.size());
    mDayBusy.assign(5 * mClassrooms.size(), {});
    mFreeSlots.clear();
    for (const auto& classroom : mClassrooms)
        mFreeSlots.push_back(ClassLimits::FreeSlots(classroom->InterruptFreeTime));
    mRoomComplete.assign(mClassrooms.size(), 0);
    for (std::size_t room = 0; room < mClassrooms.size(); ++room)
        UpdateRoomComplete(static_cast<std::int32_t>(room));
}

void RandomIdealScheduler::PlaceFixed(std::span<const FixedMeeting> fixed)
{
    if (MinutesPerDay <= 0)
        return;
    // Per room and subject: fixed meetings and the days they take.
    std::map<std::pair<std::int32_t, std::int32_t>, std::pair<std::int32_t, std::uint32_t>> held;
    for (const FixedMeeting& meeting : fixed) {
        if (!IsUsable(meeting, mClassrooms, mSpecials, MinutesPerDay))
            continue;
        const auto room = ToIndex(meeting.Classroom);
        const auto special = ToIndex(meeting.Special);
        PlaceMeetings(meeting.Classroom, meeting.Special, mClassrooms[room], mSpecials[special], { meeting.Start });
        auto& [count, days] = held[{ meeting.Classroom, mSpecialRows[special].SubjectId }];
        count += 1;
        days |= 1u << (meeting.Start / MinutesPerDay);
    }
    for (const auto& [key, entry] : held) {
        const auto room = ToIndex(key.first);
        for (std::size_t special = 0; special < mSpecials.size(); ++special) {
            if (mSpecialRows[special].SubjectId != key.second)
                continue;
            const std::size_t index = room * mSpecials.size() + special;
            if (!mPatterns[index].empty())
                mPatterns[index] = RemainingPatterns(mAttendance[index] - entry.first, entry.second);
        }
    }
}

void RandomIdealScheduler::UpdateRoomComplete(std::int32_t room)
{
    const auto index = ToIndex(room);
    mRoomComplete[index] = std::all_of(mRequirements.begin() + static_cast<std::ptrdiff_t>(mRequirementStarts[index]),
        mRequirements.begin() + static_cast<std::ptrdiff_t>(mRequirementStarts[index + 1]),
        [&](const Requirement& requirement) {
            return ClassSchedule->WeekCount(room, requirement.SubjectId) >= requirement.Count;
        });
}

bool RandomIdealScheduler::ValidateSchedule()
{
    for (const Requirement& requirement : mRequirements) {
        if (ClassSchedule->WeekCount(requirement.Room, requirement.SubjectId) != requirement.Count) {
            qCDebug(lcEngine).noquote() << QStringLiteral("Invalid Schedule: ") + requirement.Subject
                    + QStringLiteral(" needed to be attended more.");
            return false;
        }
    }
    return true;
}

bool RandomIdealScheduler::IsAvailable(
    const ScheduleClassroom& room, const ScheduleSpecial& special, std::int32_t minute) const
{
    const std::int32_t roomRow = ClassSchedule ? ClassSchedule->RowIndex(room) : -1;
    const std::int32_t specialRow = SpecialSchedule ? SpecialSchedule->RowIndex(special) : -1;
    return roomRow >= 0 && specialRow >= 0 && Fits(roomRow, specialRow, minute);
}

bool RandomIdealScheduler::Fits(std::int32_t room, std::int32_t special, std::int32_t minute) const
{
    if (MinutesPerDay <= 0)
        return false;
    const SpecialRow& row = mSpecialRows[ToIndex(special)];
    const std::int32_t day = minute / MinutesPerDay;
    // Testing the slot after the block keeps it on one day, and refuses a block
    // that would end exactly at the end of the day. Same as comparing the
    // truncated quotients, with one division instead of three.
    const std::int32_t dayStart = day * MinutesPerDay;
    auto onSameDay = [&](std::int32_t after) {
        return after >= 0 ? after >= dayStart && after - dayStart < MinutesPerDay : day == 0 && after > -MinutesPerDay;
    };
    return onSameDay(minute + row.ClassLength) && onSameDay(minute + row.SpecialLength)
        && ClassSchedule->IsAvailable(room, minute, row.ClassLength)
        && SpecialSchedule->IsAvailable(special, minute, row.SpecialLength)
        && KeepsDay(room, day, minute - dayStart, minute - dayStart + row.ClassLength);
}

// The grid does not hold passing times, which the class's other blocks keep
// too; and with this block the class must still have its free stretch.
bool RandomIdealScheduler::KeepsDay(std::int32_t room, std::int32_t day, std::int32_t from, std::int32_t to) const
{
    if (day < 0 || day >= 5)
        return false;
    const auto& busy = mDayBusy[ToIndex(room) * 5 + ToIndex(day)];
    for (const ClassLimits::Stretch& stretch : busy) {
        if (from < stretch.To && stretch.From < to)
            return false;
    }
    const std::int32_t needed = mFreeSlots[ToIndex(room)];
    if (needed == 0)
        return true;
    const ScheduleClassroom& classroom = *mClassrooms[ToIndex(room)];
    // The runs between the blocks in order, the new one in its place.
    std::int32_t free = classroom.OwnDayFirst;
    const auto longEnough = [&](const ClassLimits::Stretch& next) {
        if (std::min(next.From, classroom.OwnDayEnd) - free >= needed)
            return true;
        free = std::max(free, next.To);
        return false;
    };
    bool passed = false;
    for (const ClassLimits::Stretch& stretch : busy) {
        if (!passed && from < stretch.From) {
            passed = true;
            if (longEnough({ from, to }))
                return true;
        }
        if (longEnough(stretch))
            return true;
    }
    if (!passed && longEnough({ from, to }))
        return true;
    return classroom.OwnDayEnd - free >= needed;
}

bool RandomIdealScheduler::PairHasMinuteOnDay(const ScheduleClassSpecial& pair, std::int32_t day) const
{
    if (MinutesPerDay <= 0)
        return false;
    return std::any_of(
        pair.Minutes.begin(), pair.Minutes.end(), [&](std::int32_t minute) { return minute / MinutesPerDay == day; });
}

std::vector<ScheduleClassSpecial> RandomIdealScheduler::PairsForClassSpecialCombination(
    const std::shared_ptr<ScheduleClassroom>& room, const std::shared_ptr<ScheduleSpecial>& special,
    std::int32_t minute) const
{
    std::vector<ScheduleClassSpecial> pairs;
    const std::int32_t roomRow = ClassSchedule ? ClassSchedule->RowIndex(*room) : -1;
    const std::int32_t specialRow = SpecialSchedule ? SpecialSchedule->RowIndex(*special) : -1;
    if (roomRow < 0 || specialRow < 0)
        return pairs;
    std::vector<Candidate> candidates;
    AppendPairs(roomRow, specialRow, minute, candidates);
    for (const Candidate& candidate : candidates) {
        std::vector<std::int32_t> minutes;
        for (std::int32_t day : candidate.Pattern->MeetingDays())
            minutes.push_back(candidate.Minute + DayOffset(day));
        pairs.emplace_back(room, special, std::move(minutes));
    }
    return pairs;
}

// Every weekly pattern of the room's attendance whose days all have room for
// the meeting at this slot of the day.
void RandomIdealScheduler::AppendPairs(
    std::int32_t room, std::int32_t special, std::int32_t minute, std::vector<Candidate>& pairs) const
{
    if (MinutesPerDay < minute + mSpecialRows[ToIndex(special)].Duration)
        return;
    std::array<std::int8_t, 5> fits = { -1, -1, -1, -1, -1 };
    for (const DayPattern& pattern : mPatterns[ToIndex(room) * mSpecials.size() + ToIndex(special)]) {
        const auto days = pattern.MeetingDays();
        const bool allFit = std::all_of(days.begin(), days.end(), [&](std::int32_t day) {
            auto& known = fits[ToIndex(day)];
            if (known < 0)
                known = Fits(room, special, minute + DayOffset(day)) ? 1 : 0;
            return known == 1;
        });
        if (allFit)
            pairs.push_back({ room, special, &pattern, minute });
    }
}

std::vector<ClassGroup> RandomIdealScheduler::ClassroomGroups() const
{
    std::vector<ClassGroup> groups;
    for (const std::vector<std::int32_t>& rows : GroupRows()) {
        ClassGroup& group = groups.emplace_back();
        for (std::int32_t row : rows)
            group.Classes.push_back(mClassrooms[ToIndex(row)]);
    }
    return groups;
}

std::vector<std::vector<std::int32_t>> RandomIdealScheduler::GroupRows() const
{
    std::vector<std::vector<std::int32_t>> groups;
    OrderedDict<std::size_t> byGrade;
    for (std::size_t row = 0; row < mClassrooms.size(); ++row) {
        const QString grade = mClassrooms[row]->GetSubject();
        const std::size_t* position = byGrade.Find(grade);
        if (!position) {
            byGrade.Set(grade, groups.size());
            groups.emplace_back();
            position = byGrade.Find(grade);
        }
        groups[*position].push_back(static_cast<std::int32_t>(row));
    }
    // Groups of two or three: a bigger grade is split from its end, the moved
    // classes taken last first; a lone class waits for the fill-in.
    for (std::size_t i = groups.size(); i-- > 0;) {
        while (groups[i].size() >= 4) {
            const std::size_t moved = groups[i].size() == 4 ? 2 : 3;
            std::vector<std::int32_t> split;
            for (std::size_t k = 0; k < moved; ++k) {
                split.push_back(groups[i].back());
                groups[i].pop_back();
            }
            groups.push_back(std::move(split));
        }
        if (groups[i].size() <= 1)
            groups.erase(groups.begin() + static_cast<std::ptrdiff_t>(i));
    }
    return groups;
}

std::vector<ScheduleClassSpecial> RandomIdealScheduler::GatherMatchedPairs(
    const std::vector<ScheduleClassSpecial>& matched) const
{
    std::vector<PairKey> keys;
    for (const ScheduleClassSpecial& pair : matched)
        keys.emplace_back(
            reinterpret_cast<std::intptr_t>(pair.Room.get()), reinterpret_cast<std::intptr_t>(pair.Special.get()));
    std::vector<ScheduleClassSpecial> result;
    for (std::size_t position : ChooseOnePerRoom(keys))
        result.push_back(matched[position]);
    return result;
}

void RandomIdealScheduler::SchedulePair(const ScheduleClassSpecial& pair)
{
    PlaceMeetings(ClassSchedule->RowIndex(*pair.Room), SpecialSchedule->RowIndex(*pair.Special), pair.Room,
        pair.Special, pair.Minutes);
}

void RandomIdealScheduler::Place(const Candidate& candidate)
{
    std::vector<std::int32_t> minutes;
    for (std::int32_t day : candidate.Pattern->MeetingDays())
        minutes.push_back(candidate.Minute + DayOffset(day));
    PlaceMeetings(candidate.Room, candidate.Special, mClassrooms[ToIndex(candidate.Room)],
        mSpecials[ToIndex(candidate.Special)], minutes);
}

void RandomIdealScheduler::PlaceMeetings(std::int32_t room, std::int32_t special,
    const std::shared_ptr<ScheduleClassroom>& roomObject, const std::shared_ptr<ScheduleSpecial>& specialObject,
    const std::vector<std::int32_t>& minutes)
{
    const std::int32_t duration = specialObject->Duration;
    for (std::int32_t minute : minutes) {
        ClassSchedule->ScheduleItem(room, minute, duration, specialObject);
        SpecialSchedule->ScheduleItem(special, minute, duration, roomObject);
        const std::int32_t day = MinutesPerDay > 0 ? minute / MinutesPerDay : -1;
        if (room >= 0 && day >= 0 && day < 5) {
            auto& busy = mDayBusy[ToIndex(room) * 5 + ToIndex(day)];
            const std::int32_t from = minute - day * MinutesPerDay;
            const ClassLimits::Stretch stretch { from, from + duration + std::max(specialObject->ReserveExtra, 0) };
            busy.insert(std::upper_bound(busy.begin(), busy.end(), stretch,
                            [](const auto& a, const auto& b) { return a.From < b.From; }),
                stretch);
        }
    }
    // The recess goes into the class's row only; passing time is never written.
    if (IsLunchSubject(specialObject->GetSubject())) {
        if (!mRecess) {
            mRecess = std::make_shared<ScheduleSpecial>();
            mRecess->Subject = RecessSubject();
        }
        for (std::int32_t minute : minutes)
            ClassSchedule->ScheduleItem(room, minute + duration, specialObject->ReserveExtra, mRecess);
    }
    if (room >= 0)
        UpdateRoomComplete(room);
}

bool RandomIdealScheduler::NeedsMore(std::int32_t room, std::int32_t special) const
{
    return ClassSchedule->WeekCount(room, mSpecialRows[ToIndex(special)].SubjectId) < Attendance(room, special);
}

bool RandomIdealScheduler::InternalDoSchedule()
{
    const std::vector<std::vector<std::int32_t>> allGroups = GroupRows();
    std::vector<const std::vector<std::int32_t>*> groups;
    for (const auto& group : allGroups)
        groups.push_back(&group);
    mRandom.Shuffle(groups);

    // Lunch first, then the specials; a group placed for lunch sits out the second pass.
    if (!PlaceGroupedPass(groups, true) || !PlaceGroupedPass(groups, false))
        return false;
    if (FillIn())
        return true;
    return !Abort && ValidateSchedule();
}

bool RandomIdealScheduler::PlaceGroupedPass(std::vector<const std::vector<std::int32_t>*>& groups, bool lunch)
{
    for (std::int32_t minute = MinutesPerDay - 1; minute >= 0; --minute) {
        if (Abort)
            return false;
        if (groups.empty())
            break;
        std::vector<const std::vector<std::int32_t>*> order = groups;
        mRandom.Shuffle(order);
        for (const auto* group : order) {
            if (Abort)
                return false;
            if (PlaceGroup(*group, minute, lunch))
                std::erase(groups, group);
        }
    }
    return true;
}

// Most meetings a week first: places, for each class of the group that has a
// candidate on the first pattern that serves all such classes, one pair.
bool RandomIdealScheduler::PlaceGroup(const std::vector<std::int32_t>& group, std::int32_t minute, bool lunch)
{
    std::vector<Candidate> candidates;
    for (std::int32_t room : group) {
        if (mRoomComplete[ToIndex(room)])
            continue;
        for (std::size_t special = 0; special < mSpecials.size(); ++special) {
            const auto row = static_cast<std::int32_t>(special);
            if (mSpecialRows[special].Lunch == lunch && NeedsMore(room, row))
                AppendPairs(room, row, minute, candidates);
        }
    }
    if (candidates.empty())
        return false;
    std::vector<const Candidate*> matched;
    std::vector<PairKey> keys;
    for (std::int32_t meetings = 5; meetings >= 1; --meetings) {
        std::vector<const DayPattern*> patterns;
        for (const DayPattern& pattern : PatternsWithMeetings(meetings))
            patterns.push_back(&pattern);
        mRandom.Shuffle(patterns);
        for (const DayPattern* pattern : patterns) {
            matched.clear();
            keys.clear();
            for (const Candidate& candidate : candidates) {
                // By code: a class completing fixed meetings has copies of the patterns.
                if (candidate.Pattern->Code == pattern->Code) {
                    matched.push_back(&candidate);
                    keys.emplace_back(candidate.Room, candidate.Special);
                }
            }
            if (matched.empty())
                continue;
            const std::vector<std::size_t> chosen = ChooseOnePerRoom(keys);
            if (chosen.empty())
                continue;
            for (std::size_t position : chosen)
                Place(*matched[position]);
            return true;
        }
    }
    return false;
}

// Class by class in random order, latest start first; returns as soon as every
// class has all it needs.
bool RandomIdealScheduler::FillIn()
{
    std::vector<std::int32_t> rooms(mClassrooms.size());
    std::vector<Candidate> pairs;
    for (std::int32_t minute = MinutesPerDay - 1; minute >= 0; --minute) {
        if (Abort)
            return false;
        for (std::size_t i = 0; i < rooms.size(); ++i)
            rooms[i] = static_cast<std::int32_t>(i);
        mRandom.Shuffle(rooms);
        for (std::int32_t room : rooms) {
            if (mRoomComplete[ToIndex(room)])
                continue;
            for (std::size_t special = 0; special < mSpecials.size(); ++special) {
                const auto row = static_cast<std::int32_t>(special);
                if (!NeedsMore(room, row))
                    continue;
                pairs.clear();
                AppendPairs(room, row, minute, pairs);
                mRandom.Shuffle(pairs);
                if (pairs.empty())
                    continue;
                Place(pairs.front());
                if (ValidateSchedule())
                    return true;
                break;
            }
        }
    }
    return false;
}

} // namespace belltide
