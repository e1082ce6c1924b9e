#include "UndoTestSupport.h"

#include "undo/FieldChanges.h"
#include "undo/ListChanges.h"
#include "undo/SpecialAvailabilityChange.h"
#include "undo/UndoManager.h"

#include "model/Classroom.h"
#include "model/School.h"
#include "model/SpecialClass.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace belltide;
using namespace belltide::test;
using namespace Qt::Literals::StringLiterals;

namespace {

std::function<QString()> Read(const QString& field)
{
    return [&field] { return field; };
}

std::function<QString()> Read(const std::int32_t& field)
{
    return [&field] { return QString::number(field); };
}

TEST(EditActions, EachFieldActionSetsUndoesAndNamesItselfAsListed)
{
    const auto school = std::make_shared<School>();
    const auto cls = std::make_shared<Classroom>();
    const auto special = std::make_shared<SpecialClass>();
    const FakeClock k;
    const auto time = [&](std::int32_t field) { return std::make_shared<SchoolTimeChange>(school, field, 4, k); };
    const std::function<QString()> art = [&] { return QString::number(cls->AttendCount(u"Art"_s)); };
    const std::function<QString()> available = [&] { return special->IsAvailable(4, 0) ? u"+"_s : u"-"_s; };
    const std::function<QString()> classes = [&] { return QString::number(school->Classes.size()); };
    const std::function<QString()> specials = [&] { return QString::number(school->Specials.size()); };
    struct Case {
        std::shared_ptr<ActionBase> Action;
        std::function<QString()> Value;
        QString After, Description;
        belltide::Notification Name;
        ActionTag Tag;
    };
    const Case cases[] = {
        // Field numbers past the eight change nothing and have no texts.
        { time(-1), Read(school->DayStartAt), u"480"_s, {}, Notification::None, school },
        { time(8), Read(school->DayStartAt), u"480"_s, {}, Notification::None, school },
        { std::make_shared<SchoolNameChange>(school, u"Elm"_s, k), Read(school->Name), u"Elm"_s, u"Rename School"_s,
            Notification::SchoolNameChange, school },
        { time(0), Read(school->DayStartAt), u"4"_s, u"Change School Time"_s, Notification::SchoolTimeChangeDayStart,
            school },
        { time(1), Read(school->DayEndAt), u"4"_s, u"Change School Time"_s, Notification::SchoolTimeChangeDayEnd,
            school },
        { time(2), Read(school->SpecialStartAt), u"4"_s, u"Change Special Start Time"_s,
            Notification::SchoolTimeChangeSpecialStart, school },
        { time(3), Read(school->LunchStartAt), u"4"_s, u"Change Lunch Time"_s, Notification::SchoolTimeChangeLunchStart,
            school },
        { time(4), Read(school->LunchEndAt), u"4"_s, u"Change Lunch Time"_s, Notification::SchoolTimeChangeLunchEnd,
            school },
        { time(5), Read(school->LunchRecessTime), u"4"_s, u"Change Lunch Schedule"_s,
            Notification::SchoolTimeChangeLunchRecess, school },
        { time(6), Read(school->LunchMaxClasses), u"4"_s, u"Change Lunch Schedule"_s,
            Notification::SchoolTimeChangeLunchMax, school },
        { time(7), Read(school->LunchTime), u"4"_s, u"Change Lunch Schedule"_s, Notification::SchoolTimeChangeLunchTime,
            school },
        { std::make_shared<SchoolFreeTimeChange>(school, 50, k), Read(school->InterruptFreeTime), u"50"_s,
            u"Interrupt-Free Change"_s, Notification::SchoolFreeTimeChange, school },
        { std::make_shared<ClassTeacherChange>(cls, u"Ray"_s, k), Read(cls->Teacher), u"Ray"_s, u"Teacher Change"_s,
            Notification::ClassTeacherChange, cls },
        { std::make_shared<ClassGradeChange>(cls, u"2nd"_s, k), Read(cls->Grade), u"2nd"_s, u"Grade Change"_s,
            Notification::ClassGradeChange, cls },
        { std::make_shared<ClassTimeChange>(cls, true, 500, k), Read(cls->DayStart), u"500"_s, u"Change Class Time"_s,
            Notification::ClassTimeChangeDayStart, cls },
        { std::make_shared<ClassTimeChange>(cls, false, 800, k), Read(cls->DayEnd), u"800"_s, u"Change Class Time"_s,
            Notification::ClassTimeChangeDayEnd, cls },
        { std::make_shared<ClassNumberOfStudentsChange>(cls, 24, k), Read(cls->NumberOfStudents), u"24"_s,
            u"Number of Students Change"_s, Notification::ClassNumberOfStudentsChange, cls },
        { std::make_shared<SpecialTitleChange>(school, special, u"Art"_s, k), Read(special->Title), u"Art"_s,
            u"Special Title Change"_s, Notification::SpecialTitleChange, special },
        { std::make_shared<SpecialTeacherChange>(special, u"Oak"_s, k), Read(special->Teacher), u"Oak"_s,
            u"Special Teacher Change"_s, Notification::SpecialTeacherChange, special },
        { std::make_shared<SpecialMaxStudentsChange>(special, 30, k), Read(special->MaxStudents), u"30"_s,
            u"Number of Students Change"_s, Notification::SpecialMaxStudentsChange, special },
        { std::make_shared<SpecialDurationChange>(special, 45, k), Read(special->Duration), u"45"_s,
            u"Duration Change"_s, Notification::SpecialDurationChange, special },
        { std::make_shared<SpecialOverlapChange>(special, 5, k), Read(special->OverlapTime), u"5"_s,
            u"Overlap Change"_s, Notification::SpecialOverlapChange, special },
        { std::make_shared<SpecialAttendenceChange>(cls, u"Art"_s, 2, k), art, u"2"_s, u"Attendance Change"_s,
            Notification::SpecialAttendenceChange, cls },
        { std::make_shared<SpecialAvailabilityChange>(special, 4, 0, false), available, u"-"_s,
            u"Availability Change"_s, Notification::SpecialAvailabilityChange, special },
        // Each removal takes out what the add before it left in the list.
        { std::make_shared<AddClassChange>(school, cls, k), classes, u"1"_s, u"Add Class"_s,
            Notification::ClassListChange, cls },
        { std::make_shared<RemoveClassChange>(school, cls, k), classes, u"0"_s, u"Remove Class"_s,
            Notification::ClassListChange, cls },
        { std::make_shared<AddSpecialChange>(school, special, k), specials, u"1"_s, u"Add Special Class"_s,
            Notification::SpecialListChange, special },
        { std::make_shared<RemoveSpecialChange>(school, special, k), specials, u"0"_s, u"Remove Special Class"_s,
            Notification::SpecialListChange, special },
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const Case& c = cases[i];
        UndoManager manager;
        RecordingListener listener;
        manager.Listeners.push_back(&listener);
        const QString before = c.Value();
        manager.Add(c.Action);
        EXPECT_EQ(c.Value(), c.After);
        EXPECT_EQ(manager.UndoText(), u"Undo "_s + c.Description);
        manager.Undo();
        EXPECT_EQ(c.Value(), before);
        manager.Redo();
        EXPECT_EQ(c.Value(), c.After);
        ASSERT_EQ(listener.Received.size(), 3u);
        for (const Heard& n : listener.Received) {
            EXPECT_EQ(n.Name, c.Name);
            EXPECT_EQ(n.Tag, c.Tag);
        }
    }
    EXPECT_NE(cls->SpecialAttendance().Find(u"Art"_s), nullptr) << "undoing a count from 0 leaves an entry of 0";
}

TEST(EditActions, SchoolTimeChangeMergesOnlyWithTheSameField)
{
    FakeClock clock;
    const auto school = std::make_shared<School>();
    UndoManager manager;
    for (const auto& [field, value] : { std::pair { SchoolTimeChange::LunchStartAt, 690 },
             { SchoolTimeChange::LunchEndAt, 800 }, { SchoolTimeChange::LunchEndAt, 810 } }) {
        clock.Advance(100'000);
        manager.Add(std::make_shared<SchoolTimeChange>(school, field, value, clock));
    }
    EXPECT_EQ(manager.UndoActions.size(), 2u);
    manager.Undo();
    EXPECT_EQ(school->LunchEndAt, 780);
    EXPECT_EQ(school->LunchStartAt, 690);
}

TEST(EditActions, QuickEditsOnTwoClassesMergeAndUndoRestoresOnlyTheFirst)
{
    FakeClock clock;
    const auto first = std::make_shared<Classroom>();
    const auto second = std::make_shared<Classroom>();
    UndoManager manager;
    manager.Add(std::make_shared<ClassTeacherChange>(first, u"Ann"_s, clock));
    clock.Advance(200'000);
    manager.Add(std::make_shared<ClassTeacherChange>(second, u"Bob"_s, clock));
    ASSERT_EQ(manager.UndoActions.size(), 1u);
    manager.Undo();
    EXPECT_EQ(first->Teacher, QString());
    EXPECT_EQ(second->Teacher, u"Bob"_s);
    manager.Redo();
    EXPECT_EQ(first->Teacher, u"Bob"_s);
}

TEST(EditActions, ListChangesFindTheObjectByIdentityAndUndoARemovalByAppending)
{
    const auto school = std::make_shared<School>();
    const auto a = std::make_shared<Classroom>(), b = std::make_shared<Classroom>(), c = std::make_shared<Classroom>();
    school->Classes = { a, b, c };
    UndoManager manager;
    manager.Add(std::make_shared<RemoveClassChange>(school, a));
    manager.Undo();
    EXPECT_EQ(school->Classes, (std::vector { b, c, a }));

    manager.Add(std::make_shared<AddClassChange>(school, b));
    manager.Add(std::make_shared<AddClassChange>(school, std::make_shared<Classroom>()));
    EXPECT_EQ(manager.UndoActions.size(), 2u) << "list changes never merge";
    manager.Undo();
    manager.Undo();
    EXPECT_EQ(school->Classes, (std::vector { c, a, b })) << "the first occurrence goes";
}

TEST(EditActions, AvailabilityEditOverSixSlotsIsOneStepAndOneNotification)
{
    const auto special = std::make_shared<SpecialClass>();
    special->IsAvailable(1, 3, false);
    std::shared_ptr<ActionBase> chain;
    for (std::int32_t slot = 5; slot >= 0; --slot) {
        auto link = std::make_shared<SpecialAvailabilityChange>(special, 1, slot, slot % 2 == 0);
        link->NextAction = chain;
        chain = link;
    }
    UndoManager manager;
    RecordingListener listener;
    manager.Listeners.push_back(&listener);
    const auto availability = [&] {
        QString marks;
        for (std::int32_t slot = 0; slot < 6; ++slot)
            marks += special->IsAvailable(1, slot) ? u'+' : u'-';
        return marks;
    };
    manager.Add(chain);
    EXPECT_EQ(availability(), u"+-+-+-"_s);
    manager.Undo();
    EXPECT_EQ(availability(), u"+++-++"_s);
    manager.Redo();
    EXPECT_EQ(availability(), u"+-+-+-"_s);
    EXPECT_EQ(manager.UndoActions.size(), 1u);
    EXPECT_EQ(listener.Received.size(), 3u) << "one for each of do, undo and redo";
}

} // namespace
