#include "ThoroughWriter.h"

#include "RandomIdealScheduler.h"
#include "Schedule.h"
#include "ScheduleClassSpecial.h"
#include "ScheduleGenerator.h"
#include "ThoroughProblem.h"
#include "engine/Index.h"

#include <algorithm>
#include <map>

namespace belltide {

namespace {

// A lunch to seat on one day: where it starts and the seat it holds, if fixed.
struct Lunch {
    std::int32_t Start;
    std::int32_t Seat;
    std::int32_t Room;
    std::int32_t Chosen = -1;
    // The seat the class had on an earlier day, tried first.
    std::int32_t Preferred = -1;
};

// Lunches of one day onto seats alike, none sharing a seat at one time. Fixed
// lunches keep their seats when the others can be seated around them; else
// every lunch is seated by start time (keeping its seat when free), which
// always succeeds while no slot has more lunches than seats.
bool SeatLunches(std::vector<Lunch>& lunches, std::int32_t seats, std::int32_t length)
{
    std::stable_sort(lunches.begin(), lunches.end(), [](const Lunch& a, const Lunch& b) { return a.Start < b.Start; });
    auto seat = [&](bool keepFixed) {
        std::vector<std::vector<std::pair<std::int32_t, std::int32_t>>> taken(ToIndex(seats));
        auto free = [&](std::int32_t s, std::int32_t start) {
            return std::none_of(taken[ToIndex(s)].begin(), taken[ToIndex(s)].end(),
                [&](const auto& t) { return start < t.second && t.first < start + length; });
        };
        for (Lunch& lunch : lunches) {
            if (!keepFixed || lunch.Seat < 0)
                continue;
            // Fixed lunches on one seat at one time cannot both keep it.
            if (lunch.Seat >= seats || !free(lunch.Seat, lunch.Start))
                return false;
            taken[ToIndex(lunch.Chosen = lunch.Seat)].emplace_back(lunch.Start, lunch.Start + length);
        }
        for (Lunch& lunch : lunches) {
            if (keepFixed && lunch.Seat >= 0)
                continue;
            lunch.Chosen = -1;
            for (const std::int32_t wanted : { lunch.Seat, lunch.Preferred }) {
                if (lunch.Chosen < 0 && wanted >= 0 && free(wanted, lunch.Start))
                    lunch.Chosen = wanted;
            }
            for (std::int32_t s = 0; s < seats && lunch.Chosen < 0; ++s) {
                if (free(s, lunch.Start))
                    lunch.Chosen = s;
            }
            if (lunch.Chosen < 0)
                return false;
            taken[ToIndex(lunch.Chosen)].emplace_back(lunch.Start, lunch.Start + length);
        }
        return true;
    };
    return seat(true) || seat(false);
}

} // namespace

std::shared_ptr<Schedule> ThoroughWriter::Write(const GenerationInputs& inputs, const ThoroughProblem& problem,
    const std::vector<ThoroughPlacement>& placements, const std::vector<std::uint8_t>& keptFixed)
{
    RandomIdealScheduler writer;
    writer.CreateGrids(inputs.Classrooms, inputs.Specials, inputs.SlotsPerDay);
    const std::int32_t slotsPerDay = problem.SlotsPerDay();
    // Every meeting by day; lunches on seats alike wait for their seats.
    std::map<std::pair<std::int32_t, std::int32_t>, std::vector<Lunch>> lunches;
    auto add = [&](std::int32_t room, std::int32_t resource, std::int32_t special, std::int32_t day, std::int32_t start,
                   bool fixed) {
        const ThoroughResource& entry = problem.Resources()[ToIndex(resource)];
        if (entry.Capacity > 1) {
            const auto& seats = entry.Inputs;
            const auto seat = fixed ? std::find(seats.begin(), seats.end(), special) - seats.begin() : -1;
            lunches[{ resource, day }].push_back({ start, static_cast<std::int32_t>(seat), room });
            return;
        }
        writer.SchedulePair(ScheduleClassSpecial(
            inputs.Classrooms[ToIndex(room)], inputs.Specials[ToIndex(special)], { day * slotsPerDay + start }));
    };
    for (std::size_t i = 0; i < keptFixed.size(); ++i) {
        const ThoroughFixed& meeting = problem.FixedMeetings()[i];
        if (keptFixed[i])
            add(meeting.Class, meeting.Resource, meeting.Special, meeting.Day, meeting.Slot, true);
    }
    for (const ThoroughPlacement& placement : placements) {
        const ThoroughRequirement& requirement = problem.Unit(placement.Requirement);
        const ThoroughResource& resource = problem.Resources()[ToIndex(placement.Resource)];
        if (!placement.Pattern)
            return nullptr;
        for (std::int32_t day : placement.Pattern->MeetingDays())
            add(problem.Classes()[ToIndex(requirement.Class)].Input, placement.Resource, resource.Inputs[0], day,
                placement.Start, false);
    }
    // Days in order, each class offered the seat it had the day before.
    std::map<std::pair<std::int32_t, std::int32_t>, std::int32_t> seatOf;
    for (auto& [key, day] : lunches) {
        const ThoroughResource& resource = problem.Resources()[ToIndex(key.first)];
        for (Lunch& lunch : day) {
            const auto known = seatOf.find({ key.first, lunch.Room });
            lunch.Preferred = known == seatOf.end() ? -1 : known->second;
        }
        if (!SeatLunches(day, static_cast<std::int32_t>(resource.Inputs.size()), resource.SpecialLength))
            return nullptr;
        for (const Lunch& lunch : day) {
            seatOf[{ key.first, lunch.Room }] = lunch.Chosen;
            writer.SchedulePair(ScheduleClassSpecial(inputs.Classrooms[ToIndex(lunch.Room)],
                inputs.Specials[ToIndex(resource.Inputs[ToIndex(lunch.Chosen)])],
                { key.second * slotsPerDay + lunch.Start }));
        }
    }
    if (!writer.ValidateSchedule())
        return nullptr;
    return writer.ClassSchedule;
}

} // namespace belltide
