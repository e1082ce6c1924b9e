#include "ScheduleSpecial.h"

namespace belltide {

QString ScheduleSpecial::GetSubject() const
{
    return Subject;
}

} // namespace belltide
