#include "FaceChecks.h"

#include "Classroom.h"
#include "School.h"
#include "TimeText.h"

namespace belltide {

std::vector<FaceProblem> FindSchoolProblems(const School& s)
{
    using Field = FaceProblem::Field;
    std::vector<FaceProblem> found;
    const QString day = QStringLiteral("the school day (%1 to %2)").arg(ShortTime(s.DayStartAt), ShortTime(s.DayEndAt));
    if (s.DayEndAt <= s.DayStartAt)
        found.push_back({ Field::DayEnd,
            QStringLiteral("The school day ends at %1, which is not after it starts at %2.")
                .arg(ShortTime(s.DayEndAt), ShortTime(s.DayStartAt)) });
    else if (s.SpecialStartAt < s.DayStartAt || s.SpecialStartAt >= s.DayEndAt)
        found.push_back({ Field::SpecialStart,
            QStringLiteral("Special classes start at %1, outside %2.").arg(ShortTime(s.SpecialStartAt), day) });
    if (s.LunchEndAt <= s.LunchStartAt)
        found.push_back({ Field::LunchEnd,
            QStringLiteral("Lunch ends at %1, which is not after it starts at %2.")
                .arg(ShortTime(s.LunchEndAt), ShortTime(s.LunchStartAt)) });
    else if (s.DayStartAt < s.DayEndAt && (s.LunchStartAt < s.DayStartAt || s.LunchEndAt > s.DayEndAt))
        found.push_back({ s.LunchStartAt < s.DayStartAt ? Field::LunchStart : Field::LunchEnd,
            QStringLiteral("Lunch from %1 to %2 is not inside %3.")
                .arg(ShortTime(s.LunchStartAt), ShortTime(s.LunchEndAt), day) });
    else if (s.LunchTime > s.LunchEndAt - s.LunchStartAt)
        found.push_back({ Field::LunchTime,
            QStringLiteral("Lunch lasts %1 minutes, longer than the %2 minutes from %3 to %4.")
                .arg(s.LunchTime)
                .arg(s.LunchEndAt - s.LunchStartAt)
                .arg(ShortTime(s.LunchStartAt), ShortTime(s.LunchEndAt)) });
    if (s.LunchMaxClasses < 1)
        found.push_back({ Field::LunchMaxClasses,
            QStringLiteral("With no class at lunch at once, no class can have lunch: put at least 1.") });
    return found;
}

QStringList FindClassProblems(const School& school, const Classroom& c)
{
    QStringList found;
    const QString name = c.Grade + QStringLiteral(": ") + c.Teacher;
    if (c.DayEnd <= c.DayStart)
        found.push_back(QStringLiteral("%1's day ends at %2, which is not after it starts at %3.")
                            .arg(name, ShortTime(c.DayEnd), ShortTime(c.DayStart)));
    else if (school.DayEndAt > school.DayStartAt && c.DayEnd - c.DayStart > school.DayEndAt - school.DayStartAt)
        found.push_back(QStringLiteral("%1's day (%2 to %3) is longer than the school day (%4 to %5).")
                            .arg(name, ShortTime(c.DayStart), ShortTime(c.DayEnd), ShortTime(school.DayStartAt),
                                ShortTime(school.DayEndAt)));
    return found;
}

} // namespace belltide
