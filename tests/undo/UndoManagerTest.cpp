#include "UndoTestSupport.h"

#include "model/Timetable.h"
#include "undo/FieldChanges.h"
#include "undo/ScheduleKeeper.h"
#include "undo/UndoManager.h"

#include "model/School.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <memory>

using namespace belltide;
using namespace belltide::test;
using namespace Qt::Literals::StringLiterals;

namespace {

// Writes what it does into a shared log, to check the order of a chain.
class LoggingAction final : public ActionBase {
public:
    LoggingAction(QStringList& log, QString label, Notification name)
        : mLog(log)
        , mLabel(std::move(label))
        , mName(name)
    {
    }

protected:
    void Execute() override { mLog.append(u"do "_s + mLabel); }
    void Unexecute() override { mLog.append(u"undo "_s + mLabel); }
    Notification GetNotificationName() const override { return mName; }

private:
    QStringList& mLog;
    QString mLabel;
    Notification mName;
};

class UndoManagerTest : public ::testing::Test {
protected:
    void Rename(const QString& name, std::int64_t afterMicros = 1'000'000)
    {
        mClock.Advance(afterMicros);
        mManager.Add(std::make_shared<SchoolNameChange>(mSchool, name, mClock));
    }

    FakeClock mClock;
    std::shared_ptr<School> mSchool = std::make_shared<School>();
    UndoManager mManager;
};

TEST_F(UndoManagerTest, SameTypeEditsMergeOnlyWhenLessThanHalfASecondApart)
{
    for (const auto& [gap, entries] :
        { std::pair { 300'000, 1u }, { 499'999, 1u }, { 500'000, 2u }, { 600'000, 2u } }) {
        SCOPED_TRACE(gap);
        mManager.UndoActions.clear();
        mSchool->Name = u"Old"_s;
        Rename(u"A"_s);
        Rename(u"AB"_s, gap);
        ASSERT_EQ(mManager.UndoActions.size(), entries);
        mManager.Undo();
        EXPECT_EQ(mSchool->Name, entries == 1 ? u"Old"_s : u"A"_s);
        mManager.Redo();
        EXPECT_EQ(mSchool->Name, u"AB"_s);
    }
}

TEST_F(UndoManagerTest, RunOfEditsKeepsMergingWhileEachGapIsShort)
{
    Rename(u"A"_s);
    Rename(u"AB"_s, 400'000);
    Rename(u"ABC"_s, 400'000);
    ASSERT_EQ(mManager.UndoActions.size(), 1u);
    mManager.Undo();
    EXPECT_EQ(mSchool->Name, u"My School"_s);
    mManager.Redo();
    EXPECT_EQ(mSchool->Name, u"ABC"_s);
}

TEST_F(UndoManagerTest, DirtinessFollowsTheStackDepthAtTheLastSave)
{
    EXPECT_FALSE(mManager.IsDirty());
    EXPECT_EQ(mManager.UndoText(), u"Undo"_s);
    Rename(u"A"_s);
    Rename(u"B"_s);
    Rename(u"C"_s);
    mManager.MarkSave();
    EXPECT_EQ(mManager.LastSaveMark, 2);

    mManager.Undo();
    EXPECT_TRUE(mManager.IsDirty());
    mManager.Add(std::make_shared<SchoolFreeTimeChange>(mSchool, 30, mClock));
    EXPECT_FALSE(mManager.CanRedo());
    EXPECT_FALSE(mManager.IsDirty()) << "back at the saved depth";

    mClock.Advance(100'000);
    mManager.Add(std::make_shared<SchoolFreeTimeChange>(mSchool, 35, mClock));
    EXPECT_FALSE(mManager.IsDirty()) << "a merge keeps the depth";
}

TEST_F(UndoManagerTest, ChainIsOneStepDoneFrontToBackUndoneBackToFront)
{
    RecordingListener listener;
    mManager.Listeners.push_back(&listener);
    QStringList log;
    auto chain = std::make_shared<LoggingAction>(log, u"1"_s, Notification::ClassListChange);
    chain->NextAction = std::make_shared<LoggingAction>(log, u"2"_s, Notification::SpecialListChange);
    chain->NextAction->NextAction = std::make_shared<LoggingAction>(log, u"3"_s, Notification::SchoolNameChange);

    mManager.Add(chain);
    mManager.Undo();
    mManager.Redo();

    EXPECT_EQ(log.join(u','), u"do 1,do 2,do 3,undo 3,undo 2,undo 1,do 1,do 2,do 3"_s);
    ASSERT_EQ(listener.Received.size(), 3u);
    for (const Heard& n : listener.Received)
        EXPECT_EQ(n.Name, Notification::ClassListChange);
}

} // namespace

TEST_F(UndoManagerTest, AnEditMergedIntoTheTopRightAfterAnUndoStillEmptiesRedo)
{
    Rename(u"A"_s);
    mClock.Advance(100'000);
    mManager.Add(std::make_shared<SchoolFreeTimeChange>(mSchool, 30, mClock));
    mManager.Undo();
    ASSERT_TRUE(mManager.CanRedo());

    Rename(u"AB"_s, 100'000);
    ASSERT_EQ(mManager.UndoActions.size(), 1u) << "the rename merged into the one before the undone edit";
    EXPECT_FALSE(mManager.CanRedo());
    mManager.Redo();
    EXPECT_EQ(mSchool->InterruptFreeTime, 45) << "the undone edit cannot come back over the newer one";
    EXPECT_EQ(mSchool->Name, u"AB"_s);
}

namespace {

// Trims the schedule to a new value after every edit, as the window's keeper
// does, and remembers which schedule each trim started from.
class FakeKeeper final : public ScheduleKeeper {
public:
    std::shared_ptr<const Timetable> CurrentSchedule() const override { return Current; }
    void ScheduleAfterEdit(const ActionBase&, const std::shared_ptr<const Timetable>& before) override
    {
        TrimmedFrom.push_back(before);
        Current = std::make_shared<const Timetable>();
    }
    void RestoreSchedule(const std::shared_ptr<const Timetable>& schedule) override { Current = schedule; }

    std::shared_ptr<const Timetable> Current = std::make_shared<const Timetable>();
    std::vector<std::shared_ptr<const Timetable>> TrimmedFrom;
};

} // namespace

TEST_F(UndoManagerTest, UndoAndRedoBringBackTheVeryScheduleOfEachStep)
{
    FakeKeeper keeper;
    mManager.Keeper = &keeper;
    const auto original = keeper.Current;
    Rename(u"A"_s);
    const auto afterFirst = keeper.Current;
    // A run of merged edits is trimmed from the schedule before the run, not
    // from what the first keystroke left of it.
    Rename(u"AB"_s, 100'000);
    ASSERT_EQ(mManager.UndoActions.size(), 1u);
    EXPECT_EQ(keeper.TrimmedFrom, (std::vector { original, original }));
    const auto afterRun = keeper.Current;
    EXPECT_NE(afterRun, afterFirst);

    mManager.Undo();
    EXPECT_EQ(keeper.Current, original);
    mManager.Redo();
    EXPECT_EQ(keeper.Current, afterRun);
    EXPECT_EQ(keeper.TrimmedFrom.size(), 2u) << "undo and redo restore; they never trim again";
}
