#pragma once

#include <QString>

namespace belltide {

inline constexpr int kStepCount = 6;
inline constexpr int kHomeStep = 0;
inline constexpr int kSchoolStep = 1;
inline constexpr int kClassesStep = 2;
inline constexpr int kSpecialsStep = 3;
inline constexpr int kAttendanceStep = 4;
inline constexpr int kScheduleStep = 5;

// What the heading, the home page and the help area say for each step.
struct StepText {
    const char* HeadingBig;
    const char* HeadingSmall;
    const char* Icon;
    const char* FallbackHelp;
};

const StepText& TextForStep(int step);

// Page numbers and step numbers are the same; anything else is no step.
inline int PageNumberToStep(int page)
{
    return page >= 0 && page < kStepCount ? page : -1;
}

extern const char* const kDefaultHelp;

// The instant-help text of a control, by the control's object name; empty
// when the control has none.
QString HelpTextFor(const QString& controlName);

} // namespace belltide
