#include "CountingArguments.h"

#include "ClassLimits.h"
#include "ThoroughProblem.h"
#include "engine/Index.h"
#include "model/TimeText.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <set>
#include <tuple>

namespace belltide {

namespace {

QString DayName(std::int32_t day)
{
    static const char* const names[] = { "Monday", "Tuesday", "Wednesday", "Thursday", "Friday" };
    return QString::fromLatin1(names[std::clamp(day, 0, 4)]);
}

// How the days of a pattern with that many meetings are laid out, for "... at a
// time when it is free <on these days>".
QString PatternWords(std::int32_t count)
{
    switch (count) {
    case 1:
        return QStringLiteral("on any day");
    case 2:
        return QStringLiteral("at the same time on two days that are not next to each other");
    case 3:
        return QStringLiteral("at the same time on Monday, Wednesday and Friday");
    case 4:
        return QStringLiteral("at the same time on four days in a row");
    default:
        return QStringLiteral("at the same time every day");
    }
}

bool NeverStarts(const ThoroughProblem& problem, const std::vector<std::int32_t>& resources)
{
    return std::all_of(resources.begin(), resources.end(), [&](std::int32_t index) {
        const auto& canStart = problem.Resources()[ToIndex(index)].CanStart;
        return std::none_of(canStart.begin(), canStart.end(), [](std::uint8_t can) { return can != 0; });
    });
}

} // namespace

CountingArguments::CountingArguments(const ThoroughProblem& problem)
    : mProblem(problem)
    , mSubjectExplained(problem.Subjects().size(), 0)
    , mClassExplained(problem.Classes().size(), 0)
{
}

QStringList CountingArguments::Reasons()
{
    mReasons.clear();
    // Every block ends before the day's last slot, so a day of one slot holds none.
    if (mProblem.SlotsPerDay() < 2 && !mProblem.Requirements().empty()) {
        mReasons << QStringLiteral("The school day from %1 to %2 has no room for lunch or specials. A longer school "
                                   "day would make room.")
                        .arg(mProblem.TimeOfSlot(0), mProblem.TimeOfSlot(mProblem.SlotsPerDay()));
        return mReasons;
    }
    RequirementsWithoutOptions();
    ClassTime();
    FreeTime();
    SubjectCapacity();
    LunchCapacity();
    return mReasons;
}

QString CountingArguments::ClassNames(const std::vector<std::int32_t>& requirements) const
{
    QStringList names;
    for (std::int32_t index : requirements) {
        const auto& requirement = mProblem.Requirements()[ToIndex(index)];
        names << mProblem.Classes()[ToIndex(requirement.Class)].Name;
    }
    return ThoroughProblem::JoinNames(names);
}

QString CountingArguments::ClassDay(std::int32_t classIndex) const
{
    const ThoroughClass& entry = mProblem.Classes()[ToIndex(classIndex)];
    return FormatTimeOfDay(entry.DayStart) + u'-' + FormatTimeOfDay(entry.DayEnd);
}

std::uint32_t CountingArguments::ForcedDays(const ThoroughRequirement& requirement) const
{
    std::uint32_t possible = 0;
    for (const ThoroughOption& option : requirement.Options)
        possible |= option.PatternMask;
    std::uint32_t forced = 0x1f;
    for (std::size_t p = 0; p < requirement.Patterns.size(); ++p) {
        if (!(possible & (1u << p)))
            continue;
        std::uint32_t days = 0;
        for (std::int32_t day : requirement.Patterns[p].MeetingDays())
            days |= 1u << day;
        forced &= days;
    }
    return possible ? forced : 0;
}

std::int32_t CountingArguments::ShortestClassLength(const ThoroughRequirement& requirement) const
{
    std::int32_t shortest = 0;
    for (const ThoroughOption& option : requirement.Options) {
        const std::int32_t length = mProblem.Resources()[ToIndex(option.Resource)].ClassLength;
        shortest = shortest == 0 ? length : std::min(shortest, length);
    }
    return shortest;
}

// Requirements with no way at all to be held, one reason for each kind of
// trouble and class day.
void CountingArguments::RequirementsWithoutOptions()
{
    std::map<std::tuple<std::int32_t, std::int32_t, std::int32_t, std::int32_t>, std::vector<std::int32_t>> groups;
    for (std::size_t i = 0; i < mProblem.Requirements().size(); ++i) {
        const ThoroughRequirement& requirement = mProblem.Requirements()[i];
        if (!requirement.Options.empty())
            continue;
        const ThoroughClass& entry = mProblem.Classes()[ToIndex(requirement.Class)];
        if (ReportTooSmall(requirement)) {
            mClassExplained[ToIndex(requirement.Class)] = 1;
            continue;
        }
        groups[{ requirement.Subject, requirement.Count, entry.FirstSlot, entry.EndSlot }].push_back(
            static_cast<std::int32_t>(i));
        mClassExplained[ToIndex(requirement.Class)] = 1;
    }
    for (const auto& [key, requirements] : groups)
        ReportNoOptions(requirements);
}

// Every special of the subject takes fewer students than the class has.
bool CountingArguments::ReportTooSmall(const ThoroughRequirement& requirement)
{
    const ThoroughSubject& subject = mProblem.Subjects()[ToIndex(requirement.Subject)];
    const ThoroughClass& entry = mProblem.Classes()[ToIndex(requirement.Class)];
    std::int32_t most = 0;
    for (std::int32_t index : subject.Resources) {
        const ThoroughResource& resource = mProblem.Resources()[ToIndex(index)];
        if (ThoroughProblem::Takes(resource, entry))
            return false;
        most = std::max(most, resource.MaxStudents);
    }
    if (subject.Lunch || subject.Resources.empty())
        return false;
    mReasons << ClassLimits::TooManyStudents(entry.Name, entry.Students, subject.Title, most);
    return true;
}

void CountingArguments::ReportNoOptions(const std::vector<std::int32_t>& requirements)
{
    const ThoroughRequirement& first = mProblem.Requirements()[ToIndex(requirements[0])];
    const ThoroughSubject& subject = mProblem.Subjects()[ToIndex(first.Subject)];
    auto& explained = mSubjectExplained[ToIndex(first.Subject)];
    const QString classes = ClassNames(requirements);
    const bool several = requirements.size() > 1;
    const QString attend = several ? QStringLiteral("attend") : QStringLiteral("attends");
    if (subject.Resources.empty() && subject.Lunch) {
        if (!explained)
            mReasons << QStringLiteral("No class can have lunch: the lunchroom takes no classes at once. Let at "
                                       "least one class eat at a time.");
        explained = 1;
    } else if (subject.Resources.empty()) {
        mReasons << QStringLiteral("%1 %2 %3 %4 a week, but no special class teaches %3. Add a %3 special class or "
                                   "take %3 off the attendance.")
                        .arg(classes, attend, subject.Title, ThoroughProblem::Times(first.Count));
        explained = 1;
    } else if (first.Patterns.empty()) {
        mReasons << QStringLiteral("%1 %2 %3 %4 times a week, but a class meets a special at most once a day, five "
                                   "times a week.")
                        .arg(classes, attend, subject.Title)
                        .arg(first.Count);
    } else if (NeverStarts(mProblem, subject.Resources)) {
        if (!explained)
            ReportNeverFree(subject);
        explained = 1;
    } else {
        const QString day = ClassDay(first.Class);
        const QString are = several ? QStringLiteral("are") : QStringLiteral("is");
        mReasons << (subject.Lunch ? NoTimeForLunch(classes, are, day)
                                   : NoTimeForMeetings(subject, first, classes, are, day));
    }
}

QString CountingArguments::LunchPeriod() const
{
    // The period as entered: its last slot is open for lunch too.
    return QStringLiteral("between %1 and %2")
        .arg(mProblem.TimeOfSlot(mProblem.LunchFirstSlot()), mProblem.TimeOfSlot(mProblem.LunchEndSlot() - 1));
}

QString CountingArguments::MeetingLength(const ThoroughResource& resource)
{
    const std::int32_t passing = resource.ClassLength - resource.Duration;
    return QStringLiteral("a meeting of %1").arg(ThoroughProblem::Minutes(resource.Duration))
        + (passing > 0 ? QStringLiteral(" and %1 of passing time").arg(ThoroughProblem::Minutes(passing)) : QString());
}

// No class at all could hold the subject, whatever its day.
void CountingArguments::ReportNeverFree(const ThoroughSubject& subject)
{
    const ThoroughResource& resource = mProblem.Resources()[ToIndex(subject.Resources[0])];
    // A meeting shorter than a slot is never counted as held.
    if (resource.Duration < 1) {
        mReasons << QStringLiteral("%1 lasts less than 5 minutes, too short to be held. Make it last 5 minutes or "
                                   "more.")
                        .arg(subject.Lunch ? QStringLiteral("Lunch") : resource.Name);
        return;
    }
    if (subject.Lunch && mProblem.LunchEndSlot() <= mProblem.LunchFirstSlot()) {
        mReasons << QStringLiteral("The lunch period lies outside the school day. A lunch period inside the school "
                                   "day would make room.");
        return;
    }
    if (subject.Lunch) {
        mReasons << QStringLiteral("Lunch %1 has no room for a lunch of %2 before the school day ends. A longer lunch "
                                   "period or a shorter lunch would make room.")
                        .arg(LunchPeriod(), ThoroughProblem::Minutes(resource.Duration));
        return;
    }
    const bool one = subject.Resources.size() == 1;
    mReasons << QStringLiteral("%1 %2 never free long enough for %3 before the school day ends. More available time "
                               "or shorter meetings would make room.")
                    .arg(one ? resource.Name : subject.Title,
                        one ? QStringLiteral("is") : QStringLiteral("specials are"), MeetingLength(resource));
}

QString CountingArguments::NoTimeForLunch(const QString& classes, const QString& are, const QString& day) const
{
    const auto lunch = std::find_if(mProblem.Subjects().begin(), mProblem.Subjects().end(),
        [](const ThoroughSubject& subject) { return subject.Lunch; });
    const ThoroughResource& seats = mProblem.Resources()[ToIndex(lunch->Resources[0])];
    const std::int32_t recess = seats.ClassLength - seats.Duration;
    return QStringLiteral("%1 %2 at school %3, which leaves no time for lunch %4%5. A longer day or another lunch "
                          "period would make room.")
        .arg(classes, are, day, LunchPeriod(),
            recess > 0 ? QStringLiteral(" followed by %1 of recess").arg(ThoroughProblem::Minutes(recess)) : QString());
}

QString CountingArguments::NoTimeForMeetings(const ThoroughSubject& subject, const ThoroughRequirement& requirement,
    const QString& classes, const QString& are, const QString& day) const
{
    const ThoroughResource& resource = mProblem.Resources()[ToIndex(subject.Resources[0])];
    const QString who = subject.Resources.size() == 1
        ? resource.Name + QStringLiteral(" is never free")
        : QStringLiteral("no %1 special class is free").arg(subject.Title);
    return QStringLiteral("%1 %2 at school %3, but %4 then for %5 %6. A longer day, more available time for %7 or "
                          "fewer meetings a week would make room.")
        .arg(classes, are, day, who, MeetingLength(resource), PatternWords(requirement.Count), subject.Title);
}

// A class's blocks never overlap, so they must fit, passing times included, into
// its day; on days that every allowed pattern uses, and over the week.
void CountingArguments::ClassTime()
{
    for (std::size_t c = 0; c < mProblem.Classes().size(); ++c) {
        if (mClassExplained[c])
            continue;
        const ThoroughClass& entry = mProblem.Classes()[c];
        const std::int32_t day = entry.EndSlot - entry.FirstSlot;
        std::array<std::int32_t, 5> load {};
        std::int32_t week = 0;
        for (std::int32_t index : entry.Requirements) {
            const ThoroughRequirement& requirement = mProblem.Requirements()[ToIndex(index)];
            const std::int32_t length = ShortestClassLength(requirement);
            week += length * requirement.Count;
            const std::uint32_t forced = ForcedDays(requirement);
            for (std::int32_t d = 0; d < 5; ++d)
                load[ToIndex(d)] += (forced & (1u << d)) ? length : 0;
        }
        const QString span = QStringLiteral("between %1 and %2")
                                 .arg(mProblem.TimeOfSlot(entry.FirstSlot), mProblem.TimeOfSlot(entry.EndSlot));
        const auto busiest = std::max_element(load.begin(), load.end());
        if (*busiest > day) {
            mReasons << QStringLiteral("%1 needs %2 every %3 for lunch with recess and the specials it always has "
                                       "then, passing times included, but has only %4 %5. A longer day or fewer or "
                                       "shorter meetings would make room.")
                            .arg(entry.Name, ThoroughProblem::Minutes(*busiest),
                                DayName(static_cast<std::int32_t>(busiest - load.begin())),
                                ThoroughProblem::Minutes(std::max(day, 0)), span);
        } else if (week > 5 * day) {
            mReasons << QStringLiteral("%1 needs %2 a week for lunch with recess and its specials, passing times "
                                       "included, but has only %3 a day %4. A longer day or fewer or shorter "
                                       "meetings would make room.")
                            .arg(entry.Name, ThoroughProblem::Minutes(week), ThoroughProblem::Minutes(day), span);
        } else {
            continue;
        }
        mClassExplained[c] = 1;
    }
}

// Each day, the class's lunch and the specials it has that day whatever its
// pattern, each at a time it may take, must leave a stretch of its own day as
// long as it keeps free.
void CountingArguments::FreeTime()
{
    for (std::size_t c = 0; c < mProblem.Classes().size(); ++c) {
        const ThoroughClass& entry = mProblem.Classes()[c];
        if (mClassExplained[c] || entry.FreeLength == 0)
            continue;
        for (std::int32_t day = 0; day < 5; ++day) {
            std::vector<std::vector<ClassLimits::Way>> blocks;
            QStringList held;
            QString lunch;
            for (std::int32_t index : entry.Requirements) {
                const ThoroughRequirement& requirement = mProblem.Requirements()[ToIndex(index)];
                if (!(ForcedDays(requirement) & (1u << day)))
                    continue;
                std::vector<ClassLimits::Way>& ways = blocks.emplace_back();
                for (const ThoroughOption& option : requirement.Options)
                    ways.push_back({ option.Start, mProblem.Resources()[ToIndex(option.Resource)].ClassLength });
                const ThoroughSubject& subject = mProblem.Subjects()[ToIndex(requirement.Subject)];
                if (subject.Lunch)
                    lunch = QStringLiteral("lunch");
                else
                    held << subject.Title;
            }
            if (!lunch.isEmpty())
                held << lunch;
            const std::int32_t longest = ClassLimits::LongestPossible(entry.FreeFirst, entry.FreeEnd, blocks);
            if (longest < 0 || longest >= entry.FreeLength)
                continue;
            mReasons << ClassLimits::CannotKeepFreeTime(
                entry.Name, entry.FreeMinutes, DayName(day), held, 5 * (entry.FreeEnd - entry.FreeFirst), 5 * longest);
            mClassExplained[c] = 1;
            break;
        }
    }
}

namespace {

// What one subject's specials are called in a reason, and whose times they keep.
std::pair<QString, QString> SubjectWords(const ThoroughProblem& problem, const ThoroughSubject& subject)
{
    const auto& resources = problem.Resources();
    if (subject.Resources.size() == 1) {
        const ThoroughResource& resource = resources[ToIndex(subject.Resources[0])];
        return { resource.Name,
            resource.Teacher.isEmpty() ? QStringLiteral("it is") : resource.Teacher + QStringLiteral(" is") };
    }
    QStringList teachers;
    for (std::int32_t index : subject.Resources)
        teachers << resources[ToIndex(index)].Teacher;
    if (teachers.contains(QString()))
        return { QStringLiteral("The %1 %2 special classes").arg(subject.Resources.size()).arg(subject.Title),
            QStringLiteral("they are") };
    return { subject.Title + QStringLiteral(" (") + teachers.join(QStringLiteral(", ")) + u')',
        QStringLiteral("they are") };
}

} // namespace

// Hall's condition over class days: the classes whose days lie inside one
// stretch of the day need no more meetings than the subject's specials can hold
// in that stretch, over the week and on each day every such class must come.
void CountingArguments::SubjectCapacity()
{
    const auto& requirements = mProblem.Requirements();
    for (std::size_t u = 0; u < mProblem.Subjects().size(); ++u) {
        const ThoroughSubject& subject = mProblem.Subjects()[u];
        if (subject.Lunch || mSubjectExplained[u])
            continue;
        std::vector<std::int32_t> wanting;
        bool placeable = true;
        for (std::size_t i = 0; i < requirements.size(); ++i) {
            if (requirements[i].Subject != static_cast<std::int32_t>(u))
                continue;
            wanting.push_back(static_cast<std::int32_t>(i));
            placeable = placeable && !requirements[i].Options.empty();
        }
        if (wanting.empty() || !placeable)
            continue;
        const std::optional<Shortfall> worst = WorstShortfall(subject, wanting);
        if (!worst)
            continue;
        mReasons << ShortfallReason(subject, *worst, worst->Classes.size() == wanting.size());
        mSubjectExplained[u] = 1;
    }
}

std::optional<CountingArguments::Shortfall> CountingArguments::WorstShortfall(
    const ThoroughSubject& subject, const std::vector<std::int32_t>& wanting) const
{
    const auto& requirements = mProblem.Requirements();
    std::set<std::int32_t> firsts;
    std::set<std::int32_t> ends;
    for (std::int32_t index : wanting) {
        const ThoroughClass& entry = mProblem.Classes()[ToIndex(requirements[ToIndex(index)].Class)];
        firsts.insert(entry.FirstSlot);
        ends.insert(entry.EndSlot);
    }
    std::optional<Shortfall> worst;
    auto consider = [&](Shortfall candidate) {
        const std::int32_t lack = candidate.Need - candidate.Room;
        // Whole weeks before single days, then the biggest lack, then the widest stretch.
        const auto rank
            = [](const Shortfall& s) { return std::make_tuple(s.Day < 0, s.Need - s.Room, s.End - s.First); };
        if (lack > 0 && (!worst || rank(candidate) > rank(*worst)))
            worst = std::move(candidate);
    };
    for (std::int32_t first : firsts) {
        for (std::int32_t end : ends) {
            std::vector<std::int32_t> inside;
            std::int32_t need = 0;
            for (std::int32_t index : wanting) {
                const ThoroughRequirement& requirement = requirements[ToIndex(index)];
                const ThoroughClass& entry = mProblem.Classes()[ToIndex(requirement.Class)];
                if (entry.FirstSlot >= first && entry.EndSlot <= end) {
                    inside.push_back(index);
                    need += requirement.Count;
                }
            }
            if (inside.empty() || first >= end)
                continue;
            std::array<std::int32_t, 5> room {};
            for (std::int32_t resource : subject.Resources) {
                for (std::int32_t d = 0; d < 5; ++d)
                    room[ToIndex(d)] += mProblem.MostMeetings(mProblem.Resources()[ToIndex(resource)], d, first, end);
            }
            consider({ need, room[0] + room[1] + room[2] + room[3] + room[4], first, end, -1, inside });
            for (std::int32_t d = 0; d < 5; ++d) {
                std::vector<std::int32_t> forced;
                for (std::int32_t index : inside) {
                    if (ForcedDays(requirements[ToIndex(index)]) & (1u << d))
                        forced.push_back(index);
                }
                consider({ static_cast<std::int32_t>(forced.size()), room[ToIndex(d)], first, end, d, forced });
            }
        }
    }
    return worst;
}

QString CountingArguments::ShortfallReason(const ThoroughSubject& subject, const Shortfall& worst, bool everyone) const
{
    const auto [name, keeper] = SubjectWords(mProblem, subject);
    const QString meetings = QStringLiteral("meetings");
    const QString stretch
        = QStringLiteral("between %1 and %2").arg(mProblem.TimeOfSlot(worst.First), mProblem.TimeOfSlot(worst.End));
    QString text;
    if (worst.Day >= 0) {
        text = QStringLiteral("%1 can hold at most %2 on a %3 %4, but %5 must meet %6 every %3 then.")
                   .arg(name, ThoroughProblem::Quantity(worst.Room, QStringLiteral("meeting"), meetings),
                       DayName(worst.Day), stretch, ClassNames(worst.Classes), subject.Title);
    } else if (everyone) {
        text = QStringLiteral("%1 can hold at most %2 a week in the times %3 available, but the classes need %4.")
                   .arg(name, ThoroughProblem::Quantity(worst.Room, QStringLiteral("meeting"), meetings), keeper)
                   .arg(worst.Need);
    } else {
        text = QStringLiteral("%1 can hold at most %2 a week %3, when %4 %5 at school, but %6 %7.")
                   .arg(name, ThoroughProblem::Quantity(worst.Room, QStringLiteral("meeting"), meetings), stretch,
                       ClassNames(worst.Classes),
                       worst.Classes.size() > 1 ? QStringLiteral("are") : QStringLiteral("is"),
                       worst.Classes.size() > 1 ? QStringLiteral("they need") : QStringLiteral("it needs"))
                   .arg(worst.Need);
    }
    return text
        + QStringLiteral(" More available time for %1, another %1 teacher or fewer %1 meetings would make room.")
              .arg(subject.Title);
}

// The same over the lunch period: the classes that can only eat inside a
// stretch of it cannot be more than the seats feed there, every day.
void CountingArguments::LunchCapacity()
{
    const auto lunch = std::find_if(mProblem.Subjects().begin(), mProblem.Subjects().end(),
        [](const ThoroughSubject& subject) { return subject.Lunch; });
    if (lunch == mProblem.Subjects().end() || lunch->Resources.size() != 1
        || mSubjectExplained[ToIndex(lunch - mProblem.Subjects().begin())])
        return;
    const auto lunchId = static_cast<std::int32_t>(lunch - mProblem.Subjects().begin());
    const ThoroughResource& seats = mProblem.Resources()[ToIndex(lunch->Resources[0])];
    struct Eater {
        std::int32_t Requirement;
        std::int32_t First;
        std::int32_t Last;
    };
    std::vector<Eater> eaters;
    for (std::size_t i = 0; i < mProblem.Requirements().size(); ++i) {
        const ThoroughRequirement& requirement = mProblem.Requirements()[i];
        if (requirement.Subject != lunchId)
            continue;
        if (requirement.Options.empty())
            return;
        eaters.push_back(
            { static_cast<std::int32_t>(i), requirement.Options.front().Start, requirement.Options.back().Start });
    }
    std::optional<std::tuple<std::int32_t, std::int32_t, std::int32_t, std::int32_t>> worst;
    std::vector<std::int32_t> worstClasses;
    for (const Eater& from : eaters) {
        for (const Eater& to : eaters) {
            if (to.Last < from.First)
                continue;
            std::vector<std::int32_t> inside;
            for (const Eater& eater : eaters) {
                if (eater.First >= from.First && eater.Last <= to.Last)
                    inside.push_back(eater.Requirement);
            }
            std::int32_t room = seats.Capacity * mProblem.SlotsPerDay();
            for (std::int32_t d = 0; d < 5; ++d)
                room = std::min(room, mProblem.MostMeetings(seats, d, from.First, to.Last + seats.ClassLength));
            const auto need = static_cast<std::int32_t>(inside.size());
            const auto rank = std::make_tuple(need - room, to.Last - from.First, room, from.First);
            if (need > room && (!worst || rank > *worst)) {
                worst = rank;
                worstClasses = std::move(inside);
            }
        }
    }
    if (!worst)
        return;
    [[maybe_unused]] const auto [lack, width, room, first] = *worst;
    const QString text
        = QStringLiteral("At most %1 can eat between %2 and %3 with %4 and lunches of %5, ")
              .arg(ThoroughProblem::Quantity(room, QStringLiteral("class"), QStringLiteral("classes")),
                  mProblem.TimeOfSlot(first), mProblem.TimeOfSlot(first + width + seats.Duration),
                  ThoroughProblem::Quantity(seats.Capacity, QStringLiteral("seat"), QStringLiteral("seats")),
                  ThoroughProblem::Minutes(seats.Duration));
    mReasons << text
            + (worstClasses.size() == eaters.size()
                    ? QStringLiteral("but there are %1 classes.").arg(eaters.size())
                    : QStringLiteral("but %1 can eat only then: %2.")
                          .arg(ThoroughProblem::Quantity(static_cast<std::int32_t>(worstClasses.size()),
                                   QStringLiteral("class"), QStringLiteral("classes")),
                              ClassNames(worstClasses)))
            + QStringLiteral(" More seats, a longer lunch period or shorter lunches would make room.");
}

} // namespace belltide
