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
    result.Reasons = CountingArguments(problem).Reasons();
    if (!result.Reasons.isEmpty())
        return result;

    SatEncoding encoding(problem);
    const QString preparing = QStringLiteral("Preparing the thorough search...");
    if (!encoding.Build(Abort, [&](double share) { report(preparing, share); })) {
        result.Aborted = true;
        return result;
    }
    std::vector<std::int32_t> all(problem.Requirements().size());
    std::iota(all.begin(), all.end(), 0);
    report(QStringLiteral("Searching thoroughly..."), -1);
    std::vector<ThoroughPlacement> hint = encoding.InTwinOrder(QuickHint(inputs, problem));
    const SatEncoding::Outcome outcome = Search(encoding, all, hint);
    switch (outcome) {
    case SatEncoding::Outcome::Found:
        result.Schedule = Write(inputs, problem, encoding.Placements(all));
        if (!result.Schedule)
            result.Reasons << QStringLiteral("The thorough search made a schedule that breaks a rule. Please report "
                                             "this school to us.");
        break;
    case SatEncoding::Outcome::None:
        result.Reasons = Explain(encoding, problem, hint, progress);
        break;
    case SatEncoding::Outcome::Unknown:
        break;
    }
    result.Aborted = Abort;
    if (result.Aborted) {
        result.Schedule.reset();
        result.Reasons.clear();
    }
    return result;
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
// are ways the thorough search knows.
std::vector<ThoroughPlacement> ThoroughScheduler::QuickHint(
    const GenerationInputs& inputs, const ThoroughProblem& problem)
{
    std::map<const ScheduleObject*, std::int32_t> resourceOf;
    for (std::size_t k = 0; k < problem.Resources().size(); ++k) {
        for (std::int32_t input : problem.Resources()[k].Inputs)
            resourceOf[inputs.Specials[static_cast<std::size_t>(input)].get()] = static_cast<std::int32_t>(k);
    }
    const std::int32_t slotsPerDay = problem.SlotsPerDay();
    std::vector<ThoroughPlacement> best;
    for (std::uint64_t seed : kHintSeeds) {
        RandomIdealScheduler scheduler(seed);
        scheduler.Schedule(inputs.Classrooms, inputs.Specials, inputs.SlotsPerDay);
        if (!scheduler.ClassSchedule || Abort)
            break;
        std::vector<ThoroughPlacement> placements;
        for (const ThoroughClass& entry : problem.Classes()) {
            const ScheduleObject& row = *inputs.Classrooms[static_cast<std::size_t>(entry.Input)];
            // Resource to the days and the slot of its meetings.
            std::map<std::int32_t, std::pair<std::uint32_t, std::int32_t>> meetings;
            for (std::int32_t minute = 0, length = 0; minute < 5 * slotsPerDay; minute += std::max(length, 1)) {
                const auto item = scheduler.ClassSchedule->ScheduledItem(row, minute, length);
                const auto resource = item ? resourceOf.find(item.get()) : resourceOf.end();
                if (resource != resourceOf.end()) {
                    auto& [days, slot] = meetings[resource->second];
                    days |= 1u << (minute / slotsPerDay);
                    slot = minute % slotsPerDay;
                }
            }
            for (const auto& [resource, meeting] : meetings) {
                const std::int32_t subject = problem.Resources()[static_cast<std::size_t>(resource)].Subject;
                for (std::int32_t index : entry.Requirements) {
                    const ThoroughRequirement& requirement = problem.Requirements()[static_cast<std::size_t>(index)];
                    if (requirement.Subject != subject)
                        continue;
                    for (const DayPattern& pattern : requirement.Patterns) {
                        if (DayMask(pattern.MeetingDays()) == meeting.first)
                            placements.push_back({ index, resource, meeting.second, &pattern });
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

std::shared_ptr<Schedule> ThoroughScheduler::Write(
    const GenerationInputs& inputs, const ThoroughProblem& problem, const std::vector<ThoroughPlacement>& placements)
{
    RandomIdealScheduler writer;
    writer.CreateGrids(inputs.Classrooms, inputs.Specials, inputs.SlotsPerDay);
    // Lunches by start time, each onto the first seat free by then: never more
    // seats than lunches at one time.
    std::vector<const ThoroughPlacement*> ordered;
    for (const ThoroughPlacement& placement : placements)
        ordered.push_back(&placement);
    std::stable_sort(ordered.begin(), ordered.end(),
        [](const ThoroughPlacement* a, const ThoroughPlacement* b) { return a->Start < b->Start; });
    std::map<std::int32_t, std::vector<std::int32_t>> seatFreeAt;
    for (const ThoroughPlacement* placement : ordered) {
        const ThoroughRequirement& requirement
            = problem.Requirements()[static_cast<std::size_t>(placement->Requirement)];
        const ThoroughResource& resource = problem.Resources()[static_cast<std::size_t>(placement->Resource)];
        std::vector<std::int32_t>& freeAt = seatFreeAt[placement->Resource];
        freeAt.resize(resource.Inputs.size(), 0);
        // Seats alike are used at the same slot every day; a special is itself.
        auto seat = freeAt.begin();
        if (resource.Capacity > 1) {
            seat = std::find_if(freeAt.begin(), freeAt.end(), [&](std::int32_t at) { return at <= placement->Start; });
            if (seat == freeAt.end())
                return nullptr;
            *seat = placement->Start + resource.SpecialLength;
        }
        if (!placement->Pattern)
            return nullptr;
        std::vector<std::int32_t> minutes;
        for (std::int32_t day : placement->Pattern->MeetingDays())
            minutes.push_back(day * problem.SlotsPerDay() + placement->Start);
        const auto& room = inputs.Classrooms[static_cast<std::size_t>(
            problem.Classes()[static_cast<std::size_t>(requirement.Class)].Input)];
        const std::int32_t input = resource.Inputs[static_cast<std::size_t>(seat - freeAt.begin())];
        const auto& special = inputs.Specials[static_cast<std::size_t>(input)];
        writer.SchedulePair(ScheduleClassSpecial(room, special, std::move(minutes)));
    }
    if (!writer.ValidateSchedule())
        return nullptr;
    return writer.ClassSchedule;
}

} // namespace belltide
