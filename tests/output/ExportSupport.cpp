#include "ExportSupport.h"

#include "engine/ScheduleGenerator.h"
#include "engine/SchoolTimetable.h"
#include "model/School.h"
#include "model/SchoolDocument.h"
#include "model/Timetable.h"

#include <gtest/gtest.h>

namespace belltide::test {

std::shared_ptr<School> ScheduledExample()
{
    auto read = SchoolDocument::Read(QStringLiteral(BELLTIDE_EXAMPLES_DIR "/maple-grove.psc"));
    EXPECT_TRUE(read.IsOk());
    auto school = read.TakeValue();
    const auto inputs = SchoolTimetable::SearchInputs(*school, nullptr, SchoolTimetable::Starting::FromPinned);
    GenerationOptions options;
    options.Seed = 4;
    const GenerationResult result = ScheduleGenerator().Run(inputs.Value(), options);
    school->Timetable = SchoolTimetable::AfterSearch(inputs.Value(), result, nullptr);
    EXPECT_TRUE(school->Timetable);
    return school;
}

} // namespace belltide::test
