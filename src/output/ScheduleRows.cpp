#include "ScheduleRows.h"

#include "engine/Subjects.h"
#include "model/Classroom.h"
#include "model/DisplayOrder.h"
#include "model/School.h"
#include "model/SpecialClass.h"
#include "model/Timetable.h"

#include <algorithm>
#include <tuple>

namespace belltide {

QString ScheduleRow::Subject() const
{
    switch (Kind) {
    case RowKind::Special:
        return Special ? Special->Title : QString();
    case RowKind::Lunch:
        return LunchSubject();
    case RowKind::Recess:
        return RecessSubject();
    }
    return {};
}

namespace ScheduleRows {

namespace {

int RowOrder(RowKind kind)
{
    return static_cast<int>(kind);
}

} // namespace

std::vector<std::shared_ptr<belltide::Classroom>> ClassesInGradeOrder(const School& school)
{
    auto classes = school.Classes;
    std::stable_sort(classes.begin(), classes.end(), [](const auto& a, const auto& b) {
        if (GradeComesBefore(a->Grade, b->Grade))
            return true;
        if (GradeComesBefore(b->Grade, a->Grade))
            return false;
        return ComesBefore(a->Teacher, b->Teacher);
    });
    return classes;
}

std::vector<std::shared_ptr<SpecialClass>> SpecialsInOrder(const School& school)
{
    auto specials = school.Specials;
    std::stable_sort(specials.begin(), specials.end(),
        [](const auto& a, const auto& b) { return ComesBefore(Label(*a), Label(*b)); });
    return specials;
}

std::vector<ScheduleRow> Of(const School& school)
{
    std::vector<ScheduleRow> rows;
    if (!school.Timetable)
        return rows;
    for (const Meeting& meeting : school.Timetable->Meetings) {
        if (!meeting.IsLunch()) {
            rows.push_back({ meeting.Day, meeting.Start, meeting.Start + meeting.Special->Duration, meeting.Class,
                meeting.Special, RowKind::Special });
            continue;
        }
        const std::int32_t lunchEnd = meeting.Start + school.LunchTime;
        rows.push_back({ meeting.Day, meeting.Start, lunchEnd, meeting.Class, nullptr, RowKind::Lunch });
        if (school.LunchRecessTime > 0)
            rows.push_back(
                { meeting.Day, lunchEnd, lunchEnd + school.LunchRecessTime, meeting.Class, nullptr, RowKind::Recess });
    }
    const auto classes = ClassesInGradeOrder(school);
    const auto place = [&](const std::shared_ptr<belltide::Classroom>& classroom) {
        return std::find(classes.begin(), classes.end(), classroom) - classes.begin();
    };
    std::stable_sort(rows.begin(), rows.end(), [&](const ScheduleRow& a, const ScheduleRow& b) {
        return std::make_tuple(a.Day, a.Start, place(a.Class), RowOrder(a.Kind))
            < std::make_tuple(b.Day, b.Start, place(b.Class), RowOrder(b.Kind));
    });
    return rows;
}

QString Label(const belltide::Classroom& classroom)
{
    return classroom.Grade + QStringLiteral(": ") + classroom.Teacher;
}

QString Label(const SpecialClass& special)
{
    return special.Title + QStringLiteral(": ") + special.Teacher;
}

QString KindName(RowKind kind)
{
    switch (kind) {
    case RowKind::Special:
        return QStringLiteral("special");
    case RowKind::Lunch:
        return QStringLiteral("lunch");
    case RowKind::Recess:
        return QStringLiteral("recess");
    }
    return {};
}

QString DayName(std::int32_t day)
{
    static const char* const names[] = { "Monday", "Tuesday", "Wednesday", "Thursday", "Friday" };
    if (day >= 0 && day < 5)
        return QString::fromLatin1(names[day]);
    return QStringLiteral("Day %1").arg(day);
}

} // namespace ScheduleRows
} // namespace belltide
