#include "undo/Notification.h"

#include <gtest/gtest.h>

#include <QSet>

using namespace belltide;

namespace {

// The names as the program has always sent them, odd spellings included: the
// one place besides the table itself where they are written out, so that a
// "correction" of the table is caught.
TEST(Notification, EveryNameKeepsItsTextAndOnlyWordEditsLeaveTheScheduleAlone)
{
    struct Case {
        Notification Name;
        const char16_t* Text;
        bool ChangesScheduling;
    };
    const Case cases[] = {
        { Notification::None, u"", true },
        { Notification::SchoolNameChange, u"SchoolNameChange", false },
        { Notification::SchoolTimeChangeDayStart, u"SchoolTimeChange-DayStart", true },
        { Notification::SchoolTimeChangeDayEnd, u"SchoolTimeChange-DayEnd", true },
        { Notification::SchoolTimeChangeSpecialStart, u"SchoolTimeChange-SpecialStart", true },
        { Notification::SchoolTimeChangeLunchStart, u"SchoolTimeChange-LunchStart", true },
        { Notification::SchoolTimeChangeLunchEnd, u"SchoolTimeChange-LunchEnd", true },
        { Notification::SchoolTimeChangeLunchRecess, u"SchoolTimeChange-LunchRecess", true },
        { Notification::SchoolTimeChangeLunchMax, u"SchoolTimeChange-LunchMax", true },
        { Notification::SchoolTimeChangeLunchTime, u"SchoolTimeChange-LunchTime", true },
        { Notification::SchoolFreeTimeChange, u"SchoolFreeTimeChange", true },
        { Notification::ClassListChange, u"ClassListChange", true },
        { Notification::ClassTeacherChange, u"ClassTeacherChange", false },
        { Notification::ClassGradeChange, u"ClassGradeChange", false },
        { Notification::ClassTimeChangeDayStart, u"ClassTimeChange-DayStart", true },
        { Notification::ClassTimeChangeDayEnd, u"ClassTimeChange-DayEnd", true },
        { Notification::ClassNumberOfStudentsChange, u"ClassNumberOfStudentsChange", true },
        { Notification::SpecialListChange, u"SpecialListChange", true },
        { Notification::SpecialTitleChange, u"SpecialTitleChange", true },
        { Notification::SpecialTeacherChange, u"SpecialTeacherChange", false },
        { Notification::SpecialMaxStudentsChange, u"SpecialMaxStudentsChange", true },
        { Notification::SpecialDurationChange, u"SpecialDurationChange", true },
        { Notification::SpecialOverlapChange, u"SpecialOverlapChange", true },
        { Notification::SpecialAvailabilityChange, u"SpecialAvailabilityChange", true },
        { Notification::SpecialAttendenceChange, u"SpecialAttendenceChange", true },
        { Notification::ScheduleChange, u"ScheduleChange", true },
    };
    QSet<QString> seen;
    for (const Case& c : cases) {
        const QString text = NotificationText(c.Name).toString();
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(text, QString::fromUtf16(c.Text));
        EXPECT_EQ(ChangesScheduling(c.Name), c.ChangesScheduling);
        EXPECT_FALSE(seen.contains(text)) << "two notifications with one name";
        seen.insert(text);
    }
    EXPECT_EQ(static_cast<std::size_t>(Notification::ScheduleChange) + 1, std::size(cases))
        << "a notification untested";
}

} // namespace
