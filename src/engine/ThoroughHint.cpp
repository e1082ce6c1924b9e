#include "ThoroughHint.h"

#include "EngineLog.h"
#include "RandomIdealScheduler.h"
#include "Schedule.h"
#include "ScheduleClassroom.h"
#include "ScheduleGenerator.h"
#include "ScheduleSpecial.h"
#include "ThoroughProblem.h"
#include "engine/Index.h"

#include <algorithm>
#include <map>
#include <set>

namespace belltide {

namespace {

constexpr std::uint64_t kSeeds[] = { 1, 2, 3 };
// Each question gets this many conflicts.
constexpr std::int64_t kGuideConflicts = 20000;

} // namespace

ThoroughHint::ThoroughHint(const GenerationInputs& inputs, const std::atomic<bool>& abort)
    : mInputs(inputs)
{
    const std::int32_t slotsPerDay = inputs.SlotsPerDay;
    std::set<const ScheduleObject*> specials;
    for (const auto& special : inputs.Specials)
        specials.insert(special.get());
    for (std::uint64_t seed : kSeeds) {
        RandomIdealScheduler scheduler(seed);
        scheduler.Schedule(inputs.Classrooms, inputs.Specials, slotsPerDay, inputs.Fixed);
        if (!scheduler.ClassSchedule || abort || slotsPerDay <= 0)
            break;
        std::vector<Block> blocks;
        for (std::size_t c = 0; c < inputs.Classrooms.size(); ++c) {
            const ScheduleObject& row = *inputs.Classrooms[c];
            for (std::int32_t minute = 0, length = 0; minute < 5 * slotsPerDay; minute += std::max(length, 1)) {
                const auto item = scheduler.ClassSchedule->ScheduledItem(row, minute, length);
                if (item && specials.contains(item.get()))
                    blocks.push_back(
                        { static_cast<std::int32_t>(c), item.get(), minute / slotsPerDay, minute % slotsPerDay });
            }
        }
        if (blocks.size() > mBlocks.size())
            mBlocks = std::move(blocks);
    }
}

std::vector<ThoroughPlacement> ThoroughHint::Placements(const ThoroughProblem& problem) const
{
    std::map<const ScheduleObject*, std::int32_t> resourceOf;
    for (std::size_t k = 0; k < problem.Resources().size(); ++k) {
        for (std::int32_t input : problem.Resources()[k].Inputs)
            resourceOf[mInputs.Specials[ToIndex(input)].get()] = static_cast<std::int32_t>(k);
    }
    std::set<std::tuple<std::int32_t, std::int32_t, std::int32_t>> fixed;
    for (const ThoroughFixed& meeting : problem.FixedMeetings())
        fixed.insert({ meeting.Class, meeting.Day, meeting.Slot });
    // Class and resource to the days and the slot of their meetings; seats
    // alike are one resource.
    std::map<std::pair<std::int32_t, std::int32_t>, std::pair<std::uint32_t, std::int32_t>> meetings;
    for (const Block& block : mBlocks) {
        const auto resource = resourceOf.find(block.Special);
        if (resource == resourceOf.end() || fixed.contains({ block.Class, block.Day, block.Slot }))
            continue;
        auto& [days, slot] = meetings[{ block.Class, resource->second }];
        days |= 1u << block.Day;
        slot = block.Slot;
    }
    std::vector<ThoroughPlacement> placements;
    for (const auto& [key, meeting] : meetings) {
        const auto [classIndex, resource] = key;
        const std::int32_t subject = problem.Resources()[ToIndex(resource)].Subject;
        for (std::int32_t index : problem.Classes()[ToIndex(classIndex)].Requirements) {
            const ThoroughRequirement& base = problem.Requirements()[ToIndex(index)];
            if (base.Subject != subject)
                continue;
            std::int32_t unit = index;
            if (base.Group >= 0) {
                const ThoroughFixedGroup& group = problem.FixedGroups()[ToIndex(base.Group)];
                unit = group.Rest[!group.Pinned.empty()][!group.Others.empty()];
                if (unit < 0)
                    continue;
            }
            for (const DayPattern& pattern : problem.Unit(unit).Patterns) {
                std::uint32_t days = 0;
                for (std::int32_t day : pattern.MeetingDays())
                    days |= 1u << day;
                if (days == meeting.first)
                    placements.push_back({ unit, resource, meeting.second, &pattern });
            }
        }
    }
    return placements;
}

SatEncoding::Outcome ThoroughHint::Guide(SatEncoding& encoding, const std::vector<std::int32_t>& all,
    std::vector<ThoroughPlacement>& guide, Pace pace, const std::atomic<bool>& abort)
{
    for (int round = 0; round < pace.Rounds && !guide.empty() && !abort; ++round) {
        const SatEncoding::Outcome outcome = encoding.Solve(all, guide, kGuideConflicts, abort);
        qCDebug(lcEngine) << "with" << guide.size() << "placements held:" << static_cast<int>(outcome);
        if (outcome != SatEncoding::Outcome::None)
            return outcome;
        std::vector<ThoroughPlacement> failed = encoding.Failed(guide);
        // A proof that needs none of the held placements holds without them.
        if (failed.empty())
            return outcome;
        // Giving back every placement a proof names frees far more than
        // needed, and the next question is the harder for it.
        if (failed.size() > pace.GivenBackAtOnce)
            failed.resize(pace.GivenBackAtOnce);
        std::erase_if(guide, [&](const ThoroughPlacement& placement) {
            return std::any_of(failed.begin(), failed.end(),
                [&](const ThoroughPlacement& f) { return f.Requirement == placement.Requirement; });
        });
    }
    return SatEncoding::Outcome::Unknown;
}

} // namespace belltide
