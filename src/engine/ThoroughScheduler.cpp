#include "ThoroughScheduler.h"

#include "ClassLimits.h"
#include "CountingArguments.h"
#include "EngineLog.h"
#include "RandomIdealScheduler.h"
#include "SatEncoding.h"
#include "Schedule.h"
#include "ScheduleClassroom.h"
#include "ScheduleGenerator.h"
#include "ScheduleSpecial.h"
#include "ThoroughHint.h"
#include "ThoroughProblem.h"
#include "ThoroughRepair.h"
#include "ThoroughWriter.h"
#include "engine/Index.h"
#include "model/TimeText.h"

#include <QElapsedTimer>

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
    ThoroughStatistics& statistics = result.Statistics;
    QElapsedTimer timer;
    timer.start();
    double lapStart = 0;
    auto lap = [&] {
        const double now = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        const double seconds = now - lapStart;
        lapStart = now;
        return seconds;
    };
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
    statistics.CountingSeconds = lap();

    const QString preparing = QStringLiteral("Preparing the thorough search...");
    // Most schools that have a schedule are done by the repair, which takes
    // the first tenth of the way.
    constexpr double kRepairShare = 0.1;
    const ThoroughHint hint(inputs, Abort);
    statistics.HintSeconds = lap();
    ThoroughRepair repair(inputs, hint, Abort);
    if (RepairFirst)
        result.Schedule = repair.Run([&](double share) { report(preparing, kRepairShare * share); }, result.Released);
    statistics.RepairSeconds = lap();
    statistics.Repaired = bool(result.Schedule);
    statistics.Requirements = static_cast<std::int64_t>(problem.Requirements().size());
    statistics.HintPlacements = static_cast<std::int64_t>(hint.Placements(problem).size());
    if (result.Schedule && !Abort) {
        statistics.Clauses = repair.LastClauseCount();
        report(preparing, 1);
        report(QStringLiteral("Searching thoroughly..."), -1);
    }
    if (Abort)
        return { {}, {}, {}, true, statistics };
    if (result.Schedule)
        return result;

    SatEncoding encoding(problem);
    encoding.MemoryBudget(MemoryBudgetMB * 1024 * 1024);
    const bool built
        = encoding.Build(Abort, [&](double share) { report(preparing, kRepairShare + (1 - kRepairShare) * share); });
    statistics.EncodingSeconds = lap();
    statistics.Variables = encoding.VariableCount();
    statistics.Clauses = encoding.ClauseCount();
    statistics.Literals = encoding.LiteralCount();
    statistics.Families = encoding.Families();
    if (!built) {
        result.Aborted = Abort;
        if (!Abort)
            result.Reasons << TooLarge();
        return result;
    }
    std::vector<std::int32_t> all(problem.Requirements().size());
    std::iota(all.begin(), all.end(), 0);
    std::vector<std::int32_t> groups(problem.FixedGroups().size());
    std::iota(groups.begin(), groups.end(), 0);
    encoding.Hold(groups, groups);
    report(QStringLiteral("Searching thoroughly..."), -1);
    std::vector<ThoroughPlacement> guide = encoding.InTwinOrder(hint.Placements(problem));
    SatEncoding::Outcome outcome = Search(encoding, all, guide);
    statistics.SolvingSeconds = lap();
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
        result.Schedule = ThoroughWriter::Write(inputs, problem, encoding.Placements(all), kept);
        if (!result.Schedule)
            result.Reasons << QStringLiteral("The thorough search made a schedule that breaks a rule. Please report "
                                             "this school to us.");
        break;
    }
    case SatEncoding::Outcome::None:
        result.Reasons = anyFixed ? ExplainImpossible(encoding, problem, all, progress)
                                  : Explain(encoding, problem, guide, progress);
        break;
    case SatEncoding::Outcome::Unknown:
        break;
    }
    statistics.ExplainingSeconds = lap();
    result.Aborted = Abort;
    if (result.Aborted) {
        result.Schedule.reset();
        result.Reasons.clear();
        result.Released.clear();
    }
    return result;
}

QString ThoroughScheduler::TooLarge() const
{
    return QStringLiteral("This school is too large to search thoroughly within the %1 MB of memory the search may "
                          "use: no schedule was found, and none was proved impossible. Fewer classes, fewer specials "
                          "or fewer times at which they may meet make the search smaller.")
        .arg(MemoryBudgetMB);
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
        for (std::int32_t index : problem.FixedGroups()[ToIndex(group)].Pinned)
            meetings << problem.DescribeFixed(problem.FixedMeetings()[ToIndex(index)]);
    }
    QStringList others;
    for (std::int32_t index : needing) {
        const ThoroughRequirement& requirement = problem.Requirements()[ToIndex(index)];
        const ThoroughSubject& subject = problem.Subjects()[ToIndex(requirement.Subject)];
        others << (subject.Lunch ? QStringLiteral("lunch") : subject.Title) + QStringLiteral(" for ")
                + problem.Classes()[ToIndex(requirement.Class)].Name;
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

// First with the quick attempt's placements held, giving back those that
// stand in the way, then with nothing held. The guide that is left is kept
// for the reasons.
SatEncoding::Outcome ThoroughScheduler::Search(
    SatEncoding& encoding, const std::vector<std::int32_t>& all, std::vector<ThoroughPlacement>& guide)
{
    qCDebug(lcEngine) << "thorough search:" << all.size() << "requirements," << encoding.VariableCount() << "variables,"
                      << encoding.ClauseCount() << "clauses," << guide.size() << "placements from the quick search";
    const SatEncoding::Outcome outcome = ThoroughHint::Guide(encoding, all, guide, ThoroughHint::kAllAtOnce, Abort);
    if (outcome != SatEncoding::Outcome::Unknown)
        return outcome;
    return encoding.Solve(all, {}, -1, Abort);
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
        reasons << Describe(problem, core, FreeDaysNeeded(encoding, core, hint, questions));
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
        const std::size_t kept = ToIndex(std::count_if(core.begin(), core.begin() + static_cast<std::ptrdiff_t>(i),
            [&](std::int32_t r) { return std::find(failed.begin(), failed.end(), r) != failed.end(); }));
        core = failed;
        i = kept;
    }
    return core;
}

// The classes' days whose free stretch the proof that `core` cannot all be
// met needs, cut down as the questions left allow; none when the proof holds
// without any.
std::vector<SatEncoding::FreeDay> ThoroughScheduler::FreeDaysNeeded(SatEncoding& encoding,
    const std::vector<std::int32_t>& core, const std::vector<ThoroughPlacement>& hint, int& questions)
{
    if (encoding.FreeDays().empty() || !CannotAllBeMet(encoding, core, hint))
        return {};
    std::vector<std::int32_t> needed = encoding.FailedFreeDays();
    const auto allBut = [&](const std::vector<std::int32_t>& kept) {
        std::vector<std::int32_t> out;
        for (std::int32_t i = 0; i < static_cast<std::int32_t>(encoding.FreeDays().size()); ++i) {
            if (std::find(kept.begin(), kept.end(), i) == kept.end())
                out.push_back(i);
        }
        return out;
    };
    for (std::size_t i = 0; i < needed.size() && questions-- > 0 && !Abort;) {
        std::vector<std::int32_t> rest = needed;
        rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(i));
        encoding.LeaveOutFreeDays(allBut(rest));
        if (CannotAllBeMet(encoding, core, hint))
            needed = encoding.FailedFreeDays();
        else
            ++i;
    }
    encoding.LeaveOutFreeDays({});
    std::vector<SatEncoding::FreeDay> days;
    days.reserve(needed.size());
    for (std::int32_t index : needed)
        days.push_back(encoding.FreeDays()[ToIndex(index)]);
    return days;
}

namespace {

// "45 uninterrupted minutes for 2nd: Ms. Hughes on Monday and for 3rd: Mr. Lopez on Monday and Tuesday".
QString FreeDaysWords(const ThoroughProblem& problem, const std::vector<SatEncoding::FreeDay>& days)
{
    std::vector<std::pair<std::int32_t, QStringList>> byClass;
    for (const SatEncoding::FreeDay& day : days) {
        auto entry = std::find_if(byClass.begin(), byClass.end(), [&](const auto& e) { return e.first == day.Class; });
        if (entry == byClass.end())
            entry = byClass.insert(byClass.end(), { day.Class, {} });
        entry->second << ClassLimits::DayName(day.Day);
    }
    QStringList parts;
    for (const auto& [classIndex, names] : byClass)
        parts << QStringLiteral("for %1 on %2")
                     .arg(problem.Classes()[ToIndex(classIndex)].Name, ThoroughProblem::JoinNames(names));
    const std::int32_t minutes = problem.Classes()[ToIndex(days.front().Class)].FreeMinutes;
    return QStringLiteral("%1 uninterrupted minutes ").arg(minutes) + parts.join(QStringLiteral(" and "));
}

} // namespace

QString ThoroughScheduler::Describe(const ThoroughProblem& problem, const std::vector<std::int32_t>& core,
    const std::vector<SatEncoding::FreeDay>& freeDays)
{
    // Subjects in the order the classes list them, with the classes that need them.
    std::vector<std::pair<std::int32_t, QStringList>> classesBySubject;
    std::vector<std::int32_t> classes;
    QStringList specials;
    bool lunch = false;
    for (std::int32_t index : core) {
        const ThoroughRequirement& requirement = problem.Requirements()[ToIndex(index)];
        const ThoroughSubject& subject = problem.Subjects()[ToIndex(requirement.Subject)];
        auto entry = std::find_if(classesBySubject.begin(), classesBySubject.end(),
            [&](const auto& e) { return e.first == requirement.Subject; });
        if (entry == classesBySubject.end())
            entry = classesBySubject.insert(classesBySubject.end(), { requirement.Subject, {} });
        entry->second << problem.Classes()[ToIndex(requirement.Class)].Name;
        if (std::find(classes.begin(), classes.end(), requirement.Class) == classes.end())
            classes.push_back(requirement.Class);
        lunch = lunch || subject.Lunch;
        for (const ThoroughOption& option : requirement.Options) {
            const QString& name = problem.Resources()[ToIndex(option.Resource)].Name;
            if (!subject.Lunch && !specials.contains(name))
                specials << name;
        }
    }
    auto subjectName = [&](std::int32_t subject) {
        const ThoroughSubject& entry = problem.Subjects()[ToIndex(subject)];
        return entry.Lunch ? QStringLiteral("lunch") : entry.Title;
    };
    QStringList changes;
    if (!specials.isEmpty())
        changes << QStringLiteral("more available time for ") + ThoroughProblem::JoinNames(specials);
    changes << (classes.size() == 1 ? QStringLiteral("a longer day") : QStringLiteral("longer days for these classes"));
    if (lunch)
        changes << QStringLiteral("more lunch seats or a longer lunch period");
    if (!freeDays.empty())
        changes << QStringLiteral("a shorter interrupt-free time");
    changes << QStringLiteral("fewer meetings");
    const QString keeping
        = freeDays.empty() ? QString() : QStringLiteral(", keeping ") + FreeDaysWords(problem, freeDays);
    const QString last = changes.takeLast();
    QString change = changes.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
    change = QStringLiteral(" ") + change.left(1).toUpper() + change.mid(1) + QStringLiteral(" would make room.");

    if (classes.size() == 1) {
        const ThoroughClass& entry = problem.Classes()[ToIndex(classes[0])];
        QStringList subjects;
        for (const auto& [subject, names] : classesBySubject)
            subjects << (problem.Subjects()[ToIndex(subject)].Lunch ? QStringLiteral("lunch with recess")
                                                                    : subjectName(subject));
        return QStringLiteral("%1 cannot fit %2 into its day (%3-%4) at times when %5%6.")
                   .arg(entry.Name, ThoroughProblem::JoinNames(subjects), FormatTimeOfDay(entry.DayStart),
                       FormatTimeOfDay(entry.DayEnd),
                       specials.isEmpty() ? QStringLiteral("a lunch seat is free")
                                          : ThoroughProblem::JoinNames(specials) + QStringLiteral(" can take it"),
                       keeping)
            + change;
    }
    QStringList parts;
    for (const auto& [subject, names] : classesBySubject)
        parts << subjectName(subject) + QStringLiteral(" for ") + ThoroughProblem::JoinNames(names);
    return QStringLiteral("No schedule gives all of these a time together%1: %2.")
               .arg(keeping, parts.join(QStringLiteral("; ")))
        + change;
}

} // namespace belltide
