#include "ScaledSchools.h"

#include "model/Classroom.h"
#include "model/School.h"
#include "model/SchoolDocument.h"
#include "model/SpecialClass.h"

namespace belltide {

Result<std::shared_ptr<School>> ScaledExampleSchool(std::int32_t copies)
{
    auto read = SchoolDocument::Read(QStringLiteral(BELLTIDE_EXAMPLES_DIR "/maple-grove.psc"));
    if (!read)
        return read;
    std::shared_ptr<School> school = read.Value();
    const auto classes = school->Classes;
    const auto specials = school->Specials;
    for (std::int32_t copy = 1; copy < copies; ++copy) {
        for (const auto& classroom : classes) {
            auto twin = std::make_shared<Classroom>(*classroom);
            twin->Teacher += QStringLiteral(" %1").arg(copy + 1);
            school->Classes.push_back(twin);
        }
        for (const auto& special : specials) {
            auto twin = std::make_shared<SpecialClass>(*special);
            twin->Teacher += QStringLiteral(" %1").arg(copy + 1);
            school->Specials.push_back(twin);
        }
    }
    school->LunchMaxClasses *= copies;
    return Result<std::shared_ptr<School>>::Ok(school);
}

void WithoutClassLimits(School& school)
{
    school.InterruptFreeTime = 0;
    for (const auto& special : school.Specials)
        special->MaxStudents = 0;
}

} // namespace belltide
