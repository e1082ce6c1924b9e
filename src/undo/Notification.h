#pragma once

#include <QString>
#include <QStringView>

namespace belltide {

// What an edit changed, as its action announces it to the window. Receivers
// switch on these instead of comparing text, so a misspelt name does not
// compile and every user of a name can be found. The text of each (spelling
// slips included) is kept in one table, Notification.cpp.
enum class Notification {
    None, // an action that names no change
    SchoolNameChange,
    SchoolTimeChangeDayStart,
    SchoolTimeChangeDayEnd,
    SchoolTimeChangeSpecialStart,
    SchoolTimeChangeLunchStart,
    SchoolTimeChangeLunchEnd,
    SchoolTimeChangeLunchRecess,
    SchoolTimeChangeLunchMax,
    SchoolTimeChangeLunchTime,
    SchoolFreeTimeChange,
    ClassListChange,
    ClassTeacherChange,
    ClassGradeChange,
    ClassTimeChangeDayStart,
    ClassTimeChangeDayEnd,
    ClassNumberOfStudentsChange,
    SpecialListChange,
    SpecialTitleChange,
    SpecialTeacherChange,
    SpecialMaxStudentsChange,
    SpecialDurationChange,
    SpecialOverlapChange,
    SpecialAvailabilityChange,
    SpecialAttendenceChange,
    ScheduleChange,
};

// The notification's name as the program has always spelled it; empty for None.
QStringView NotificationText(Notification notification);

// Whether an edit with this notification can change where meetings may go.
// Names, teachers and grades cannot; times, lengths, lists and attendance can.
bool ChangesScheduling(Notification notification);

} // namespace belltide
