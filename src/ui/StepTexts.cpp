#include "StepTexts.h"

#include <QHash>

namespace belltide {

const char* const kDefaultHelp = "Move your mouse over something, and Belo will explain it.";

const StepText& TextForStep(int step)
{
    static const StepText steps[kStepCount] = {
        { "Home", "Select a step to edit your schedule, or view and print your schedule.", "Home",
            "Select a step to the left by clicking on it, or click the Continue button below to start with the first "
            "step." },
        { "School Information", "Enter information about your school.", "School Info", "" },
        { "Classes", "Add, remove, or edit classes in your school.", "Class Info", "" },
        { "Special Classes", "Add, remove, or edit special classes such as PE, Music, or Art.", "Special Class", "" },
        { "Special Class Attendance", "Change how often classes attend specials.", "Special Class Attendance", "" },
        { "Schedule", "View or print your schedule.", "Schedule",
            "Select a classroom to view in the popup above the schedule." },
    };
    return steps[PageNumberToStep(step) < 0 ? 0 : step];
}

QString HelpTextFor(const QString& controlName)
{
    static const QHash<QString, QString> texts = [] {
        const QString schoolDay = QStringLiteral(
            "Enter the overall schedule for the school day by entering the start and end times. Specials can have a "
            "separate start time, which allows for morning announcements and roll-calls.");
        const QString lunch = QStringLiteral(
            "Enter the basic lunch schedule information. For the start and end times, enter when the lunchroom can "
            "be open. The lunch time field does not include the recess time. E.g., a lunch time of 25 minutes of "
            "eating time and 10 minutes of recess should be entered as 25 and 10.");
        const QString classDay = QStringLiteral(
            "Enter the start and end time of each day for this class. For most classes, you won't need to change "
            "these times. If you have a half-day class, you can enter 8:15-12:00, for example.");
        QHash<QString, QString> t;
        t.insert(QStringLiteral("ContinueButton"), QStringLiteral("Click to go to the next step."));
        t.insert(QStringLiteral("SchoolNameField"),
            QStringLiteral("Enter the name of your school. This will be printed on the final schedules."));
        for (const char* name : { "SchoolDayStart", "SchoolDayEnd", "SchoolDaySpecialStart" })
            t.insert(QString::fromLatin1(name), schoolDay);
        t.insert(QStringLiteral("SchoolFreeTimeField"),
            QStringLiteral("Enter the minimum uninterrupted time every teacher should have in a day with his or "
                           "her students. This allows teachers to cover something that may take longer than the "
                           "average lesson."));
        for (const char* name : { "SchoolDayLunchStartAt", "SchoolLunchEndAt", "SchoolLunchTime",
                 "SchoolLunchRecessTime", "SchoolLunchMaxClasses" })
            t.insert(QString::fromLatin1(name), lunch);
        t.insert(QStringLiteral("ClassList"),
            QStringLiteral("Enter all of your homeroom classes. To add a class, click the + button below. To "
                           "remove one, click the - button."));
        t.insert(QStringLiteral("ClassTeacher"), QStringLiteral("Enter the name of the teacher of this class."));
        t.insert(QStringLiteral("ClassGrade"), QStringLiteral("Enter the grade of this class."));
        t.insert(QStringLiteral("ClassDayStart"), classDay);
        t.insert(QStringLiteral("ClassDayEnd"), classDay);
        t.insert(QStringLiteral("ClassNumberOfStudents"),
            QStringLiteral("If you have specials that can only take a limited number of students, you can type "
                           "the number of students in this class here. This is an optional field."));
        t.insert(QStringLiteral("SAClassList"),
            QStringLiteral("Select one or more classes in this list to change how many times each week those "
                           "classes attend each special."));
        t.insert(QStringLiteral("SASpecialList"),
            QStringLiteral("Click the + button to increase the number of times the selected class or classes "
                           "attend this special. Click the - button to decrease it."));
        return t;
    }();
    return texts.value(controlName);
}

} // namespace belltide
