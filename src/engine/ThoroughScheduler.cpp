#include "ThoroughScheduler.h"

#include "CountingArguments.h"
#include "EngineLog.h"
#include "RandomIdealScheduler.h"
#include "SatEncoding.h"
#include "Schedule.h"
#include "ScheduleClassroom.h"
#include "ScheduleGenerator.h"
#include "ScheduleSpecial.h"
#include "ThoroughProblem.h"
#include "model/TimeText.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <set>
#include <span>

namespace belltide {

namespace {

// Cutting a proof down to the requirements it needs asks the solver once per
// requirement; each question gets this many conflicts before the requirement
// is kept as needed, a school at most this many questions, and at most this
// many reasons come from the solver.
constexpr std::int64_t kShrinkConflicts = 20000;
constexpr int kMostShrinkQuestions = 120;
constexpr std::size_t kMostSolverReasons = 3;
// The quick search's best partial schedule is tried first as a fixed frame:
// the solver then places only the rest, and gives back any fixed placement
// that stands in the way, until this many tries or conflicts.
constexpr std::uint64_t kHintSeeds[] = { 1, 2, 3 };
constexpr int kHintRounds = 40;
constexpr std::int64_t kHintConflicts = 20000;

std::uint32_t DayMask(std::span<const std::int32_t> days)
{
    std::uint32_t mask = 0;
    for (std::int32_t day : days)
        mask |= 1u << day;
    return mask;
}

} // namespace

ThoroughScheduler::ThoroughScheduler() = default;
ThoroughScheduler::~ThoroughScheduler() = default;

ThoroughResult ThoroughScheduler::Schedule(const GenerationInputs& inputs, const ProgressCallback& progress)
{
    auto report = [&](const QString& caption, double fraction) {
        if (progress)
            progress({ caption, fraction });
    };
    ThoroughResult result;
    report(QStringLiteral("Counting what the school needs..."), 0);
    const ThoroughProblem problem(inputs);
    // The counts know nothing of fixed meetings, which may stand off the
    // usual patterns; with some, they only explain a proof the solver made.
    const bool anyFixed = !problem.FixedMeetings().empty();
    if (!anyFixed) {
        result.Reasons = CountingArguments(problem).Reasons();
        if (!result.Reasons.isEmpty())
            return result;
    }

    SatEncoding encoding(problem);
    const QString preparing = QStringLiteral("Preparing the thorough search...");
    if (!encoding.Build(Abort, [&](double share) { report(preparing, share); })) {
        result.Aborted = true;
        return result;
    }
    std::vector<std::int32_t> all(problem.Requirements().size());
    std::iota(all.begin(), all.end(), 0);
    std::vector<std::int32_t> groups(problem.FixedGroups().size());
    std::iota(groups.begin(), groups.end(), 0);
    encoding.Hold(groups, groups);
    report(QStringLiteral("Searching thoroughly..."), -1);
    std::vector<ThoroughPlacement> hint = encoding.InTwinOrder(QuickHint(inputs, problem));
    SatEncoding::Outcome outcome = Search(encoding, all, hint);
    if (outcome == SatEncoding::Outcome::None && anyFixed)
        outcome = Release(encoding, all, groups);
    switch (outcome) {
    case SatEncoding::Outcome::Found: {
        std::vector<std::uint8_t> kept(problem.FixedMeetings().size(), 0);
        result.Released = problem.UnusableFixed();
        for (std::size_t i = 0; i < kept.size(); ++i) {
            const ThoroughFixed& meeting = problem.FixedMeetings()[i];
            kept[i] = meeting.Pinned ? encoding.PinnedKept(meeting.Group) : encoding.OthersKept(meeting.Group);
            if (!kept[i])
                result.Released.push_back(meeting.Input);
        }
        std::sort(result.Released.begin(), result.Released.end());
        result.Schedule = Write(inputs, problem, encoding.Placements(all), kept);
        if (!result.Schedule)
            result.Reasons << QStringLiteral("The thorough search made a schedule that breaks a rule. Please report "
                                             "this school to us.");
        break;
    }
    case SatEncoding::Outcome::None:
        result.Reasons = anyFixed ? ExplainImpossible(encoding, problem, all, progress)
                                  : Explain(encoding, problem, hint, progress);
        break;
    case SatEncoding::Outcome::Unknown:
        break;
    }
    result.Aborted = Abort;
    if (result.Aborted) {
        result.Schedule.reset();
        result.Reasons.clear();
        result.Released.clear();
    }
    return result;
}

// Gives back the unpinned groups that each proof of "no schedule" needs until
// a schedule exists, then takes back every one the others leave room for.
SatEncoding::Outcome ThoroughScheduler::Release(
    SatEncoding& encoding, const std::vector<std::int32_t>& all, const std::vector<std::int32_t>& groups)
{
    std::vector<std::int32_t> held = groups;
    std::vector<std::int32_t> given;
    SatEncoding::Outcome outcome = SatEncoding::Outcome::None;
    while (outcome == SatEncoding::Outcome::None && !Abort) {
        const std::vector<std::int32_t> failed = encoding.FailedOthers();
        if (failed.empty())
            return outcome;
        std::erase_if(held, [&](std::int32_t g) { return std::find(failed.begin(), failed.end(), g) != failed.end(); });
        given.insert(given.end(), failed.begin(), failed.end());
        encoding.Hold(groups, held);
        outcome = encoding.Solve(all, {}, -1, Abort);
        qCDebug(lcEngine) << "giving back" << given.size() << "fixed groups:" << static_cast<int>(outcome);
    }
    if (outcome != SatEncoding::Outcome::Found)
        return outcome;
    bool lastFound = true;
    TakeBack(encoding, all, groups, held, given, lastFound);
    if (lastFound || Abort)
        return Abort ? SatEncoding::Outcome::Unknown : outcome;
    encoding.Hold(groups, held);
    return encoding.Solve(all, {}, -1, Abort);
}

// Halves at a time: most given-back groups usually fit again, and a half that
// does costs one question.
void ThoroughScheduler::TakeBack(SatEncoding& encoding, const std::vector<std::int32_t>& all,
    const std::vector<std::int32_t>& groups, std::vector<std::int32_t>& held, std::span<const std::int32_t> given,
    bool& lastFound)
{
    if (given.empty() || Abort)
        return;
    const std::size_t before = held.size();
    held.insert(held.end(), given.begin(), given.end());
    encoding.Hold(groups, held);
    lastFound = encoding.Solve(all, {}, kShrinkConflicts, Abort) == SatEncoding::Outcome::Found;
    if (lastFound)
        return;
    held.resize(before);
    if (given.size() == 1)
        return;
    const std::size_t half = given.size() / 2;
    TakeBack(encoding, all, groups, held, given.first(half), lastFound);
    TakeBack(encoding, all, groups, held, given.subspan(half), lastFound);
}

// No schedule even with every unpinned meeting given back: either the pinned
// meetings stand in the way, named in the reason, or the school has none.
QStringList ThoroughScheduler::ExplainImpossible(SatEncoding& encoding, const ThoroughProblem& problem,
    const std::vector<std::int32_t>& all, const ProgressCallback& progress)
{
    std::vector<std::int32_t> pins = encoding.FailedPinned();
    if (!pins.empty()) {
        encoding.Hold({}, {});
        const SatEncoding::Outcome free = encoding.Solve(all, {}, -1, Abort);
        if (free == SatEncoding::Outcome::Found)
            return { ExplainPins(encoding, problem, all, std::move(pins)) };
        if (free != SatEncoding::Outcome::None)
            return {};
    }
    encoding.Hold({}, {});
    QStringList reasons = CountingArguments(problem).Reasons();
    if (reasons.isEmpty() && encoding.Solve(all, {}, -1, Abort) == SatEncoding::Outcome::None)
        reasons = Explain(encoding, problem, {}, progress);
    return reasons;
}

// Cuts the pinned groups down to those the proof needs, then names their
// meetings and what they leave no room for.
QString ThoroughScheduler::ExplainPins(SatEncoding& encoding, const ThoroughProblem& problem,
    const std::vector<std::int32_t>& all, std::vector<std::int32_t> pins)
{
    for (std::size_t i = 0; i < pins.size() && pins.size() > 1 && !Abort;) {
        std::vector<std::int32_t> rest = pins;
        rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(i));
        encoding.Hold(rest, {});
        if (encoding.Solve(all, {}, kShrinkConflicts, Abort) == SatEncoding::Outcome::None) {
            pins = encoding.FailedPinned();
            i = 0;
        } else {
            ++i;
        }
    }
    encoding.Hold(pins, {});
    std::vector<std::int32_t> needing;
    if (encoding.Solve(all, {}, kShrinkConflicts, Abort) == SatEncoding::Outcome::None)
        needing = encoding.Failed(all);
    QStringList meetings;
    for (std::int32_t group : pins) {
        for (std::int32_t index : problem.FixedGroups()[static_cast<std::size_t>(group)].Pinned)
            meetings << problem.DescribeFixed(problem.FixedMeetings()[static_cast<std::size_t>(index)]);
    }
    QStringList others;
    for (std::int32_t index : needing) {
        const ThoroughRequirement& requirement = problem.Requirements()[static_cast<std::size_t>(index)];
        const ThoroughSubject& subject = problem.Subjects()[static_cast<std::size_t>(requirement.Subject)];
        others << (subject.Lunch ? QStringLiteral("lunch") : subject.Title) + QStringLiteral(" for ")
                + problem.Classes()[static_cast<std::size_t>(requirement.Class)].Name;
    }
    const QString one = meetings.size() == 1 ? QStringLiteral("meeting") : QStringLiteral("meetings");
    QString text = QStringLiteral("No schedule keeps the pinned %1 %2").arg(one, ThoroughProblem::JoinNames(meetings));
    if (!others.isEmpty())
        text += QStringLiteral(": with %1, %2 cannot all be placed")
                    .arg(meetings.size() == 1 ? QStringLiteral("it") : QStringLiteral("them"),
                        ThoroughProblem::JoinNames(others));
    return text
        + (meetings.size() == 1 ? QStringLiteral(". Unpinning it would make room.")
                                : QStringLiteral(". Unpinning one of them would make room."));
}

// First with the hint's placements fixed, giving back those that stand in the
// way, then with nothing fixed. The hint that is left is kept for the reasons.
SatEncoding::Outcome ThoroughScheduler::Search(
    SatEncoding& encoding, const std::vector<std::int32_t>& all, std::vector<ThoroughPlacement>& hint)
{
    qCDebug(lcEngine) << "thorough search:" << all.size() << "requirements," << encoding.VariableCount() << "variables,"
                      << encoding.ClauseCount() << "clauses," << hint.size() << "placements from the quick search";
    for (int round = 0; round < kHintRounds && !hint.empty() && !Abort; ++round) {
        const SatEncoding::Outcome outcome = encoding.Solve(all, hint, kHintConflicts, Abort);
        qCDebug(lcEngine) << "with" << hint.size() << "fixed placements:" << static_cast<int>(outcome);
        if (outcome == SatEncoding::Outcome::Found)
            return outcome;
        if (outcome == SatEncoding::Outcome::Unknown)
            break;
        // A proof that needs none of the fixed placements holds without them.
        const std::vector<ThoroughPlacement> failed = encoding.Failed(hint);
        if (failed.empty())
            return outcome;
        std::erase_if(hint, [&](const ThoroughPlacement& placement) {
            return std::any_of(failed.begin(), failed.end(),
                [&](const ThoroughPlacement& f) { return f.Requirement == placement.Requirement; });
        });
    }
    return encoding.Solve(all, {}, -1, Abort);
}

// Placements of the quick search's attempt that got furthest, as far as they
// are ways the thorough search knows. The attempts start from the fixed
// meetings, so what they add completes each group with all of them held.
std::vector<ThoroughPlacement> ThoroughScheduler::QuickHint(
    const GenerationInputs& inputs, const ThoroughProblem& problem)
{
    std::map<const ScheduleObject*, std::int32_t> resourceOf;
    for (std::size_t k = 0; k < problem.Resources().size(); ++k) {
        for (std::int32_t input : problem.Resources()[k].Inputs)
            resourceOf[inputs.Specials[static_cast<std::size_t>(input)].get()] = static_cast<std::int32_t>(k);
    }
    const std::int32_t slotsPerDay = problem.SlotsPerDay();
    std::set<std::pair<std::int32_t, std::int32_t>> fixedStarts;
    for (const ThoroughFixed& meeting : problem.FixedMeetings())
        fixedStarts.insert({ meeting.Class, meeting.Day * slotsPerDay + meeting.Slot });
    std::vector<ThoroughPlacement> best;
    for (std::uint64_t seed : kHintSeeds) {
        RandomIdealScheduler scheduler(seed);
        scheduler.Schedule(inputs.Classrooms, inputs.Specials, inputs.SlotsPerDay, inputs.Fixed);
        if (!scheduler.ClassSchedule || Abort)
            break;
        std::vector<ThoroughPlacement> placements;
        for (std::size_t c = 0; c < problem.Classes().size(); ++c) {
            const ThoroughClass& entry = problem.Classes()[c];
            const ScheduleObject& row = *inputs.Classrooms[static_cast<std::size_t>(entry.Input)];
            // Resource to the days and the slot of its meetings.
            std::map<std::int32_t, std::pair<std::uint32_t, std::int32_t>> meetings;
            for (std::int32_t minute = 0, length = 0; minute < 5 * slotsPerDay; minute += std::max(length, 1)) {
                const auto item = scheduler.ClassSchedule->ScheduledItem(row, minute, length);
                const auto resource = item ? resourceOf.find(item.get()) : resourceOf.end();
                if (resource != resourceOf.end() && !fixedStarts.contains({ static_cast<std::int32_t>(c), minute })) {
                    auto& [days, slot] = meetings[resource->second];
                    days |= 1u << (minute / slotsPerDay);
                    slot = minute % slotsPerDay;
                }
            }
            for (const auto& [resource, meeting] : meetings) {
                const std::int32_t subject = problem.Resources()[static_cast<std::size_t>(resource)].Subject;
                for (std::int32_t index : entry.Requirements) {
                    const ThoroughRequirement& base = problem.Requirements()[static_cast<std::size_t>(index)];
                    if (base.Subject != subject)
                        continue;
                    std::int32_t unit = index;
                    if (base.Group >= 0) {
                        const ThoroughFixedGroup& group = problem.FixedGroups()[static_cast<std::size_t>(base.Group)];
                        unit = group.Rest[!group.Pinned.empty()][!group.Others.empty()];
                        if (unit < 0)
                            continue;
                    }
                    for (const DayPattern& pattern : problem.Unit(unit).Patterns) {
                        if (DayMask(pattern.MeetingDays()) == meeting.first)
                            placements.push_back({ unit, resource, meeting.second, &pattern });
                    }
                }
            }
        }
        if (placements.size() > best.size())
            best = std::move(placements);
    }
    return best;
}

// One reason per set of requirements that cannot all be met, each cut down to
// the requirements that matter; the next set is sought among the others. The
// fixed placements make each question quick; an answer that needed them
// proves nothing and keeps the requirement.
QStringList ThoroughScheduler::Explain(SatEncoding& encoding, const ThoroughProblem& problem,
    const std::vector<ThoroughPlacement>& hint, const ProgressCallback& progress)
{
    std::vector<std::int32_t> active(problem.Requirements().size());
    std::iota(active.begin(), active.end(), 0);
    std::vector<std::int32_t> core = encoding.Failed(active);
    QStringList reasons;
    int questions = kMostShrinkQuestions;
    while (!core.empty() && reasons.size() < static_cast<qsizetype>(kMostSolverReasons) && !Abort) {
        if (progress)
            progress({ QStringLiteral("Looking for the reason..."),
                static_cast<double>(reasons.size()) / static_cast<double>(kMostSolverReasons) });
        core = Shrink(encoding, std::move(core), hint, questions);
        reasons << Describe(problem, core);
        std::erase_if(active, [&](std::int32_t r) { return std::find(core.begin(), core.end(), r) != core.end(); });
        if (!CannotAllBeMet(encoding, active, hint))
            break;
        core = encoding.Failed(active);
    }
    return reasons;
}

bool ThoroughScheduler::CannotAllBeMet(
    SatEncoding& encoding, const std::vector<std::int32_t>& requirements, const std::vector<ThoroughPlacement>& hint)
{
    return encoding.Solve(requirements, hint, kShrinkConflicts, Abort) == SatEncoding::Outcome::None
        && encoding.Failed(hint).empty();
}

// Drops each requirement in turn and keeps the drop when the rest still cannot
// be met; the solver's own proof may drop more at once. Each question to the
// solver spends one of `questions`.
std::vector<std::int32_t> ThoroughScheduler::Shrink(
    SatEncoding& encoding, std::vector<std::int32_t> core, const std::vector<ThoroughPlacement>& hint, int& questions)
{
    for (std::size_t i = 0; i < core.size() && core.size() > 1 && questions-- > 0 && !Abort;) {
        std::vector<std::int32_t> rest = core;
        rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(i));
        if (!CannotAllBeMet(encoding, rest, hint)) {
            ++i;
            continue;
        }
        const std::vector<std::int32_t> failed = encoding.Failed(rest);
        const std::size_t kept
            = static_cast<std::size_t>(std::count_if(core.begin(), core.begin() + static_cast<std::ptrdiff_t>(i),
                [&](std::int32_t r) { return std::find(failed.begin(), failed.end(), r) != failed.end(); }));
        core = failed;
        i = kept;
    }
    return core;
}

QString ThoroughScheduler::Describe(const ThoroughProblem& problem, const std::vector<std::int32_t>& core)
{
    // Subjects in the order the classes list them, with the classes that need them.
    std::vector<std::pair<std::int32_t, QStringList>> classesBySubject;
    std::vector<std::int32_t> classes;
    QStringList specials;
    bool lunch = false;
    for (std::int32_t index : core) {
        const ThoroughRequirement& requirement = problem.Requirements()[static_cast<std::size_t>(index)];
        const ThoroughSubject& subject = problem.Subjects()[static_cast<std::size_t>(requirement.Subject)];
        auto entry = std::find_if(classesBySubject.begin(), classesBySubject.end(),
            [&](const auto& e) { return e.first == requirement.Subject; });
        if (entry == classesBySubject.end())
            entry = classesBySubject.insert(classesBySubject.end(), { requirement.Subject, {} });
        entry->second << problem.Classes()[static_cast<std::size_t>(requirement.Class)].Name;
        if (std::find(classes.begin(), classes.end(), requirement.Class) == classes.end())
            classes.push_back(requirement.Class);
        lunch = lunch || subject.Lunch;
        for (const ThoroughOption& option : requirement.Options) {
            const QString& name = problem.Resources()[static_cast<std::size_t>(option.Resource)].Name;
            if (!subject.Lunch && !specials.contains(name))
                specials << name;
        }
    }
    auto subjectName = [&](std::int32_t subject) {
        const ThoroughSubject& entry = problem.Subjects()[static_cast<std::size_t>(subject)];
        return entry.Lunch ? QStringLiteral("lunch") : entry.Title;
    };
    QStringList changes;
    if (!specials.isEmpty())
        changes << QStringLiteral("more available time for ") + ThoroughProblem::JoinNames(specials);
    changes << (classes.size() == 1 ? QStringLiteral("a longer day") : QStringLiteral("longer days for these classes"));
    if (lunch)
        changes << QStringLiteral("more lunch seats or a longer lunch period");
    changes << QStringLiteral("fewer meetings");
    const QString last = changes.takeLast();
    QString change = changes.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
    change = QStringLiteral(" ") + change.left(1).toUpper() + change.mid(1) + QStringLiteral(" would make room.");

    if (classes.size() == 1) {
        const ThoroughClass& entry = problem.Classes()[static_cast<std::size_t>(classes[0])];
        QStringList subjects;
        for (const auto& [subject, names] : classesBySubject)
            subjects << (problem.Subjects()[static_cast<std::size_t>(subject)].Lunch
                    ? QStringLiteral("lunch with recess")
                    : subjectName(subject));
        return QStringLiteral("%1 cannot fit %2 into its day (%3-%4) at times when %5.")
                   .arg(entry.Name, ThoroughProblem::JoinNames(subjects), FormatTimeOfDay(entry.DayStart),
                       FormatTimeOfDay(entry.DayEnd),
                       specials.isEmpty() ? QStringLiteral("a lunch seat is free")
                                          : ThoroughProblem::JoinNames(specials) + QStringLiteral(" can take it"))
            + change;
    }
    QStringList parts;
    for (const auto& [subject, names] : classesBySubject)
        parts << subjectName(subject) + QStringLiteral(" for ") + ThoroughProblem::JoinNames(names);
    return QStringLiteral("No schedule gives all of these a time together: %1.").arg(parts.join(QStringLiteral("; ")))
        + change;
}

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
        std::vector<std::vector<std::pair<std::int32_t, std::int32_t>>> taken(static_cast<std::size_t>(seats));
        auto free = [&](std::int32_t s, std::int32_t start) {
            return std::none_of(taken[static_cast<std::size_t>(s)].begin(), taken[static_cast<std::size_t>(s)].end(),
                [&](const auto& t) { return start < t.second && t.first < start + length; });
        };
        if (keepFixed) {
            for (Lunch& lunch : lunches) {
                if (lunch.Seat >= 0)
                    taken[static_cast<std::size_t>(lunch.Chosen = lunch.Seat)].emplace_back(
                        lunch.Start, lunch.Start + length);
            }
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
            taken[static_cast<std::size_t>(lunch.Chosen)].emplace_back(lunch.Start, lunch.Start + length);
        }
        return true;
    };
    return seat(true) || seat(false);
}

} // namespace

std::shared_ptr<Schedule> ThoroughScheduler::Write(const GenerationInputs& inputs, const ThoroughProblem& problem,
    const std::vector<ThoroughPlacement>& placements, const std::vector<std::uint8_t>& keptFixed)
{
    RandomIdealScheduler writer;
    writer.CreateGrids(inputs.Classrooms, inputs.Specials, inputs.SlotsPerDay);
    const std::int32_t slotsPerDay = problem.SlotsPerDay();
    // Every meeting by day; lunches on seats alike wait for their seats.
    std::map<std::pair<std::int32_t, std::int32_t>, std::vector<Lunch>> lunches;
    auto add = [&](std::int32_t room, std::int32_t resource, std::int32_t special, std::int32_t day, std::int32_t start,
                   bool fixed) {
        const ThoroughResource& entry = problem.Resources()[static_cast<std::size_t>(resource)];
        if (entry.Capacity > 1) {
            const auto& seats = entry.Inputs;
            const auto seat = fixed ? std::find(seats.begin(), seats.end(), special) - seats.begin() : -1;
            lunches[{ resource, day }].push_back({ start, static_cast<std::int32_t>(seat), room });
            return;
        }
        writer.SchedulePair(ScheduleClassSpecial(inputs.Classrooms[static_cast<std::size_t>(room)],
            inputs.Specials[static_cast<std::size_t>(special)], { day * slotsPerDay + start }));
    };
    for (std::size_t i = 0; i < keptFixed.size(); ++i) {
        const ThoroughFixed& meeting = problem.FixedMeetings()[i];
        if (keptFixed[i])
            add(meeting.Class, meeting.Resource, meeting.Special, meeting.Day, meeting.Slot, true);
    }
    for (const ThoroughPlacement& placement : placements) {
        const ThoroughRequirement& requirement = problem.Unit(placement.Requirement);
        const ThoroughResource& resource = problem.Resources()[static_cast<std::size_t>(placement.Resource)];
        if (!placement.Pattern)
            return nullptr;
        for (std::int32_t day : placement.Pattern->MeetingDays())
            add(problem.Classes()[static_cast<std::size_t>(requirement.Class)].Input, placement.Resource,
                resource.Inputs[0], day, placement.Start, false);
    }
    // Days in order, each class offered the seat it had the day before.
    std::map<std::pair<std::int32_t, std::int32_t>, std::int32_t> seatOf;
    for (auto& [key, day] : lunches) {
        const ThoroughResource& resource = problem.Resources()[static_cast<std::size_t>(key.first)];
        for (Lunch& lunch : day) {
            const auto known = seatOf.find({ key.first, lunch.Room });
            lunch.Preferred = known == seatOf.end() ? -1 : known->second;
        }
        if (!SeatLunches(day, static_cast<std::int32_t>(resource.Inputs.size()), resource.SpecialLength))
            return nullptr;
        for (const Lunch& lunch : day) {
            seatOf[{ key.first, lunch.Room }] = lunch.Chosen;
            writer.SchedulePair(ScheduleClassSpecial(inputs.Classrooms[static_cast<std::size_t>(lunch.Room)],
                inputs.Specials[static_cast<std::size_t>(resource.Inputs[static_cast<std::size_t>(lunch.Chosen)])],
                { key.second * slotsPerDay + lunch.Start }));
        }
    }
    if (!writer.ValidateSchedule())
        return nullptr;
    return writer.ClassSchedule;
}

} // namespace belltide
