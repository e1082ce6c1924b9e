#include "TestSchools.h"

namespace belltide::test {

std::shared_ptr<School> EmptySchool()
{
    return std::make_shared<School>();
}

std::shared_ptr<SpecialClass> AddSpecial(
    School& school, const QString& title, std::int32_t duration, std::int32_t overlap)
{
    auto special = std::make_shared<SpecialClass>();
    special->Title = title;
    special->Teacher = QStringLiteral("Ms. ") + title;
    special->Duration = duration;
    special->OverlapTime = overlap;
    school.Specials.push_back(special);
    return special;
}

std::shared_ptr<Classroom> AddClassTaughtBy(School& school, const char* grade, const char* teacher)
{
    auto classroom = std::make_shared<Classroom>();
    classroom->Grade = QString::fromLatin1(grade);
    classroom->Teacher = QString::fromLatin1(teacher);
    classroom->DayStart = 480;
    classroom->DayEnd = 900;
    school.Classes.push_back(classroom);
    return classroom;
}

std::shared_ptr<SpecialClass> AddSpecialTaughtBy(School& school, const char* title, const char* teacher)
{
    auto special = std::make_shared<SpecialClass>();
    special->Title = QString::fromLatin1(title);
    special->Teacher = QString::fromLatin1(teacher);
    special->Duration = 45;
    school.Specials.push_back(special);
    return special;
}

std::shared_ptr<Classroom> AddClass(
    School& school, const QString& grade, std::initializer_list<std::pair<QString, std::int32_t>> attendance)
{
    auto classroom = std::make_shared<Classroom>();
    classroom->Grade = grade;
    classroom->Teacher = QStringLiteral("Teacher %1").arg(school.Classes.size() + 1);
    classroom->DayStart = school.DayStartAt;
    classroom->DayEnd = school.DayEndAt;
    classroom->NumberOfStudents = 22;
    for (const auto& [title, count] : attendance)
        classroom->AttendCount(title, count);
    school.Classes.push_back(classroom);
    return classroom;
}

void MarkUnavailable(const School& school, SpecialClass& special, std::int32_t day, std::int32_t from, std::int32_t to)
{
    for (std::int32_t time = from; time < to; time += 5)
        special.IsAvailable(day, (time - school.DayStartAt) / 5, false);
}

std::shared_ptr<School> ElementarySchool(std::int32_t perGrade)
{
    auto school = EmptySchool();
    const char* titles[] = { "Art", "Music", "P.E.", "Library", "Computers" };
    const std::int32_t teachers = (perGrade + 2) / 3;
    for (std::int32_t copy = 0; copy < teachers; ++copy) {
        for (const char* title : titles)
            AddSpecial(*school, QString::fromLatin1(title), title == titles[3] ? 30 : 45, 5);
    }
    school->LunchMaxClasses = 3 * teachers + 1;
    for (const char* grade : { "K", "1st", "2nd", "3rd", "4th", "5th" }) {
        for (std::int32_t i = 0; i < perGrade; ++i) {
            auto classroom = AddClass(*school, QString::fromLatin1(grade), {});
            for (const char* title : titles)
                classroom->AttendCount(QString::fromLatin1(title), 1);
        }
    }
    return school;
}

std::shared_ptr<School> LimitedSchool(std::int32_t freeMinutes)
{
    auto school = ElementarySchool(4);
    school->InterruptFreeTime = freeMinutes;
    for (std::size_t s = school->Specials.size() / 2; s < school->Specials.size(); ++s)
        school->Specials[s]->MaxStudents = 24;
    for (std::size_t c = 0; c < school->Classes.size(); c += 2)
        school->Classes[c]->NumberOfStudents = 27;
    return school;
}

std::shared_ptr<School> MixedDaysSchool()
{
    auto school = ElementarySchool(3);
    school->Classes[0]->DayEnd = 750;
    school->Classes[4]->DayStart = 510;
    school->Classes[4]->DayEnd = 870;
    school->Classes[7]->AttendCount(QStringLiteral("Music"), 4);
    MarkUnavailable(*school, *school->Specials[0], 0, 480, 600);
    MarkUnavailable(*school, *school->Specials[1], 3, 600, 780);
    school->SpecialStartAt = 520;
    school->LunchTime = 25;
    return school;
}

} // namespace belltide::test
