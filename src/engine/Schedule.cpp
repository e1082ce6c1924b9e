#include "Schedule.h"

#include "ScheduleObject.h"
#include "engine/Index.h"

#include <algorithm>
#include <utility>

namespace belltide {

Schedule::Schedule(std::vector<std::shared_ptr<ScheduleObject>> objects, std::int32_t minutes)
    : mMinutes(std::max(minutes, 0))
    , mClasses(std::move(objects))
{
    const auto rows = static_cast<std::int32_t>(mClasses.size());
    mCells.assign(ToIndex(rows) * ToIndex(mMinutes), 0);
    mAvailable.assign(mCells.size(), 0);
    for (std::int32_t row = 0; row < rows; ++row) {
        const ScheduleObject& object = *mClasses[ToIndex(row)];
        mClassHash.emplace(&object, row);
        for (std::int32_t minute = 0; minute < mMinutes; ++minute) {
            const bool available = object.IsAvailable(minute);
            mAvailable[At(row, minute)] = available ? 1 : 0;
            mCells[At(row, minute)] = available ? 0 : -1;
        }
    }
    mFreeRuns.assign(mCells.size(), 0);
    for (std::int32_t row = 0; row < rows; ++row)
        UpdateFreeRuns(row, 0, mMinutes);
}

void Schedule::UpdateFreeRuns(std::int32_t row, std::int32_t first, std::int32_t end)
{
    std::int32_t minute = end - 1;
    std::int32_t run = end < mMinutes ? mFreeRuns[At(row, end)] : 0;
    for (; minute >= first; --minute) {
        run = mAvailable[At(row, minute)] ? run + 1 : 0;
        mFreeRuns[At(row, minute)] = run;
    }
    // Cells before the write that led into it see a different run now.
    for (; minute >= 0 && mAvailable[At(row, minute)]; --minute)
        mFreeRuns[At(row, minute)] = ++run;
}

std::int32_t Schedule::RowIndex(const ScheduleObject& object) const
{
    auto it = mClassHash.find(&object);
    return it == mClassHash.end() ? -1 : it->second;
}

std::int32_t Schedule::Cell(std::int32_t row, std::int32_t minute) const
{
    return mCells[At(row, minute)];
}

const IntegerArray* Schedule::SubjectItems(const QString& subject) const
{
    return mSubjectHash.Find(subject);
}

bool Schedule::IsAvailable(const ScheduleObject& object, std::int32_t start, std::int32_t length) const
{
    return IsAvailable(RowIndex(object), start, length);
}

bool Schedule::IsAvailable(std::int32_t row, std::int32_t start, std::int32_t length) const
{
    if (row < 0 || start < 0 || std::int64_t { start } + length - 1 > mMinutes - 1)
        return false;
    return length <= 0 || mFreeRuns[At(row, start)] >= length;
}

bool Schedule::IsAvailable(
    const ScheduleObject& object, std::int32_t start, std::int32_t length, std::int32_t& nextStart) const
{
    const std::int32_t row = RowIndex(object);
    if (!IsAvailable(row, start, length)) {
        // The run stops at its first cell that is not available.
        if (row >= 0 && start >= 0 && std::int64_t { start } + length - 1 <= mMinutes - 1)
            nextStart = start + mFreeRuns[At(row, start)] + 1;
        return false;
    }
    return true;
}

std::int32_t Schedule::FindSubjectId(const QString& subject) const
{
    const std::int32_t* id = mSubjectIds.Find(subject);
    return id ? *id : -1;
}

std::int32_t Schedule::SubjectId(const QString& subject)
{
    const std::int32_t existing = FindSubjectId(subject);
    if (existing >= 0)
        return existing;
    const auto id = static_cast<std::int32_t>(mWeekCounts.size());
    mSubjectIds.Set(subject, id);
    mWeekCounts.emplace_back(mClasses.size(), 0);
    return id;
}

std::int32_t Schedule::ItemNumber(const std::shared_ptr<ScheduleObject>& item)
{
    auto it = mSOHash.find(item.get());
    if (it != mSOHash.end())
        return it->second;
    mSOs.push_back(item);
    const auto number = static_cast<std::int32_t>(mSOs.size());
    mSOHash.emplace(item.get(), number);
    const QString subject = item->GetSubject();
    IntegerArray numbers;
    if (const IntegerArray* existing = mSubjectHash.Find(subject))
        numbers = *existing;
    numbers.arr.push_back(number);
    mSubjectHash.Set(subject, std::move(numbers));
    mItemSubjects.push_back(SubjectId(subject));
    return number;
}

std::int32_t Schedule::MeetingStarts(
    std::int32_t row, std::int32_t subjectId, std::int32_t first, std::int32_t last) const
{
    std::int32_t starts = 0;
    bool previous = first > 0 && IsOfSubject(mCells[At(row, first - 1)], subjectId);
    for (std::int32_t minute = first; minute <= last; ++minute) {
        const bool current = IsOfSubject(mCells[At(row, minute)], subjectId);
        starts += current && !previous ? 1 : 0;
        previous = current;
    }
    return starts;
}

void Schedule::ScheduleItem(
    const ScheduleObject& object, std::int32_t start, std::int32_t length, const std::shared_ptr<ScheduleObject>& item)
{
    ScheduleItem(RowIndex(object), start, length, item);
}

void Schedule::ScheduleItem(
    std::int32_t row, std::int32_t start, std::int32_t length, const std::shared_ptr<ScheduleObject>& item)
{
    if (row < 0)
        return;
    const std::int32_t number = item ? ItemNumber(item) : 0;
    const std::int32_t first = std::max(start, 0);
    const auto end = static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t { start } + length, mMinutes));
    if (first >= end)
        return;

    // A write can only start or end meetings from its first slot to the slot
    // after it, so the week counts are corrected over that stretch alone.
    std::vector<std::int32_t> touched;
    if (number > 0)
        touched.push_back(mItemSubjects[ToIndex(number - 1)]);
    for (std::int32_t minute = first; minute < end; ++minute) {
        const std::int32_t cell = mCells[At(row, minute)];
        if (cell > 0) {
            const std::int32_t subject = mItemSubjects[ToIndex(cell - 1)];
            if (std::find(touched.begin(), touched.end(), subject) == touched.end())
                touched.push_back(subject);
        }
    }
    const std::int32_t last = std::min(end, mMinutes - 1);
    for (std::int32_t subject : touched)
        mWeekCounts[ToIndex(subject)][ToIndex(row)] -= MeetingStarts(row, subject, first, last);
    for (std::int32_t minute = first; minute < end; ++minute) {
        mCells[At(row, minute)] = number;
        mAvailable[At(row, minute)] = item ? 0 : 1;
    }
    UpdateFreeRuns(row, first, end);
    for (std::int32_t subject : touched)
        mWeekCounts[ToIndex(subject)][ToIndex(row)] += MeetingStarts(row, subject, first, last);
}

std::shared_ptr<ScheduleObject> Schedule::ScheduledItem(
    const ScheduleObject& object, std::int32_t minute, std::int32_t& length) const
{
    const std::int32_t row = RowIndex(object);
    if (row < 0)
        return nullptr;
    const std::int32_t number = minute >= 0 && minute < mMinutes ? mCells[At(row, minute)] : -1;
    if (number <= 0) {
        length = -1;
        return nullptr;
    }
    std::int32_t end = minute + 1;
    while (end < mMinutes && mCells[At(row, end)] == number)
        ++end;
    length = end - minute;
    return mSOs[ToIndex(number - 1)];
}

std::int32_t Schedule::ScheduledCount(
    const ScheduleObject& object, const QString& subject, std::int32_t start, std::int32_t end) const
{
    const std::int32_t row = RowIndex(object);
    const std::int32_t subjectId = FindSubjectId(subject);
    if (row < 0 || subjectId < 0 || mMinutes == 0)
        return 0;
    if (end < 0 || end > mMinutes - 1)
        end = mMinutes - 1;
    start = std::max(start, 0);
    if (start == 0 && end == mMinutes - 1)
        return WeekCount(row, subjectId);
    if (start > end)
        return 0;
    // A meeting already running at start counts too.
    return MeetingStarts(row, subjectId, start, end)
        + (start > 0 && IsOfSubject(mCells[At(row, start)], subjectId)
                    && IsOfSubject(mCells[At(row, start - 1)], subjectId)
                ? 1
                : 0);
}

std::shared_ptr<ScheduleObject> Schedule::Heading(std::int32_t index) const
{
    if (index < 0 || index >= HeadingCount())
        return nullptr;
    return mClasses[ToIndex(index)];
}

std::int32_t Schedule::HeadingCount() const
{
    return static_cast<std::int32_t>(mClasses.size());
}

} // namespace belltide
