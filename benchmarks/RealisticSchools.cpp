#include "RealisticSchools.h"

#include "engine/ScheduleGenerator.h"
#include "engine/ThoroughProblem.h"
#include "model/Classroom.h"
#include "model/School.h"
#include "model/SpecialClass.h"

#include <array>
#include <cmath>

namespace belltide {

namespace {

struct SubjectPlan {
    const char* Title;
    std::int32_t Duration;
    // Meetings a week for K-2 and for 3-5; half-day kindergartens come once.
    std::int32_t Younger;
    std::int32_t Older;
};

constexpr std::array<SubjectPlan, 6> kSubjects = { {
    { "Art", 45, 1, 1 },
    { "Music", 45, 1, 1 },
    { "P.E.", 45, 2, 1 },
    { "Library", 30, 1, 1 },
    { "Computers", 45, 0, 1 },
    { "Spanish", 30, 0, 1 },
} };

constexpr const char* kNames[] = { "Adams", "Baker", "Clark", "Diaz", "Evans", "Flores", "Garcia", "Hughes", "Ito",
    "Jensen", "Kim", "Lopez", "Moreno", "Nguyen", "Okafor", "Patel", "Quinn", "Reyes", "Silva", "Turner" };

constexpr std::int32_t kLunchLength = 25;

QString TeacherName(std::int32_t index)
{
    const std::int32_t count = static_cast<std::int32_t>(std::size(kNames));
    return QString::fromLatin1(index % 2 == 0 ? "Ms. " : "Mr. ") + QString::fromLatin1(kNames[index % count])
        + (index >= count ? QStringLiteral(" %1").arg(index / count + 1) : QString());
}

void AddClass(School& school, const QString& grade, std::int32_t start, std::int32_t end, bool halfDay)
{
    auto classroom = std::make_shared<Classroom>();
    classroom->Grade = grade;
    classroom->Teacher = TeacherName(static_cast<std::int32_t>(school.Classes.size()) * 7 + 3);
    classroom->DayStart = start;
    classroom->DayEnd = end;
    classroom->NumberOfStudents = halfDay ? 18 : 24;
    const bool younger
        = grade == QStringLiteral("K") || grade == QStringLiteral("1st") || grade == QStringLiteral("2nd");
    for (const SubjectPlan& subject : kSubjects) {
        const std::int32_t count = halfDay ? (subject.Younger > 0 && subject.Duration > 30 ? 1 : 0)
                                           : (younger ? subject.Younger : subject.Older);
        if (count > 0)
            classroom->AttendCount(QString::fromLatin1(subject.Title), count);
    }
    school.Classes.push_back(classroom);
}

void AddSpecials(School& school)
{
    std::int32_t teacher = 0;
    for (std::size_t s = 0; s < kSubjects.size(); ++s) {
        const QString title = QString::fromLatin1(kSubjects[s].Title);
        std::int32_t need = 0;
        for (const auto& classroom : school.Classes)
            need += classroom->AttendCount(title);
        // About 28 of the 40 meetings a teacher could hold in a week.
        const std::int32_t teachers = std::max(1, static_cast<std::int32_t>(std::ceil(need / 28.0)));
        for (std::int32_t t = 0; t < teachers; ++t) {
            auto special = std::make_shared<SpecialClass>();
            special->Title = title;
            special->Teacher = TeacherName(teacher++ * 5 + 1);
            special->Duration = kSubjects[s].Duration;
            special->OverlapTime = 5;
            special->MaxStudents = 28;
            // Travelling teachers: one away on an afternoon, another on a morning.
            const auto away = static_cast<std::int32_t>((s + static_cast<std::size_t>(t)) % 5);
            if ((s + static_cast<std::size_t>(t)) % 3 == 0) {
                for (std::int32_t time = 720; time < school.DayEndAt; time += 5)
                    special->IsAvailable(away, (time - school.DayStartAt) / 5, false);
            } else if ((s + static_cast<std::size_t>(t)) % 3 == 1) {
                for (std::int32_t time = school.DayStartAt; time < 630; time += 5)
                    special->IsAvailable(away, (time - school.DayStartAt) / 5, false);
            }
            school.Specials.push_back(special);
        }
    }
}

// Gives classes a second Music meeting until the classes need one more than
// the Music teachers can hold.
void OverbookMusic(School& school)
{
    const GenerationInputs inputs = ScheduleGenerator::BuildInputs(school).Value();
    const ThoroughProblem problem(inputs);
    std::int32_t room = 0;
    for (const ThoroughResource& resource : problem.Resources()) {
        if (problem.Subjects()[static_cast<std::size_t>(resource.Subject)].Title != QStringLiteral("Music"))
            continue;
        for (std::int32_t day = 0; day < 5; ++day)
            room += problem.MostMeetings(resource, day, 0, problem.SlotsPerDay());
    }
    const QString music = QStringLiteral("Music");
    std::int32_t need = 0;
    for (const auto& classroom : school.Classes)
        need += classroom->AttendCount(music);
    for (auto it = school.Classes.rbegin(); it != school.Classes.rend() && need <= room; ++it) {
        if ((*it)->AttendCount(music) == 1) {
            (*it)->AttendCount(music, 2);
            ++need;
        }
    }
}

// A drama and a chess teacher who both come only on Mondays from 9:00 to
// 9:50, and a class that attends both: each alone would fit.
void AddVisitors(School& school)
{
    for (const char* title : { "Drama", "Chess" }) {
        auto special = std::make_shared<SpecialClass>();
        special->Title = QString::fromLatin1(title);
        special->Teacher = TeacherName(static_cast<std::int32_t>(school.Specials.size()) * 5 + 1);
        special->Duration = 45;
        special->OverlapTime = 5;
        for (std::int32_t day = 0; day < 5; ++day) {
            for (std::int32_t time = school.DayStartAt; time < school.DayEndAt; time += 5) {
                if (day != 0 || time < 540 || time >= 590)
                    special->IsAvailable(day, (time - school.DayStartAt) / 5, false);
            }
        }
        school.Specials.push_back(special);
        school.Classes.back()->AttendCount(special->Title, 1);
    }
}

} // namespace

QString VariantName(SchoolVariant variant)
{
    switch (variant) {
    case SchoolVariant::Feasible:
        return QStringLiteral("feasible");
    case SchoolVariant::FullDays:
        return QStringLiteral("full-days");
    case SchoolVariant::MusicShort:
        return QStringLiteral("music-short");
    case SchoolVariant::LunchShort:
        return QStringLiteral("lunch-short");
    case SchoolVariant::VisitorsClash:
        return QStringLiteral("visitors-clash");
    }
    return {};
}

std::shared_ptr<School> RealisticSchool(std::int32_t classes, SchoolVariant variant)
{
    auto school = std::make_shared<School>();
    school->Name = QStringLiteral("Harbor View Elementary");
    school->DayStartAt = 480;
    school->DayEndAt = 900;
    school->SpecialStartAt = 490;
    school->LunchStartAt = 660;
    school->LunchEndAt = 780;
    school->LunchTime = kLunchLength;
    school->LunchRecessTime = 20;
    const std::int32_t halfDays = variant == SchoolVariant::FullDays ? 0 : std::max(1, classes / 40);
    for (std::int32_t i = 0; i < halfDays; ++i) {
        AddClass(*school, QStringLiteral("K"), 480, 705, true);
        AddClass(*school, QStringLiteral("K"), 720, 900, true);
    }
    const char* grades[] = { "K", "1st", "2nd", "3rd", "4th", "5th" };
    const std::int32_t fullDays = classes - 2 * halfDays;
    for (std::int32_t g = 0; g < 6; ++g) {
        const std::int32_t inGrade = fullDays / 6 + (g < fullDays % 6 ? 1 : 0);
        for (std::int32_t i = 0; i < inGrade; ++i)
            AddClass(*school, QString::fromLatin1(grades[g]), 480, 900, false);
    }
    AddSpecials(*school);
    // The period 11:00 to 13:00 holds five 25-minute lunches a seat.
    const std::int32_t perSeat = 5;
    const std::int32_t seats = (classes + perSeat - 1) / perSeat;
    school->LunchMaxClasses = variant == SchoolVariant::LunchShort ? seats - 1 : seats + 1;
    if (variant == SchoolVariant::MusicShort)
        OverbookMusic(*school);
    if (variant == SchoolVariant::VisitorsClash)
        AddVisitors(*school);
    return school;
}

} // namespace belltide
