#include "FieldChanges.h"

#include <array>
#include <utility>

namespace belltide {

namespace {

constexpr std::array<SchoolTimeChange::Row, 8> kSchoolTimeRows { {
    { &School::DayStartAt, u"Change School Time", Notification::SchoolTimeChangeDayStart },
    { &School::DayEndAt, u"Change School Time", Notification::SchoolTimeChangeDayEnd },
    { &School::SpecialStartAt, u"Change Special Start Time", Notification::SchoolTimeChangeSpecialStart },
    { &School::LunchStartAt, u"Change Lunch Time", Notification::SchoolTimeChangeLunchStart },
    { &School::LunchEndAt, u"Change Lunch Time", Notification::SchoolTimeChangeLunchEnd },
    { &School::LunchRecessTime, u"Change Lunch Schedule", Notification::SchoolTimeChangeLunchRecess },
    { &School::LunchMaxClasses, u"Change Lunch Schedule", Notification::SchoolTimeChangeLunchMax },
    { &School::LunchTime, u"Change Lunch Schedule", Notification::SchoolTimeChangeLunchTime },
} };

constexpr ClassTimeChange::Row kClassDayStartRow { &Classroom::DayStart, u"Change Class Time",
    Notification::ClassTimeChangeDayStart };
constexpr ClassTimeChange::Row kClassDayEndRow { &Classroom::DayEnd, u"Change Class Time",
    Notification::ClassTimeChangeDayEnd };

} // namespace

SchoolTimeChange::SchoolTimeChange(
    std::shared_ptr<School> school, std::int32_t whichField, std::int32_t value, const MicrosecondClock& clock)
    : FieldChangeAction(std::move(school), value, clock)
    , mWhichField(whichField)
{
}

SchoolTimeChange::Row SchoolTimeChange::TableRow() const
{
    if (mWhichField < 0 || mWhichField >= static_cast<std::int32_t>(kSchoolTimeRows.size()))
        return {};
    return kSchoolTimeRows[static_cast<std::size_t>(mWhichField)];
}

bool SchoolTimeChange::IsSameType(const ActionBase& other) const
{
    const auto* same = dynamic_cast<const SchoolTimeChange*>(&other);
    return same && same->mWhichField == mWhichField;
}

ClassTimeChange::ClassTimeChange(
    std::shared_ptr<Classroom> classroom, bool isDayStart, std::int32_t value, const MicrosecondClock& clock)
    : FieldChangeAction(std::move(classroom), value, clock)
    , mIsDayStart(isDayStart)
{
}

ClassTimeChange::Row ClassTimeChange::TableRow() const
{
    return mIsDayStart ? kClassDayStartRow : kClassDayEndRow;
}

SpecialTitleChange::SpecialTitleChange(
    std::shared_ptr<School> school, std::shared_ptr<SpecialClass> special, QString title, const MicrosecondClock& clock)
    : FieldChangeAction(std::move(special), std::move(title), clock)
    , mSchool(std::move(school))
{
}

bool SpecialTitleChange::CombineWith(ActionBase& other)
{
    auto* same = dynamic_cast<SpecialTitleChange*>(&other);
    // Two specials' titles are two runs, however quick.
    if (!same || same->mTarget != mTarget || !FieldChangeAction::CombineWith(other))
        return false;
    same->mRunStart = mRunStart;
    same->mRunTitle = mRunTitle;
    return true;
}

void SpecialTitleChange::Execute()
{
    if (!mSchool) {
        FieldChangeAction::Execute();
        return;
    }
    if (mRunStart) {
        mRunStart->Restore();
    } else {
        mRunStart = std::make_shared<AttendanceSnapshot>(*mSchool);
        mRunTitle = mTarget->Title;
    }
    FieldChangeAction::Execute();
    MoveAttendance(*mSchool, mRunTitle, NewValue);
}

void SpecialTitleChange::Unexecute()
{
    FieldChangeAction::Unexecute();
    if (mRunStart)
        mRunStart->Restore();
}

SpecialAttendenceChange::SpecialAttendenceChange(
    std::shared_ptr<Classroom> classroom, QString specialTitle, std::int32_t count, const MicrosecondClock& clock)
    : NumberChangeAction(count, clock)
    , mClass(std::move(classroom))
    , mSpecial(std::move(specialTitle))
{
}

void SpecialAttendenceChange::Execute()
{
    OldValue = mClass->AttendCount(mSpecial);
    mClass->AttendCount(mSpecial, NewValue);
}

void SpecialAttendenceChange::Unexecute()
{
    mClass->AttendCount(mSpecial, OldValue);
}

QString SpecialAttendenceChange::GetDescription() const
{
    return QStringLiteral("Attendance Change");
}

Notification SpecialAttendenceChange::GetNotificationName() const
{
    return Notification::SpecialAttendenceChange;
}

ActionTag SpecialAttendenceChange::GetNotificationTag() const
{
    return mClass;
}

bool SpecialAttendenceChange::IsSameType(const ActionBase& other) const
{
    // Only quick repeats on one count merge. A step that changes several
    // classes is a chain, and a merge would keep the head's value alone.
    const auto* same = dynamic_cast<const SpecialAttendenceChange*>(&other);
    return same && !NextAction && !same->NextAction && same->mClass == mClass
        && same->mSpecial.compare(mSpecial, Qt::CaseInsensitive) == 0;
}

} // namespace belltide
