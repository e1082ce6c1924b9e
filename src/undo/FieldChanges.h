#pragma once

#include "AttendanceSnapshot.h"
#include "FieldChangeAction.h"
#include "NumberChangeAction.h"
#include "TextChangeAction.h"

#include "model/Classroom.h"
#include "model/School.h"
#include "model/SpecialClass.h"

#include <QString>

#include <cstdint>
#include <memory>

namespace belltide {

// The edits of one text or number field. Each class is one row: target, field,
// Edit-menu description and notification name. The texts are the program's own,
// misspellings included, since the window and the menus match on them.

class SchoolNameChange final : public FieldChangeAction<SchoolNameChange, School, TextChangeAction> {
public:
    using FieldChangeAction::FieldChangeAction;
    static constexpr Row TableRow() { return { &School::Name, u"Rename School", Notification::SchoolNameChange }; }
};

// One action for the school's eight times and lunch settings, chosen by field
// number. Only changes of the same field merge, so lunch start and lunch end
// edited in quick succession stay two steps.
class SchoolTimeChange final : public FieldChangeAction<SchoolTimeChange, School, NumberChangeAction> {
public:
    enum WhichField : std::int32_t {
        DayStartAt = 0,
        DayEndAt = 1,
        SpecialStartAt = 2,
        LunchStartAt = 3,
        LunchEndAt = 4,
        LunchRecessTime = 5,
        LunchMaxClasses = 6,
        LunchTime = 7,
    };

    // A field number outside 0 to 7 makes an action that changes nothing.
    SchoolTimeChange(std::shared_ptr<School> school, std::int32_t whichField, std::int32_t value,
        const MicrosecondClock& clock = MicrosecondClock::Steady());

    Row TableRow() const;

protected:
    bool IsSameType(const ActionBase& other) const override;

private:
    std::int32_t mWhichField;
};

class SchoolFreeTimeChange final : public FieldChangeAction<SchoolFreeTimeChange, School, NumberChangeAction> {
public:
    using FieldChangeAction::FieldChangeAction;
    static constexpr Row TableRow()
    {
        return { &School::InterruptFreeTime, u"Interrupt-Free Change", Notification::SchoolFreeTimeChange };
    }
};

class ClassTeacherChange final : public FieldChangeAction<ClassTeacherChange, Classroom, TextChangeAction> {
public:
    using FieldChangeAction::FieldChangeAction;
    static constexpr Row TableRow()
    {
        return { &Classroom::Teacher, u"Teacher Change", Notification::ClassTeacherChange };
    }
};

class ClassGradeChange final : public FieldChangeAction<ClassGradeChange, Classroom, TextChangeAction> {
public:
    using FieldChangeAction::FieldChangeAction;
    static constexpr Row TableRow() { return { &Classroom::Grade, u"Grade Change", Notification::ClassGradeChange }; }
};

// Day start and day end share the class, so a quick edit of one and then the
// other merges into one step.
class ClassTimeChange final : public FieldChangeAction<ClassTimeChange, Classroom, NumberChangeAction> {
public:
    ClassTimeChange(std::shared_ptr<Classroom> classroom, bool isDayStart, std::int32_t value,
        const MicrosecondClock& clock = MicrosecondClock::Steady());

    Row TableRow() const;

private:
    bool mIsDayStart;
};

class ClassNumberOfStudentsChange final
    : public FieldChangeAction<ClassNumberOfStudentsChange, Classroom, NumberChangeAction> {
public:
    using FieldChangeAction::FieldChangeAction;
    static constexpr Row TableRow()
    {
        return { &Classroom::NumberOfStudents, u"Number of Students Change",
            Notification::ClassNumberOfStudentsChange };
    }
};

// Attendance is kept by title: when the rename leaves no special with the old
// title, the classes' counts go with it in the same step. Keystrokes of one run
// all move from the title the run started with, so a passing title that another
// special has (typing "Art 2" past "Art") takes nothing along.
class SpecialTitleChange final : public FieldChangeAction<SpecialTitleChange, SpecialClass, TextChangeAction> {
public:
    SpecialTitleChange(std::shared_ptr<School> school, std::shared_ptr<SpecialClass> special, QString title,
        const MicrosecondClock& clock = MicrosecondClock::Steady());

    static constexpr Row TableRow()
    {
        return { &SpecialClass::Title, u"Special Title Change", Notification::SpecialTitleChange };
    }

    bool CombineWith(ActionBase& other) override;

protected:
    void Execute() override;
    void Unexecute() override;

private:
    std::shared_ptr<School> mSchool;
    std::shared_ptr<const AttendanceSnapshot> mRunStart;
    QString mRunTitle;
};

class SpecialTeacherChange final : public FieldChangeAction<SpecialTeacherChange, SpecialClass, TextChangeAction> {
public:
    using FieldChangeAction::FieldChangeAction;
    static constexpr Row TableRow()
    {
        return { &SpecialClass::Teacher, u"Special Teacher Change", Notification::SpecialTeacherChange };
    }
};

class SpecialMaxStudentsChange final
    : public FieldChangeAction<SpecialMaxStudentsChange, SpecialClass, NumberChangeAction> {
public:
    using FieldChangeAction::FieldChangeAction;
    static constexpr Row TableRow()
    {
        return { &SpecialClass::MaxStudents, u"Number of Students Change", Notification::SpecialMaxStudentsChange };
    }
};

class SpecialDurationChange final : public FieldChangeAction<SpecialDurationChange, SpecialClass, NumberChangeAction> {
public:
    using FieldChangeAction::FieldChangeAction;
    static constexpr Row TableRow()
    {
        return { &SpecialClass::Duration, u"Duration Change", Notification::SpecialDurationChange };
    }
};

class SpecialOverlapChange final : public FieldChangeAction<SpecialOverlapChange, SpecialClass, NumberChangeAction> {
public:
    using FieldChangeAction::FieldChangeAction;
    static constexpr Row TableRow()
    {
        return { &SpecialClass::OverlapTime, u"Overlap Change", Notification::SpecialOverlapChange };
    }
};

// Attendance is keyed by the special's title, not by the special, so the action
// keeps the title. Undo writes the old count back, an explicit 0 included.
class SpecialAttendenceChange final : public NumberChangeAction {
public:
    SpecialAttendenceChange(std::shared_ptr<Classroom> classroom, QString specialTitle, std::int32_t count,
        const MicrosecondClock& clock = MicrosecondClock::Steady());

protected:
    void Execute() override;
    void Unexecute() override;
    QString GetDescription() const override;
    belltide::Notification GetNotificationName() const override;
    ActionTag GetNotificationTag() const override;
    bool IsSameType(const ActionBase& other) const override;

private:
    std::shared_ptr<Classroom> mClass;
    QString mSpecial;
};

} // namespace belltide
