#pragma once

#include "engine/ClassGroup.h"
#include "engine/ClassLimits.h"
#include "engine/DayPattern.h"
#include "engine/FixedMeeting.h"
#include "engine/Index.h"
#include "engine/RandomSequence.h"
#include "engine/ScheduleClassSpecial.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace belltide {

class Schedule;
class ScheduleClassroom;
class ScheduleSpecial;

// One randomised greedy attempt at a week of lunches and specials. Grade groups
// are placed together so that their classes attend different specials at the
// same time; whatever is left is filled in class by class. Nothing placed is
// ever taken back, so attempts differ only by the order chance gives them.
class RandomIdealScheduler {
public:
    RandomIdealScheduler();
    explicit RandomIdealScheduler(std::uint64_t seed);

    // The class schedule, or nothing when the attempt failed or was aborted.
    // The grids start out holding the fixed meetings that can be held at all;
    // the search places only what they leave missing and never moves them.
    std::shared_ptr<belltide::Schedule> Schedule(const std::vector<std::shared_ptr<ScheduleClassroom>>& classrooms,
        const std::vector<std::shared_ptr<ScheduleSpecial>>& specials, std::int32_t slotsPerDay,
        std::span<const FixedMeeting> fixed = {});

    // Why the last attempt could not start; empty when the search simply failed.
    QString Error() const;
    void WriteError(const QString& text);
    bool ValidateSchedule();

    // Fresh grids for an attempt over these inputs.
    void CreateGrids(const std::vector<std::shared_ptr<ScheduleClassroom>>& classrooms,
        const std::vector<std::shared_ptr<ScheduleSpecial>>& specials, std::int32_t slotsPerDay);

    // Writes the fixed meetings into fresh grids; a class then needs, of each
    // subject, only its attendance less the fixed meetings, on other days.
    void PlaceFixed(std::span<const FixedMeeting> fixed);

    // Writes a pair's meetings into the grids (the thorough search's writer too).
    void SchedulePair(const ScheduleClassSpecial& pair);
    bool InternalDoSchedule();

    // Kept for their tests only: the search works on row numbers instead
    // (Fits, AppendPairs, GroupRows). They answer the same questions about
    // objects, so the tests pin down what the row-number code must agree with.
    bool IsAvailable(const ScheduleClassroom& room, const ScheduleSpecial& special, std::int32_t minute) const;
    bool PairHasMinuteOnDay(const ScheduleClassSpecial& pair, std::int32_t day) const;
    std::vector<ScheduleClassSpecial> PairsForClassSpecialCombination(const std::shared_ptr<ScheduleClassroom>& room,
        const std::shared_ptr<ScheduleSpecial>& special, std::int32_t minute) const;
    std::vector<ClassGroup> ClassroomGroups() const;
    std::vector<ScheduleClassSpecial> GatherMatchedPairs(const std::vector<ScheduleClassSpecial>& matched) const;

    std::atomic<bool> Abort { false };
    std::shared_ptr<belltide::Schedule> ClassSchedule;
    std::shared_ptr<belltide::Schedule> SpecialSchedule;
    // Slots in a school day; day d of the week starts at slot d × MinutesPerDay.
    std::int32_t MinutesPerDay = 0;

private:
    // What the search asks about a special row, worked out once per attempt.
    struct SpecialRow {
        std::int32_t Duration = 0;
        std::int32_t ClassLength = 0;
        std::int32_t SpecialLength = 0;
        std::int32_t SubjectId = 0;
        bool Lunch = false;
    };
    // One weekly count a class must reach, in the order validation checks them.
    struct Requirement {
        std::int32_t Room = 0;
        std::int32_t SubjectId = 0;
        std::int32_t Count = 0;
        QString Subject;
    };
    // A pair by row numbers: meetings at day slot Minute on each day of Pattern.
    struct Candidate {
        std::int32_t Room = 0;
        std::int32_t Special = 0;
        const DayPattern* Pattern = nullptr;
        std::int32_t Minute = 0;
    };

    bool IsOverSubscribed(const std::vector<std::shared_ptr<ScheduleClassroom>>& classrooms,
        const std::vector<std::shared_ptr<ScheduleSpecial>>& specials, std::int32_t slotsPerDay);
    bool BreaksClassLimits(const std::vector<std::shared_ptr<ScheduleClassroom>>& classrooms,
        const std::vector<std::shared_ptr<ScheduleSpecial>>& specials, std::int32_t slotsPerDay, bool anyFixed);
    void PrepareRows();
    std::int32_t DayOffset(std::int32_t day) const { return day * MinutesPerDay; }
    std::int32_t Attendance(std::int32_t room, std::int32_t special) const
    {
        return mAttendance[ToIndex(room) * mSpecials.size() + ToIndex(special)];
    }
    bool NeedsMore(std::int32_t room, std::int32_t special) const;
    void UpdateRoomComplete(std::int32_t room);
    bool Fits(std::int32_t room, std::int32_t special, std::int32_t minute) const;
    bool KeepsDay(std::int32_t room, std::int32_t day, std::int32_t from, std::int32_t to) const;
    void AppendPairs(std::int32_t room, std::int32_t special, std::int32_t minute, std::vector<Candidate>& pairs) const;
    std::vector<std::vector<std::int32_t>> GroupRows() const;
    void Place(const Candidate& candidate);
    void PlaceMeetings(std::int32_t room, std::int32_t special, const std::shared_ptr<ScheduleClassroom>& roomObject,
        const std::shared_ptr<ScheduleSpecial>& specialObject, const std::vector<std::int32_t>& minutes);
    bool PlaceGroupedPass(std::vector<const std::vector<std::int32_t>*>& groups, bool lunch);
    bool PlaceGroup(const std::vector<std::int32_t>& group, std::int32_t minute, bool lunch);
    bool FillIn();

    QString mLastError;
    RandomSequence mRandom;
    std::vector<std::shared_ptr<ScheduleClassroom>> mClassrooms;
    std::vector<std::shared_ptr<ScheduleSpecial>> mSpecials;
    std::vector<SpecialRow> mSpecialRows;
    // [room × special count + special]: how often the room attends that special's subject.
    std::vector<std::int32_t> mAttendance;
    // [room × special count + special]: the day patterns left for what is missing.
    std::vector<std::span<const DayPattern>> mPatterns;
    std::vector<Requirement> mRequirements;
    // Where each room's requirements begin in mRequirements (one extra at the end).
    std::vector<std::size_t> mRequirementStarts;
    // Rooms that have at least their count of every subject; nothing more is
    // placed for them, so the search can pass them by.
    std::vector<std::uint8_t> mRoomComplete;
    // [room × 5 + day]: the stretches of the class's day its meetings keep,
    // passing time and recess included, in order.
    std::vector<std::vector<ClassLimits::Stretch>> mDayBusy;
    // By room: the slots it keeps free every day (0: none asked).
    std::vector<std::int32_t> mFreeSlots;
    // The block written after each lunch; one per scheduler so that its grid
    // gives every recess the same item.
    std::shared_ptr<ScheduleSpecial> mRecess;
};

} // namespace belltide
