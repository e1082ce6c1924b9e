#include "Notification.h"

#include <array>
#include <cstddef>

namespace belltide {

namespace {

struct NotificationRow {
    Notification Kind;
    QStringView Text;
    bool ChangesScheduling;
};

// In the enum's order, which the static_assert below holds it to.
constexpr std::array kRows {
    // An action that names nothing is taken to change anything.
    NotificationRow { Notification::None, u"", true },
    NotificationRow { Notification::SchoolNameChange, u"SchoolNameChange", false },
    NotificationRow { Notification::SchoolTimeChangeDayStart, u"SchoolTimeChange-DayStart", true },
    NotificationRow { Notification::SchoolTimeChangeDayEnd, u"SchoolTimeChange-DayEnd", true },
    NotificationRow { Notification::SchoolTimeChangeSpecialStart, u"SchoolTimeChange-SpecialStart", true },
    NotificationRow { Notification::SchoolTimeChangeLunchStart, u"SchoolTimeChange-LunchStart", true },
    NotificationRow { Notification::SchoolTimeChangeLunchEnd, u"SchoolTimeChange-LunchEnd", true },
    NotificationRow { Notification::SchoolTimeChangeLunchRecess, u"SchoolTimeChange-LunchRecess", true },
    NotificationRow { Notification::SchoolTimeChangeLunchMax, u"SchoolTimeChange-LunchMax", true },
    NotificationRow { Notification::SchoolTimeChangeLunchTime, u"SchoolTimeChange-LunchTime", true },
    NotificationRow { Notification::SchoolFreeTimeChange, u"SchoolFreeTimeChange", true },
    NotificationRow { Notification::ClassListChange, u"ClassListChange", true },
    NotificationRow { Notification::ClassTeacherChange, u"ClassTeacherChange", false },
    NotificationRow { Notification::ClassGradeChange, u"ClassGradeChange", false },
    NotificationRow { Notification::ClassTimeChangeDayStart, u"ClassTimeChange-DayStart", true },
    NotificationRow { Notification::ClassTimeChangeDayEnd, u"ClassTimeChange-DayEnd", true },
    NotificationRow { Notification::ClassNumberOfStudentsChange, u"ClassNumberOfStudentsChange", true },
    NotificationRow { Notification::SpecialListChange, u"SpecialListChange", true },
    NotificationRow { Notification::SpecialTitleChange, u"SpecialTitleChange", true },
    NotificationRow { Notification::SpecialTeacherChange, u"SpecialTeacherChange", false },
    NotificationRow { Notification::SpecialMaxStudentsChange, u"SpecialMaxStudentsChange", true },
    NotificationRow { Notification::SpecialDurationChange, u"SpecialDurationChange", true },
    NotificationRow { Notification::SpecialOverlapChange, u"SpecialOverlapChange", true },
    NotificationRow { Notification::SpecialAvailabilityChange, u"SpecialAvailabilityChange", true },
    NotificationRow { Notification::SpecialAttendenceChange, u"SpecialAttendenceChange", true },
    NotificationRow { Notification::ScheduleChange, u"ScheduleChange", true },
};

constexpr bool InEnumOrder()
{
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        if (static_cast<std::size_t>(kRows[i].Kind) != i)
            return false;
    }
    return static_cast<std::size_t>(Notification::ScheduleChange) + 1 == kRows.size();
}
static_assert(InEnumOrder(), "one row per notification, in the enum's order");

const NotificationRow& RowOf(Notification notification)
{
    const auto index = static_cast<std::size_t>(notification);
    return index < kRows.size() ? kRows[index] : kRows[0];
}

} // namespace

QStringView NotificationText(Notification notification)
{
    return RowOf(notification).Text;
}

bool ChangesScheduling(Notification notification)
{
    return RowOf(notification).ChangesScheduling;
}

} // namespace belltide
