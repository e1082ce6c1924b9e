// School::CreateSchedulingClasses lives with the engine, which owns the types it builds.

#include "model/School.h"

#include "ScheduleClassroom.h"
#include "ScheduleSpecial.h"
#include "Subjects.h"
#include "model/Classroom.h"
#include "model/SpecialClass.h"

#include <algorithm>

namespace belltide {

namespace {

// Minutes after the day start as a slot, truncated toward zero.
std::int32_t SlotOf(std::int32_t time, std::int32_t dayStart)
{
    return static_cast<std::int32_t>((std::int64_t { time } - dayStart) / 5);
}

// Same as asking the special about every place of the week, without building a
// key per place: a place is available unless a mark under its key says not, and
// marks under any other key are never read.
void CopyAvailability(
    const SpecialClass& special, ScheduleSpecial& input, std::int32_t slotsPerDay, std::int32_t firstSlot)
{
    for (std::int32_t day = 0; day < 5; ++day) {
        for (std::int32_t slot = firstSlot; slot < slotsPerDay; ++slot)
            input.IsAvailable(day * slotsPerDay + slot, true);
    }
    for (const auto& [key, available] : special.Availability().Entries()) {
        const qsizetype separator = key.indexOf(u'$');
        if (available || separator < 0)
            continue;
        bool dayOk = false;
        bool slotOk = false;
        const int day = key.left(separator).toInt(&dayOk);
        const int slot = key.mid(separator + 1).toInt(&slotOk);
        if (!dayOk || !slotOk || SpecialClass::DayMinuteToKey(day, slot) != key)
            continue;
        if (day >= 0 && day < 5 && slot >= firstSlot && slot < slotsPerDay)
            input.IsAvailable(day * slotsPerDay + slot, false);
    }
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

std::int64_t CeilDiv(std::int64_t a, std::int64_t b)
{
    return -FloorDiv(-a, b);
}

} // namespace

void School::CreateSchedulingClasses(std::vector<std::shared_ptr<ScheduleClassroom>>& classrooms,
    std::vector<std::shared_ptr<ScheduleSpecial>>& specials)
{
    const std::int32_t slotsPerDay = SlotOf(DayEndAt, DayStartAt);
    const std::int32_t weekSize = 5 * slotsPerDay + 1;
    const std::int32_t specialStart = SlotOf(SpecialStartAt, DayStartAt);
    const std::int32_t lunchStart = SlotOf(LunchStartAt, DayStartAt);
    const std::int32_t lunchEnd = SlotOf(LunchEndAt, DayStartAt);

    ScheduleSpecialMap.clear();
    for (const auto& special : Specials) {
        auto input = std::make_shared<ScheduleSpecial>();
        specials.insert(specials.begin(), input);
        input->Tag = special;
        ScheduleSpecialMap[special] = input;
        input->SizeAvailability(weekSize);
        CopyAvailability(*special, *input, slotsPerDay, std::max(specialStart, 0));
        input->ReserveExtra = special->OverlapTime / 5;
        input->Subject = special->Title;
        input->Teacher = special->Teacher;
        input->Duration = special->Duration / 5;
        input->MaxNumberOfStudents = special->MaxStudents;
    }

    ScheduleClassMap.clear();
    for (const auto& classroom : Classes) {
        auto input = std::make_shared<ScheduleClassroom>();
        input->Tag = classroom;
        input->Grade = classroom->Grade;
        input->Teacher = classroom->Teacher;
        input->DayStart = classroom->DayStart;
        input->DayEnd = classroom->DayEnd;
        ScheduleClassMap[classroom] = input;
        input->SizeAvailability(weekSize);
        for (const auto& special : Specials) {
            const std::int32_t count = classroom->AttendCount(special->Title);
            if (count > 0)
                input->SpecialAttendance(special->Title, count);
        }
        input->SpecialAttendance(LunchSubject(), 5);
        // The class is at school from its own start to its own end, inside the
        // school day; nothing ends in the school day's last slot.
        const std::int64_t first
            = std::clamp<std::int64_t>(CeilDiv(std::int64_t { classroom->DayStart } - DayStartAt, 5), 0, slotsPerDay);
        const std::int64_t end = std::clamp<std::int64_t>(
            FloorDiv(std::int64_t { classroom->DayEnd } - DayStartAt, 5), 0, std::max(slotsPerDay - 1, 0));
        for (std::int32_t day = 0; day < 5; ++day) {
            for (std::int64_t slot = first; slot < end; ++slot)
                input->IsAvailable(day * slotsPerDay + std::int32_t(slot), true);
        }
        input->NumberOfStudents = classroom->NumberOfStudents;
        // Its uninterrupted time may reach into the school day's last slot,
        // where no meeting ends.
        input->InterruptFreeTime = std::max(InterruptFreeTime, 0);
        input->OwnDayFirst = std::int32_t(first);
        input->OwnDayEnd = std::int32_t(
            std::clamp<std::int64_t>(FloorDiv(std::int64_t { classroom->DayEnd } - DayStartAt, 5), first, slotsPerDay));
        classrooms.push_back(input);
    }

    for (std::int32_t seat = 1; seat <= LunchMaxClasses; ++seat) {
        auto input = std::make_shared<ScheduleSpecial>();
        input->Subject = LunchSubject();
        input->ExtraSubject = RecessSubject();
        input->Duration = LunchTime / 5;
        input->ReserveExtra = LunchRecessTime / 5;
        input->SizeAvailability(weekSize);
        for (std::int32_t day = 0; day < 5; ++day) {
            for (std::int32_t slot = std::max(lunchStart, 0); slot <= lunchEnd && slot < slotsPerDay; ++slot)
                input->IsAvailable(day * slotsPerDay + slot, true);
        }
        specials.push_back(input);
    }
}

} // namespace belltide
