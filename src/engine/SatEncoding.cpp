#include "SatEncoding.h"

#include "ThoroughProblem.h"
#include "engine/Index.h"

#include <cadical.hpp>

#include <algorithm>
#include <bit>
#include <map>

namespace belltide {

namespace {

class AbortTerminator : public CaDiCaL::Terminator {
public:
    explicit AbortTerminator(const std::atomic<bool>& abort)
        : mAbort(abort)
    {
    }
    bool terminate() override { return mAbort.load(std::memory_order_relaxed); }

private:
    const std::atomic<bool>& mAbort;
};

std::uint32_t DayMask(const DayPattern& pattern)
{
    std::uint32_t mask = 0;
    for (std::int32_t day : pattern.MeetingDays())
        mask |= 1u << day;
    return mask;
}

} // namespace

SatEncoding::SatEncoding(const ThoroughProblem& problem)
    : mProblem(problem)
    , mTrue(mCnf.True())
{
    // A meeting not yet chosen is taken as not held: most ways stay unused.
    mCnf.Solver().set("phase", 0);
}

SatEncoding::~SatEncoding() = default;

int SatEncoding::OrderLiteral(const RequirementVariables& variables, std::int32_t slot) const
{
    if (slot > variables.Hi)
        return -mTrue;
    return variables.Order[ToIndex(std::max(slot - variables.Lo, 0))];
}

bool SatEncoding::Build(const std::atomic<bool>& abort, const std::function<void(double)>& progress)
{
    const std::int32_t units = mProblem.UnitCount();
    mMeetings.assign(mProblem.Resources().size(), {});
    for (auto& byStart : mMeetings)
        byStart.assign(ToIndex(5 * mProblem.SlotsPerDay()), {});
    mVariables.assign(ToIndex(units), {});
    mUnitsOfClass.assign(mProblem.Classes().size(), {});
    const double steps
        = static_cast<double>(units) + static_cast<double>(mProblem.Resources().size() + mProblem.Classes().size());
    double done = 0;
    int percent = -1;
    // Whole percents only: the window need not hear of every class.
    auto step = [&] {
        done += 1;
        if (progress && static_cast<int>(100 * done / steps) != percent) {
            percent = static_cast<int>(100 * done / steps);
            progress(done / steps);
        }
        return !abort.load(std::memory_order_relaxed) && (mBudget < 0 || mCnf.EstimatedBytes() <= mBudget);
    };
    for (std::int32_t u = 0; u < units; ++u) {
        if (mProblem.IsUnitUsed(u)) {
            mUnitsOfClass[ToIndex(mProblem.Unit(u).Class)].push_back(u);
            mCnf.Family("start order");
            EncodeRequirement(u);
        }
        if (!step())
            return false;
    }
    mCnf.Family("fixed meetings");
    EncodeFixedGroups();
    EncodeFixedMeetings();
    for (std::size_t k = 0; k < mProblem.Resources().size(); ++k) {
        mCnf.Family(mProblem.Resources()[k].Capacity == 1 ? "special busy" : "lunch seats");
        if (mProblem.Resources()[k].Capacity == 1)
            EncodeSingleResource(static_cast<std::int32_t>(k));
        else
            EncodeSharedResource(static_cast<std::int32_t>(k));
        if (!step())
            return false;
    }
    mMeetings.clear();
    for (std::size_t c = 0; c < mProblem.Classes().size(); ++c) {
        mCnf.Family("class order");
        EncodeClass(static_cast<std::int32_t>(c));
        mCnf.Family("interrupt-free");
        EncodeFreeTime(static_cast<std::int32_t>(c));
        if (!step())
            return false;
    }
    mFreeDayLeftOut.assign(mFreeDays.size(), 0);
    mCnf.Family("classes alike");
    EncodeTwins();
    return true;
}

// A requirement without a fixed group is asked for by its own "placed". One
// with a group is asked for as a whole: whichever of its held meetings are
// kept, the unit for the rest is placed, and no other unit of the group.
void SatEncoding::EncodeFixedGroups()
{
    const auto& requirements = mProblem.Requirements();
    mAsk.assign(requirements.size(), 0);
    for (std::size_t r = 0; r < requirements.size(); ++r) {
        if (requirements[r].Group < 0 && !mVariables[r].Order.empty())
            mAsk[r] = mVariables[r].Order[0];
    }
    const auto& groups = mProblem.FixedGroups();
    mGroupHeld.assign(groups.size(), { -mTrue, -mTrue });
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const ThoroughFixedGroup& group = groups[g];
        auto& [pinned, others] = mGroupHeld[g];
        for (auto [list, literal] : { std::pair { &group.Pinned, &pinned }, std::pair { &group.Others, &others } }) {
            if (list->empty())
                continue;
            *literal = mCnf.NewVariable();
            // Kept unless the proof needs it given back.
            mCnf.Solver().phase(*literal);
        }
        const int ask = mCnf.NewVariable();
        mAsk[ToIndex(group.Requirement)] = ask;
        for (const bool withPinned : { false, true }) {
            for (const bool withOthers : { false, true }) {
                const int a = withPinned ? pinned : -pinned;
                const int b = withOthers ? others : -others;
                const std::int32_t rest = group.Rest[withPinned][withOthers];
                if (rest == ThoroughProblem::kCannotHold) {
                    mCnf.Clause({ -a, -b });
                    continue;
                }
                if (rest == ThoroughProblem::kNothingLeft)
                    continue;
                const auto& order = mVariables[ToIndex(rest)].Order;
                const int placed = order.empty() ? -mTrue : order[0];
                mCnf.Clause({ -ask, -a, -b, placed });
                mCnf.Clause({ -placed, a });
                mCnf.Clause({ -placed, b });
            }
        }
    }
}

// Held fixed meetings take their special or seat, and their stretch of the
// class's row keeps every other block of the class out.
void SatEncoding::EncodeFixedMeetings()
{
    const std::int32_t slotsPerDay = mProblem.SlotsPerDay();
    const auto& fixed = mProblem.FixedMeetings();
    for (std::size_t i = 0; i < fixed.size(); ++i) {
        const ThoroughFixed& meeting = fixed[i];
        const auto& [pinned, others] = mGroupHeld[ToIndex(meeting.Group)];
        const int held = meeting.Pinned ? pinned : others;
        mMeetings[ToIndex(meeting.Resource)][ToIndex(meeting.Day * slotsPerDay + meeting.Slot)].push_back(
            { mProblem.UnitCount() + static_cast<std::int32_t>(i), held });
        for (std::int32_t unit : mUnitsOfClass[ToIndex(meeting.Class)]) {
            if (mProblem.Unit(unit).Group != meeting.Group)
                EncodeFixedClash(meeting, held, mVariables[ToIndex(unit)]);
        }
    }
}

// On the fixed meeting's day a block of the unit may not start where it would
// overlap it: starting at a - length + 1 or later puts it at b or later.
void SatEncoding::EncodeFixedClash(const ThoroughFixed& meeting, int held, const RequirementVariables& variables)
{
    if (variables.Order.empty())
        return;
    const int day = variables.Day[ToIndex(meeting.Day)];
    const std::int32_t from = meeting.Slot;
    const std::int32_t to = from + mProblem.Resources()[ToIndex(meeting.Resource)].ClassLength;
    for (const auto& [length, hasLength] : variables.Lengths) {
        if (from - length + 1 > variables.Hi || to <= variables.Lo)
            continue;
        mCnf.Clause(
            { -held, -day, -hasLength, -OrderLiteral(variables, from - length + 1), OrderLiteral(variables, to) });
    }
}

void SatEncoding::EncodeRequirement(std::int32_t index)
{
    const ThoroughRequirement& requirement = mProblem.Unit(index);
    RequirementVariables& variables = mVariables[ToIndex(index)];
    if (requirement.Options.empty())
        return;
    variables.Lo = requirement.Options.front().Start;
    variables.Hi = variables.Lo;
    for (const ThoroughOption& option : requirement.Options) {
        variables.Lo = std::min(variables.Lo, option.Start);
        variables.Hi = std::max(variables.Hi, option.Start);
        variables.AllowedPatterns |= option.PatternMask;
        if (std::find(variables.Resources.begin(), variables.Resources.end(), option.Resource)
            == variables.Resources.end())
            variables.Resources.push_back(option.Resource);
    }
    const std::int32_t width = variables.Hi - variables.Lo + 1;
    for (std::int32_t t = 0; t < width; ++t) {
        variables.Order.push_back(mCnf.NewVariable());
        if (t > 0)
            mCnf.Clause({ -variables.Order[ToIndex(t)], variables.Order[ToIndex(t - 1)] });
    }
    for (std::int32_t t = 0; t < width; ++t) {
        const int start = mCnf.NewVariable();
        const int atOrAfter = variables.Order[ToIndex(t)];
        const int later = OrderLiteral(variables, variables.Lo + t + 1);
        variables.Start.push_back(start);
        mCnf.Clause({ -start, atOrAfter });
        mCnf.Clause({ -start, -later });
        mCnf.Clause({ -atOrAfter, later, start });
    }
    mCnf.Family("days and choices");
    EncodeDaysAndChoices(requirement, variables);
    mCnf.Family("ways");
    EncodeOptions(index, requirement, variables);
}

void SatEncoding::EncodeDaysAndChoices(const ThoroughRequirement& requirement, RequirementVariables& variables)
{
    const int placed = variables.Order[0];
    std::vector<int> allowed;
    for (std::size_t p = 0; p < requirement.Patterns.size(); ++p) {
        const bool possible = variables.AllowedPatterns & (1u << p);
        const bool only = possible && (variables.AllowedPatterns & ~(1u << p)) == 0;
        variables.Pattern.push_back(!possible ? -mTrue : only ? mTrue : mCnf.NewVariable());
        if (possible && !only)
            allowed.push_back(variables.Pattern.back());
    }
    if (!allowed.empty()) {
        std::vector<int> some = allowed;
        some.push_back(-placed);
        mCnf.Clause(some);
        mCnf.AtMostOne(allowed);
    }
    for (std::int32_t day = 0; day < 5; ++day) {
        std::vector<int> with;
        bool every = true;
        for (std::size_t p = 0; p < requirement.Patterns.size(); ++p) {
            if (!(variables.AllowedPatterns & (1u << p)))
                continue;
            if (DayMask(requirement.Patterns[p]) & (1u << day))
                with.push_back(variables.Pattern[p]);
            else
                every = false;
        }
        int& literal = variables.Day[ToIndex(day)];
        if (every)
            literal = mTrue;
        else if (with.empty())
            literal = -mTrue;
        else if (with.size() == 1)
            literal = with[0];
        else {
            literal = mCnf.NewVariable();
            std::vector<int> implied { -literal };
            for (int pattern : with) {
                mCnf.Clause({ -pattern, literal });
                implied.push_back(pattern);
            }
            mCnf.Clause(implied);
        }
    }
    if (variables.Resources.size() == 1) {
        variables.Choice = { mTrue };
    } else {
        std::vector<int> some { -placed };
        for (std::size_t k = 0; k < variables.Resources.size(); ++k) {
            variables.Choice.push_back(mCnf.NewVariable());
            some.push_back(variables.Choice.back());
        }
        mCnf.Clause(some);
        mCnf.AtMostOne(variables.Choice);
    }
    std::vector<std::pair<std::int32_t, std::vector<int>>> byLength;
    for (std::size_t k = 0; k < variables.Resources.size(); ++k) {
        const std::int32_t length = mProblem.Resources()[ToIndex(variables.Resources[k])].ClassLength;
        auto known
            = std::find_if(byLength.begin(), byLength.end(), [&](const auto& entry) { return entry.first == length; });
        if (known == byLength.end())
            byLength.emplace_back(length, std::vector<int> { variables.Choice[k] });
        else
            known->second.push_back(variables.Choice[k]);
    }
    for (const auto& [length, choices] : byLength) {
        int literal = byLength.size() == 1 ? mTrue : choices.size() == 1 ? choices[0] : 0;
        if (literal == 0) {
            literal = mCnf.NewVariable();
            for (int choice : choices)
                mCnf.Clause({ -choice, literal });
        }
        variables.Lengths.emplace_back(length, literal);
    }
}

// A meeting on a special's day slot is one literal, implied by the choice of
// special, start and a pattern with that day: the special's rules then rule
// out each combination that needs it. Combinations the options leave out are
// ruled out directly.
void SatEncoding::EncodeOptions(
    std::int32_t index, const ThoroughRequirement& requirement, RequirementVariables& variables)
{
    const std::int32_t slotsPerDay = mProblem.SlotsPerDay();
    const std::int32_t width = variables.Hi - variables.Lo + 1;
    variables.Masks.assign(variables.Resources.size() * ToIndex(width), 0u);
    for (const ThoroughOption& option : requirement.Options) {
        const auto k = std::find(variables.Resources.begin(), variables.Resources.end(), option.Resource)
            - variables.Resources.begin();
        variables.Masks[ToIndex(k * width + option.Start - variables.Lo)] = option.PatternMask;
    }
    std::vector<std::uint8_t> someWay(ToIndex(width), 0);
    for (std::size_t k = 0; k < variables.Resources.size(); ++k) {
        const int choice = variables.Choice[k];
        auto& meetings = mMeetings[ToIndex(variables.Resources[k])];
        for (std::int32_t t = 0; t < width; ++t) {
            const int start = variables.Start[ToIndex(t)];
            const std::uint32_t mask = variables.Masks[k * ToIndex(width) + ToIndex(t)];
            if (mask == 0) {
                mCnf.Clause({ -choice, -start });
                continue;
            }
            someWay[ToIndex(t)] = 1;
            std::uint32_t days = 0;
            for (std::size_t p = 0; p < requirement.Patterns.size(); ++p) {
                if (mask & (1u << p))
                    days |= DayMask(requirement.Patterns[p]);
                else if (variables.AllowedPatterns & (1u << p))
                    mCnf.Clause({ -choice, -start, -variables.Pattern[p] });
            }
            for (std::int32_t day = 0; day < 5; ++day) {
                if (!(days & (1u << day)))
                    continue;
                const int held = variables.Day[ToIndex(day)];
                int meeting = start;
                if (choice != mTrue || held != mTrue) {
                    meeting = mCnf.NewVariable();
                    mCnf.Clause({ -choice, -start, -held, meeting });
                }
                meetings[ToIndex(day * slotsPerDay + variables.Lo + t)].push_back({ index, meeting });
            }
        }
    }
    for (std::int32_t t = 0; t < width; ++t) {
        if (!someWay[ToIndex(t)])
            mCnf.Clause({ -variables.Start[ToIndex(t)] });
    }
}

// One meeting at a time: at most one start at each slot, and no two starts
// closer than a meeting and its passing time.
void SatEncoding::EncodeSingleResource(std::int32_t resource)
{
    const ThoroughResource& entry = mProblem.Resources()[ToIndex(resource)];
    const std::int32_t slotsPerDay = mProblem.SlotsPerDay();
    const auto& meetings = mMeetings[ToIndex(resource)];
    std::vector<int> starts(ToIndex(slotsPerDay));
    std::vector<int> literals;
    for (std::int32_t day = 0; day < 5; ++day) {
        for (std::int32_t t = 0; t < slotsPerDay; ++t) {
            const auto& here = meetings[ToIndex(day * slotsPerDay + t)];
            int& any = starts[ToIndex(t)];
            if (here.empty()) {
                any = -mTrue;
            } else if (here.size() == 1) {
                any = here[0].Literal;
            } else {
                literals.clear();
                any = mCnf.NewVariable();
                for (const Meeting& meeting : here) {
                    literals.push_back(meeting.Literal);
                    mCnf.Clause({ -meeting.Literal, any });
                }
                mCnf.AtMostOne(literals);
            }
        }
        for (std::int32_t t = 0; t < slotsPerDay; ++t) {
            if (starts[ToIndex(t)] == -mTrue)
                continue;
            for (std::int32_t next = t + 1; next < std::min(t + entry.SpecialLength, slotsPerDay); ++next)
                mCnf.Clause({ -starts[ToIndex(t)], -starts[ToIndex(next)] });
        }
    }
}

// Seats alike: at every slot no more lunches than seats. The days are encoded
// once when every day offers the same meetings, as lunch every day does.
void SatEncoding::EncodeSharedResource(std::int32_t resource)
{
    const ThoroughResource& entry = mProblem.Resources()[ToIndex(resource)];
    const std::int32_t slotsPerDay = mProblem.SlotsPerDay();
    const auto& meetings = mMeetings[ToIndex(resource)];
    auto sameAsMonday = [&](std::int32_t day) {
        for (std::int32_t t = 0; t < slotsPerDay; ++t) {
            const auto& monday = meetings[ToIndex(t)];
            const auto& other = meetings[ToIndex(day * slotsPerDay + t)];
            if (monday.size() != other.size()
                || !std::equal(monday.begin(), monday.end(), other.begin(), [](const Meeting& a, const Meeting& b) {
                       return a.Requirement == b.Requirement && a.Literal == b.Literal;
                   }))
                return false;
        }
        return true;
    };
    std::vector<std::pair<std::int32_t, std::vector<int>>> eating;
    std::vector<int> occupied;
    for (std::int32_t day = 0; day < 5; ++day) {
        if (day > 0 && sameAsMonday(day))
            continue;
        for (std::int32_t slot = 0; slot < slotsPerDay; ++slot) {
            eating.clear();
            for (std::int32_t t = std::max(slot - entry.SpecialLength + 1, 0); t <= slot; ++t) {
                for (const Meeting& meeting : meetings[ToIndex(day * slotsPerDay + t)]) {
                    auto found = std::find_if(
                        eating.begin(), eating.end(), [&](const auto& e) { return e.first == meeting.Requirement; });
                    if (found == eating.end()) {
                        eating.emplace_back(meeting.Requirement, std::vector<int> {});
                        found = eating.end() - 1;
                    }
                    found->second.push_back(meeting.Literal);
                }
            }
            if (static_cast<std::int32_t>(eating.size()) <= entry.Capacity)
                continue;
            occupied.clear();
            for (const auto& [requirement, literals] : eating) {
                if (literals.size() == 1) {
                    occupied.push_back(literals[0]);
                    continue;
                }
                occupied.push_back(mCnf.NewVariable());
                for (int literal : literals)
                    mCnf.Clause({ -literal, occupied.back() });
            }
            mCnf.AtMostK(occupied, entry.Capacity);
        }
    }
}

void SatEncoding::EncodeClass(std::int32_t classIndex)
{
    const auto& requirements = mUnitsOfClass[ToIndex(classIndex)];
    for (std::size_t i = 0; i < requirements.size(); ++i) {
        for (std::size_t j = i + 1; j < requirements.size(); ++j) {
            // Ways of completing one fixed group are never placed together.
            const std::int32_t group = mProblem.Unit(requirements[i]).Group;
            if (group >= 0 && group == mProblem.Unit(requirements[j]).Group)
                continue;
            const RequirementVariables& first = mVariables[ToIndex(requirements[i])];
            const RequirementVariables& second = mVariables[ToIndex(requirements[j])];
            if (first.Order.empty() || second.Order.empty())
                continue;
            auto longest = [](const RequirementVariables& v) {
                std::int32_t length = 0;
                for (const auto& entry : v.Lengths)
                    length = std::max(length, entry.first);
                return length;
            };
            // Blocks that can never meet need no order.
            if (first.Hi + longest(first) <= second.Lo || second.Hi + longest(second) <= first.Lo)
                continue;
            const int share = ShareLiteral(first, second);
            if (share == -mTrue)
                continue;
            const int order = mCnf.NewVariable();
            EncodeOrder(first, second, share, order);
            EncodeOrder(second, first, share, -order);
        }
    }
}

void SatEncoding::EncodeFreeTime(std::int32_t classIndex)
{
    if (mProblem.Classes()[ToIndex(classIndex)].FreeLength == 0)
        return;
    for (std::int32_t day = 0; day < 5; ++day)
        EncodeFreeDay(classIndex, day);
}

// One of the stretches of the free length that start at each slot of the
// class's own day is chosen, and every block of the class that day, fixed
// ones included, ends before it or starts after it. A day with a stretch no
// block can ever reach needs nothing.
void SatEncoding::EncodeFreeDay(std::int32_t classIndex, std::int32_t day)
{
    const ThoroughClass& entry = mProblem.Classes()[ToIndex(classIndex)];
    const std::int32_t length = entry.FreeLength;
    struct Reach {
        const RequirementVariables* Variables;
        int Day;
        std::int32_t From;
        std::int32_t To;
    };
    std::vector<Reach> reaches;
    for (std::int32_t unit : mUnitsOfClass[ToIndex(classIndex)]) {
        const RequirementVariables& variables = mVariables[ToIndex(unit)];
        const int meets = variables.Order.empty() ? -mTrue : variables.Day[ToIndex(day)];
        if (meets == -mTrue)
            continue;
        std::int32_t longest = 0;
        for (const auto& [blockLength, hasLength] : variables.Lengths)
            longest = std::max(longest, blockLength);
        reaches.push_back({ &variables, meets, variables.Lo, variables.Hi + longest });
    }
    struct Held {
        int Literal;
        std::int32_t From;
        std::int32_t To;
    };
    std::vector<Held> fixed;
    for (const ThoroughFixed& meeting : mProblem.FixedMeetings()) {
        if (meeting.Class != classIndex || meeting.Day != day)
            continue;
        const auto& [pinned, others] = mGroupHeld[ToIndex(meeting.Group)];
        fixed.push_back({ meeting.Pinned ? pinned : others, meeting.Slot,
            meeting.Slot + mProblem.Resources()[ToIndex(meeting.Resource)].ClassLength });
    }
    const auto meet = [&](std::int32_t from, std::int32_t to, std::int32_t a) { return a < to && from < a + length; };
    for (std::int32_t a = entry.FreeFirst; a + length <= entry.FreeEnd; ++a) {
        if (std::none_of(reaches.begin(), reaches.end(), [&](const Reach& r) { return meet(r.From, r.To, a); })
            && std::none_of(fixed.begin(), fixed.end(), [&](const Held& h) { return meet(h.From, h.To, a); }))
            return;
    }
    const int ask = mCnf.NewVariable();
    mFreeDays.push_back({ classIndex, day, ask });
    std::vector<int> some { -ask };
    for (std::int32_t a = entry.FreeFirst; a + length <= entry.FreeEnd; ++a) {
        const int stretch = mCnf.NewVariable();
        some.push_back(stretch);
        for (const Reach& reach : reaches) {
            for (const auto& [blockLength, hasLength] : reach.Variables->Lengths) {
                if (a + length <= reach.Variables->Lo || a - blockLength + 1 > reach.Variables->Hi)
                    continue;
                mCnf.Clause({ -stretch, -reach.Day, -hasLength, -OrderLiteral(*reach.Variables, a - blockLength + 1),
                    OrderLiteral(*reach.Variables, a + length) });
            }
        }
        for (const Held& held : fixed) {
            if (meet(held.From, held.To, a))
                mCnf.Clause({ -stretch, -held.Literal });
        }
    }
    mCnf.Clause(some);
}

// Classes alike in their day and in everything they attend can trade all their
// placements, so one order among them is enough: each eats no earlier than the
// one before it. Only while every requirement of both is asked for, since the
// trade needs them all.
void SatEncoding::EncodeTwins()
{
    // Classes alike with options cut apart cannot trade.
    if (mProblem.IsRestricted())
        return;
    const auto& classes = mProblem.Classes();
    const auto& requirements = mProblem.Requirements();
    // Classes of different sizes may be alike only if the same specials take them.
    auto signature = [&](const ThoroughClass& entry) {
        std::vector<std::int32_t> key { entry.FirstSlot, entry.EndSlot, entry.FreeFirst, entry.FreeEnd,
            entry.FreeLength };
        for (std::int32_t index : entry.Requirements) {
            const ThoroughRequirement& requirement = requirements[ToIndex(index)];
            key.push_back(requirement.Subject);
            key.push_back(requirement.Count);
            for (std::int32_t resource : mProblem.Subjects()[ToIndex(requirement.Subject)].Resources)
                key.push_back(ThoroughProblem::Takes(mProblem.Resources()[ToIndex(resource)], entry) ? 1 : 0);
        }
        return key;
    };
    std::map<std::vector<std::int32_t>, std::size_t> groups;
    for (std::size_t c = 0; c < classes.size(); ++c) {
        const ThoroughClass& entry = classes[c];
        if (entry.Requirements.empty() || entry.HasFixed)
            continue;
        const auto [found, first] = groups.try_emplace(signature(entry), mTwins.size());
        if (first) {
            // The lunch, or else the first requirement, sets the order.
            std::size_t position = 0;
            for (std::size_t k = 0; k < entry.Requirements.size(); ++k) {
                const auto& requirement = requirements[ToIndex(entry.Requirements[k])];
                if (mProblem.Subjects()[ToIndex(requirement.Subject)].Lunch)
                    position = k;
            }
            mTwins.push_back({ {}, position });
        }
        mTwins[found->second].first.push_back(static_cast<std::int32_t>(c));
    }
    std::erase_if(mTwins, [](const auto& group) { return group.first.size() < 2; });
    std::vector<int> clause;
    for (const auto& [twins, position] : mTwins) {
        for (std::size_t i = 1; i < twins.size(); ++i) {
            const ThoroughClass& earlier = classes[ToIndex(twins[i - 1])];
            const ThoroughClass& later = classes[ToIndex(twins[i])];
            const RequirementVariables& before = mVariables[ToIndex(earlier.Requirements[position])];
            const RequirementVariables& after = mVariables[ToIndex(later.Requirements[position])];
            for (std::int32_t t = before.Lo + 1; t <= before.Hi; ++t) {
                clause.clear();
                for (const ThoroughClass* twin : { &earlier, &later }) {
                    for (std::int32_t index : twin->Requirements) {
                        const auto& order = mVariables[ToIndex(index)].Order;
                        clause.push_back(order.empty() ? mTrue : -order[0]);
                    }
                }
                clause.push_back(-OrderLiteral(before, t));
                clause.push_back(OrderLiteral(after, t));
                mCnf.Clause(clause);
            }
        }
    }
}

std::vector<ThoroughPlacement> SatEncoding::InTwinOrder(std::vector<ThoroughPlacement> placements) const
{
    const auto& classes = mProblem.Classes();
    for (const auto& [twins, position] : mTwins) {
        // Each twin's placements by requirement position, and the start that orders them.
        std::vector<std::pair<std::int32_t, std::vector<ThoroughPlacement*>>> byTwin;
        for (std::int32_t twin : twins) {
            const auto& own = classes[ToIndex(twin)].Requirements;
            std::vector<ThoroughPlacement*> byPosition(own.size(), nullptr);
            for (ThoroughPlacement& placement : placements) {
                const auto found = std::find(own.begin(), own.end(), placement.Requirement);
                if (found != own.end())
                    byPosition[ToIndex(found - own.begin())] = &placement;
            }
            const std::int32_t start = byPosition[position] ? byPosition[position]->Start : mProblem.SlotsPerDay();
            byTwin.emplace_back(start, std::move(byPosition));
        }
        std::stable_sort(byTwin.begin(), byTwin.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (std::size_t i = 0; i < twins.size(); ++i) {
            const auto& target = classes[ToIndex(twins[i])].Requirements;
            for (std::size_t k = 0; k < target.size(); ++k) {
                if (ThoroughPlacement* placement = byTwin[i].second[k])
                    placement->Requirement = target[k];
            }
        }
    }
    return placements;
}

// "Both meet on some day", when the patterns leave it open.
int SatEncoding::ShareLiteral(const RequirementVariables& first, const RequirementVariables& second)
{
    bool possible = false;
    for (std::int32_t day = 0; day < 5; ++day) {
        const int a = first.Day[ToIndex(day)];
        const int b = second.Day[ToIndex(day)];
        if (a == mTrue && b == mTrue)
            return mTrue;
        possible = possible || (a != -mTrue && b != -mTrue);
    }
    if (!possible)
        return -mTrue;
    const int share = mCnf.NewVariable();
    for (std::int32_t day = 0; day < 5; ++day) {
        const int a = first.Day[ToIndex(day)];
        const int b = second.Day[ToIndex(day)];
        if (a != -mTrue && b != -mTrue)
            mCnf.Clause({ -a, -b, share });
    }
    return share;
}

// When `order` holds and they share a day, `first` ends before `second` starts:
// starting at t or later puts the other at t + length or later.
void SatEncoding::EncodeOrder(
    const RequirementVariables& first, const RequirementVariables& second, int share, int order)
{
    for (const auto& [length, hasLength] : first.Lengths) {
        for (std::int32_t t = std::max(first.Lo, second.Lo - length + 1); t <= first.Hi; ++t)
            mCnf.Clause({ -share, -order, -hasLength, -OrderLiteral(first, t), OrderLiteral(second, t + length) });
    }
}

SatEncoding::Outcome SatEncoding::Solve(const std::vector<std::int32_t>& active,
    const std::vector<ThoroughPlacement>& fixed, std::int64_t conflictLimit, const std::atomic<bool>& abort)
{
    mCnf.AssertTrue();
    for (std::int32_t index : active) {
        const int ask = mAsk[ToIndex(index)];
        mCnf.Solver().assume(ask == 0 ? -mTrue : ask);
    }
    for (std::size_t i = 0; i < mFreeDays.size(); ++i) {
        if (!mFreeDayLeftOut[i])
            mCnf.Solver().assume(mFreeDays[i].Literal);
    }
    for (std::int32_t group : mHeldPinned)
        mCnf.Solver().assume(mGroupHeld[ToIndex(group)].first);
    for (std::int32_t group : mHeldOthers)
        mCnf.Solver().assume(mGroupHeld[ToIndex(group)].second);
    for (const ThoroughPlacement& placement : fixed) {
        for (const int literal : PlacementLiterals(placement))
            mCnf.Solver().assume(literal);
    }
    if (conflictLimit >= 0)
        mCnf.Solver().limit("conflicts", static_cast<int>(std::min<std::int64_t>(conflictLimit, 1 << 30)));
    AbortTerminator terminator(abort);
    mCnf.Solver().connect_terminator(&terminator);
    const int result = mCnf.Solver().solve();
    mCnf.Solver().disconnect_terminator();
    if (result == 10)
        return Outcome::Found;
    if (result == 20)
        return Outcome::None;
    return Outcome::Unknown;
}

std::vector<ThoroughPlacement> SatEncoding::Placements(const std::vector<std::int32_t>& active) const
{
    std::vector<ThoroughPlacement> placements;
    for (std::int32_t index : active) {
        std::int32_t unit = index;
        const std::int32_t group = mProblem.Requirements()[ToIndex(index)].Group;
        if (group >= 0) {
            const ThoroughFixedGroup& entry = mProblem.FixedGroups()[ToIndex(group)];
            unit = entry.Rest[PinnedKept(group)][OthersKept(group)];
            if (unit < 0)
                continue;
        }
        const RequirementVariables& variables = mVariables[ToIndex(unit)];
        const ThoroughRequirement& requirement = mProblem.Unit(unit);
        ThoroughPlacement placement;
        placement.Requirement = unit;
        for (std::size_t t = 0; t < variables.Start.size(); ++t) {
            if (Value(variables.Start[t]))
                placement.Start = variables.Lo + static_cast<std::int32_t>(t);
        }
        for (std::size_t k = 0; k < variables.Choice.size(); ++k) {
            if (Value(variables.Choice[k]))
                placement.Resource = variables.Resources[k];
        }
        for (std::size_t p = 0; p < variables.Pattern.size(); ++p) {
            if (Value(variables.Pattern[p]))
                placement.Pattern = &requirement.Patterns[p];
        }
        placements.push_back(placement);
    }
    return placements;
}

bool SatEncoding::Value(int literal) const
{
    if (literal == mTrue || literal == -mTrue)
        return literal == mTrue;
    return mCnf.Solver().val(literal) > 0;
}

bool SatEncoding::PinnedKept(std::int32_t group) const
{
    return Value(mGroupHeld[ToIndex(group)].first);
}

bool SatEncoding::OthersKept(std::int32_t group) const
{
    return Value(mGroupHeld[ToIndex(group)].second);
}

void SatEncoding::Hold(std::vector<std::int32_t> pinned, std::vector<std::int32_t> others)
{
    // A group with nothing of the kind has nothing to hold.
    std::erase_if(pinned, [&](std::int32_t g) { return mGroupHeld[ToIndex(g)].first == -mTrue; });
    std::erase_if(others, [&](std::int32_t g) { return mGroupHeld[ToIndex(g)].second == -mTrue; });
    mHeldPinned = std::move(pinned);
    mHeldOthers = std::move(others);
}

void SatEncoding::LeaveOutFreeDays(const std::vector<std::int32_t>& positions)
{
    mFreeDayLeftOut.assign(mFreeDays.size(), 0);
    for (std::int32_t position : positions)
        mFreeDayLeftOut[ToIndex(position)] = 1;
}

std::vector<std::int32_t> SatEncoding::FailedFreeDays() const
{
    std::vector<std::int32_t> failed;
    for (std::size_t i = 0; i < mFreeDays.size(); ++i) {
        if (!mFreeDayLeftOut[i] && mCnf.Solver().failed(mFreeDays[i].Literal))
            failed.push_back(static_cast<std::int32_t>(i));
    }
    return failed;
}

std::vector<std::int32_t> SatEncoding::FailedPinned() const
{
    std::vector<std::int32_t> failed;
    for (std::int32_t group : mHeldPinned) {
        if (mCnf.Solver().failed(mGroupHeld[ToIndex(group)].first))
            failed.push_back(group);
    }
    return failed;
}

std::vector<std::int32_t> SatEncoding::FailedOthers() const
{
    std::vector<std::int32_t> failed;
    for (std::int32_t group : mHeldOthers) {
        if (mCnf.Solver().failed(mGroupHeld[ToIndex(group)].second))
            failed.push_back(group);
    }
    return failed;
}

std::vector<std::int32_t> SatEncoding::Failed(const std::vector<std::int32_t>& active) const
{
    std::vector<std::int32_t> failed;
    for (std::int32_t index : active) {
        const int ask = mAsk[ToIndex(index)];
        if (ask == 0 || mCnf.Solver().failed(ask))
            failed.push_back(index);
    }
    return failed;
}

std::vector<int> SatEncoding::PlacementLiterals(const ThoroughPlacement& placement) const
{
    const RequirementVariables& variables = mVariables[ToIndex(placement.Requirement)];
    const ThoroughRequirement& requirement = mProblem.Unit(placement.Requirement);
    const auto k = std::find(variables.Resources.begin(), variables.Resources.end(), placement.Resource)
        - variables.Resources.begin();
    const std::int32_t t = placement.Start - variables.Lo;
    const std::int32_t width = variables.Hi - variables.Lo + 1;
    if (variables.Order.empty() || k == static_cast<std::ptrdiff_t>(variables.Resources.size()) || t < 0 || t >= width
        || !placement.Pattern)
        return {};
    const auto p = std::find_if(requirement.Patterns.begin(), requirement.Patterns.end(),
                       [&](const DayPattern& pattern) { return pattern.Code == placement.Pattern->Code; })
        - requirement.Patterns.begin();
    if (p == static_cast<std::ptrdiff_t>(requirement.Patterns.size())
        || !(variables.Masks[ToIndex(k * width + t)] & (1u << p)))
        return {};
    std::vector<int> literals;
    for (const int literal :
        { variables.Start[ToIndex(t)], variables.Choice[ToIndex(k)], variables.Pattern[ToIndex(p)] }) {
        if (literal != mTrue)
            literals.push_back(literal);
    }
    return literals;
}

std::vector<ThoroughPlacement> SatEncoding::Failed(const std::vector<ThoroughPlacement>& fixed) const
{
    std::vector<ThoroughPlacement> failed;
    for (const ThoroughPlacement& placement : fixed) {
        const std::vector<int> literals = PlacementLiterals(placement);
        if (std::any_of(literals.begin(), literals.end(), [&](int literal) { return mCnf.Solver().failed(literal); }))
            failed.push_back(placement);
    }
    return failed;
}

} // namespace belltide
