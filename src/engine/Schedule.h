#pragma once

#include "engine/Index.h"
#include "engine/IntegerArray.h"
#include "model/OrderedDict.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace belltide {

class ScheduleObject;

// A week grid: one row per schedule object, one column per 5-minute week slot.
// A cell holds 0 when free, -1 when its row object is not available there, or
// the item number (1, 2, ...) of the object placed in it. The class schedule is
// the finished timetable; the scheduler keeps a special schedule beside it.
class Schedule {
public:
    Schedule(std::vector<std::shared_ptr<ScheduleObject>> objects, std::int32_t minutes);

    // Whether start..start+length-1 lies inside the week and is free in the object's row.
    bool IsAvailable(const ScheduleObject& object, std::int32_t start, std::int32_t length) const;
    // The same; when a cell in the run is taken, nextStart gets the slot after it.
    bool IsAvailable(
        const ScheduleObject& object, std::int32_t start, std::int32_t length, std::int32_t& nextStart) const;

    // Writes item over the run, or frees the run when item is empty. Writes are
    // not checked against what the cells held.
    void ScheduleItem(const ScheduleObject& object, std::int32_t start, std::int32_t length,
        const std::shared_ptr<ScheduleObject>& item);

    // The object placed at minute and how many slots from there it keeps its
    // cell; length is -1 for a free or unavailable cell.
    std::shared_ptr<ScheduleObject> ScheduledItem(
        const ScheduleObject& object, std::int32_t minute, std::int32_t& length) const;

    // Separate meetings of subject between start and end inclusive; end < 0
    // means the end of the week. Meetings that touch count as one.
    std::int32_t ScheduledCount(
        const ScheduleObject& object, const QString& subject, std::int32_t start, std::int32_t end) const;

    std::shared_ptr<ScheduleObject> Heading(std::int32_t index) const;
    std::int32_t HeadingCount() const;

    std::int32_t MinuteCount() const { return mMinutes; }
    // -1 for an object without a row.
    std::int32_t RowIndex(const ScheduleObject& object) const;
    // The raw cell: 0 free, -1 unavailable, else an item number.
    std::int32_t Cell(std::int32_t row, std::int32_t minute) const;
    // Item numbers of the objects placed with this subject, in order of first placement.
    const IntegerArray* SubjectItems(const QString& subject) const;

    // Row-index forms for the search, which knows its rows and asks often.
    bool IsAvailable(std::int32_t row, std::int32_t start, std::int32_t length) const;
    void ScheduleItem(
        std::int32_t row, std::int32_t start, std::int32_t length, const std::shared_ptr<ScheduleObject>& item);
    // A number standing for the subject in WeekCount; given before first use.
    std::int32_t SubjectId(const QString& subject);
    // ScheduledCount over the whole week, kept up to date by every write.
    std::int32_t WeekCount(std::int32_t row, std::int32_t subjectId) const
    {
        return mWeekCounts[ToIndex(subjectId)][ToIndex(row)];
    }

private:
    std::size_t At(std::int32_t row, std::int32_t minute) const
    {
        return ToIndex(row) * ToIndex(mMinutes) + ToIndex(minute);
    }
    std::int32_t ItemNumber(const std::shared_ptr<ScheduleObject>& item);
    bool IsOfSubject(std::int32_t cell, std::int32_t subjectId) const
    {
        return cell > 0 && mItemSubjects[ToIndex(cell - 1)] == subjectId;
    }
    // Meetings of the subject that begin in first..last.
    std::int32_t MeetingStarts(std::int32_t row, std::int32_t subjectId, std::int32_t first, std::int32_t last) const;
    std::int32_t FindSubjectId(const QString& subject) const;
    // Recomputes the free runs that a write over first..end-1 may have changed.
    void UpdateFreeRuns(std::int32_t row, std::int32_t first, std::int32_t end);

    std::int32_t mMinutes = 0;
    std::vector<std::int32_t> mCells;
    std::vector<std::shared_ptr<ScheduleObject>> mClasses;
    std::unordered_map<const ScheduleObject*, std::int32_t> mClassHash;
    // Item number k is mSOs[k - 1].
    std::vector<std::shared_ptr<ScheduleObject>> mSOs;
    std::unordered_map<const ScheduleObject*, std::int32_t> mSOHash;
    std::vector<std::uint8_t> mAvailable;
    // Available cells in a row from each cell on, so a run is tested in one look.
    std::vector<std::int32_t> mFreeRuns;
    OrderedDict<IntegerArray> mSubjectHash;
    // Subject id of each item, and per subject id the separate meetings in each row.
    std::vector<std::int32_t> mItemSubjects;
    OrderedDict<std::int32_t> mSubjectIds;
    std::vector<std::vector<std::int32_t>> mWeekCounts;
};

} // namespace belltide
