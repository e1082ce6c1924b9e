#include "UndoTestSupport.h"

#include "TestSchools.h"
#include "model/Classroom.h"
#include "model/School.h"
#include "model/SpecialClass.h"
#include "model/UntaughtAttendance.h"
#include "undo/FieldChanges.h"
#include "undo/UndoManager.h"
#include "undo/UntaughtAttendanceChange.h"

#include <gtest/gtest.h>

using namespace belltide;
using namespace belltide::test;
using namespace Qt::Literals::StringLiterals;

namespace {

struct Fixture {
    std::shared_ptr<belltide::School> Town = std::make_shared<belltide::School>();
    std::shared_ptr<Classroom> A = AddClassTaughtBy(*Town, "1st", "A");
    std::shared_ptr<Classroom> B = AddClassTaughtBy(*Town, "2nd", "B");
    std::shared_ptr<SpecialClass> Music = AddSpecialTaughtBy(*Town, "Music", "Mr. Chen");
    std::shared_ptr<SpecialClass> Art = AddSpecialTaughtBy(*Town, "Art", "Ms. Ray");
    FakeClock Clock;
    UndoManager Manager;

    Fixture()
    {
        A->AttendCount(u"Music"_s, 2);
        B->AttendCount(u"Music"_s, 3);
        B->AttendCount(u"Art"_s, 1);
    }

    // One keystroke every 0.1 s: the whole text is one run.
    void Type(const std::shared_ptr<SpecialClass>& special, const QStringList& texts)
    {
        for (const QString& text : texts) {
            Clock.Advance(100'000);
            Manager.Add(std::make_shared<SpecialTitleChange>(Town, special, text, Clock));
        }
    }
};

TEST(AttendanceMove, ARenameTakesTheCountsAlongInOneStep)
{
    Fixture f;
    f.Type(f.Music, { u"M"_s, u"Mu"_s, u""_s, u"Music C"_s, u"Music Class"_s });
    ASSERT_EQ(f.Manager.UndoActions.size(), 1u);
    EXPECT_EQ(f.A->AttendCount(u"Music Class"_s), 2);
    EXPECT_EQ(f.B->AttendCount(u"Music Class"_s), 3);
    EXPECT_EQ(f.B->AttendCount(u"Art"_s), 1);
    for (const QString& gone : { u"Music"_s, u"M"_s, u"Mu"_s, u""_s, u"Music C"_s })
        EXPECT_FALSE(f.A->SpecialAttendance().Contains(gone)) << gone.toStdString();
    EXPECT_TRUE(FindUntaughtAttendance(*f.Town).empty());

    f.Manager.Undo();
    EXPECT_EQ(f.Music->Title, u"Music"_s);
    EXPECT_EQ(f.A->AttendCount(u"Music"_s), 2);
    EXPECT_FALSE(f.A->SpecialAttendance().Contains(u"Music Class"_s));
    f.Manager.Redo();
    EXPECT_EQ(f.B->AttendCount(u"Music Class"_s), 3);
    EXPECT_FALSE(f.B->SpecialAttendance().Contains(u"Music"_s));
}

TEST(AttendanceMove, PassingThroughAnotherSpecialsTitleTakesNothing)
{
    Fixture f;
    // "Art 2" is typed past "Art", which the other special keeps.
    f.Type(f.Music, { u"A"_s, u"Ar"_s, u"Art"_s, u"Art "_s, u"Art 2"_s });
    EXPECT_EQ(f.A->AttendCount(u"Art 2"_s), 2);
    EXPECT_EQ(f.B->AttendCount(u"Art 2"_s), 3);
    EXPECT_EQ(f.B->AttendCount(u"Art"_s), 1);
    EXPECT_EQ(f.A->AttendCount(u"Art"_s), 0);
}

TEST(AttendanceMove, NothingMovesWhileAnotherSpecialKeepsTheOldTitle)
{
    Fixture f;
    AddSpecialTaughtBy(*f.Town, "Music", "Mrs. Lee");
    f.Type(f.Music, { u"Choir"_s });
    EXPECT_EQ(f.A->AttendCount(u"Music"_s), 2);
    EXPECT_FALSE(f.A->SpecialAttendance().Contains(u"Choir"_s));

    // Onto a title that a class already attends: its count stays, and the old
    // entry is left where the school will see it.
    Fixture g;
    g.Type(g.Music, { u"Art"_s });
    EXPECT_EQ(g.A->AttendCount(u"Art"_s), 2);
    EXPECT_EQ(g.B->AttendCount(u"Art"_s), 1);
    const auto untaught = FindUntaughtAttendance(*g.Town);
    ASSERT_EQ(untaught.size(), 1u);
    EXPECT_EQ(untaught[0].Title, u"Music"_s);
    EXPECT_EQ(DescribeUntaught(untaught[0]),
        u"Music: 1 class attends it 3 times a week in all, but no special teaches it."_s);
}

TEST(AttendanceMove, UntaughtCountsAreRemovedOrReassignedUndoably)
{
    for (const QString& to : { QString(), u"Art"_s }) {
        SCOPED_TRACE(to.toStdString());
        Fixture f;
        f.Music->Title = u"Band"_s;
        ASSERT_EQ(FindUntaughtAttendance(*f.Town).size(), 1u);
        f.Manager.Add(std::make_shared<UntaughtAttendanceChange>(f.Town, u"music"_s, to));
        EXPECT_TRUE(FindUntaughtAttendance(*f.Town).empty());
        EXPECT_EQ(f.A->AttendCount(u"Art"_s), to.isEmpty() ? 0 : 2);
        EXPECT_EQ(f.B->AttendCount(u"Art"_s), to.isEmpty() ? 1 : 3) << "the larger count stays";
        f.Manager.Undo();
        EXPECT_EQ(f.A->AttendCount(u"Music"_s), 2);
        EXPECT_EQ(f.B->AttendCount(u"Art"_s), 1);
        EXPECT_EQ(f.A->SpecialAttendance().Entries().size(), 1u);
    }
}

TEST(AttendanceMove, QuickCountChangesMergeOnlyOnTheSameCount)
{
    Fixture f;
    const auto step = [&](const std::shared_ptr<Classroom>& c, const QString& title, int count) {
        f.Clock.Advance(100'000);
        return std::make_shared<SpecialAttendenceChange>(c, title, count, f.Clock);
    };
    f.Manager.Add(step(f.A, u"Music"_s, 3));
    f.Manager.Add(step(f.A, u"music"_s, 4));
    f.Manager.Add(step(f.B, u"Music"_s, 4));
    auto chain = step(f.A, u"Art"_s, 1);
    chain->NextAction = step(f.B, u"Art"_s, 2);
    f.Manager.Add(chain);
    EXPECT_EQ(f.Manager.UndoActions.size(), 3u);
    f.Manager.Undo();
    f.Manager.Redo();
    EXPECT_EQ(f.B->AttendCount(u"Art"_s), 2);
}

} // namespace
