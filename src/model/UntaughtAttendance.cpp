#include "UntaughtAttendance.h"

#include "Classroom.h"
#include "School.h"
#include "SpecialClass.h"

#include <algorithm>

namespace belltide {

bool IsTaughtTitle(const School& school, const QString& title)
{
    return std::any_of(school.Specials.begin(), school.Specials.end(),
        [&](const auto& special) { return special->Title.compare(title, Qt::CaseInsensitive) == 0; });
}

std::vector<UntaughtSubject> FindUntaughtAttendance(const School& school)
{
    std::vector<UntaughtSubject> found;
    for (const auto& classroom : school.Classes) {
        for (const auto& entry : classroom->SpecialAttendance().Entries()) {
            const QString& title = entry.first;
            const std::int32_t count = entry.second;
            if (count == 0 || IsTaughtTitle(school, title))
                continue;
            auto it = std::find_if(found.begin(), found.end(),
                [&](const UntaughtSubject& s) { return s.Title.compare(title, Qt::CaseInsensitive) == 0; });
            if (it == found.end())
                it = found.insert(found.end(), UntaughtSubject { title, {} });
            it->Counts.emplace_back(classroom, count);
        }
    }
    return found;
}

QString DescribeUntaught(const UntaughtSubject& subject)
{
    std::int64_t times = 0;
    for (const auto& entry : subject.Counts)
        times += entry.second;
    const QString classes = subject.Counts.size() == 1 ? QStringLiteral("1 class attends")
                                                       : QStringLiteral("%1 classes attend").arg(subject.Counts.size());
    return QStringLiteral("%1: %2 it %3 a week in all, but no special teaches it.")
        .arg(subject.Title, classes, times == 1 ? QStringLiteral("1 time") : QStringLiteral("%1 times").arg(times));
}

} // namespace belltide
