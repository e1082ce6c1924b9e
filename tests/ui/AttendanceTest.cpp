#include "FakeClock.h"
#include "TestSchools.h"
#include "model/Classroom.h"
#include "model/School.h"
#include "model/SpecialClass.h"
#include "ui/AttendanceGrid.h"
#include "ui/AttendancePage.h"
#include "ui/MainWindow.h"
#include "ui/SpecialsPage.h"
#include "ui/UntaughtBar.h"
#include "ui/controls/TextChoiceBox.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace belltide;
using namespace belltide::test;

// Counts that follow a subject's rename, the untaught ones the page offers to
// put right, mixed selections and the grid of every class and subject.
class AttendanceTest : public QObject {
    Q_OBJECT

    std::shared_ptr<School> mSchool;
    FakeClock mClock;
    std::unique_ptr<MainWindow> mWindow;
    std::shared_ptr<Classroom> mA, mB;

    void Open()
    {
        mWindow = std::make_unique<MainWindow>(mSchool, mClock);
        mWindow->show();
        QVERIFY(QTest::qWaitForWindowActive(mWindow.get()));
    }

    // On the box itself: the check box spans the page, its label does not.
    static void ClickToggle(AttendancePage& page)
    {
        QTest::mouseClick(page.mGridToggle, Qt::LeftButton, Qt::NoModifier, QPoint(8, page.mGridToggle->height() / 2));
    }

    std::size_t Steps() const { return mWindow->UndoManager().UndoActions.size(); }

private slots:
    void init()
    {
        mSchool = std::make_shared<School>();
        mA = AddClassTaughtBy(*mSchool, "1st", "A");
        mB = AddClassTaughtBy(*mSchool, "2nd", "B");
        AddSpecialTaughtBy(*mSchool, "Music", "Mr. Chen");
        AddSpecialTaughtBy(*mSchool, "Art", "Ms. Ray");
        mA->AttendCount(QStringLiteral("Music"), 2);
        mB->AttendCount(QStringLiteral("Music"), 3);
        mClock.Advance(10e6);
    }

    void cleanup() { mWindow.reset(); }

    void RenamingASubjectKeepsItsAttendance()
    {
        Open();
        mWindow->GoToStep(3);
        SpecialsPage& specials = mWindow->Specials();
        specials.mSpecialList->setCurrentRow(1); // "Music: Mr. Chen"
        specials.mSpecialClassTitle->lineEdit()->selectAll();
        QTest::keyClicks(specials.mSpecialClassTitle, QStringLiteral("Music Class"));
        QCOMPARE(mA->AttendCount(QStringLiteral("Music Class")), 2);
        QCOMPARE(mB->AttendCount(QStringLiteral("Music Class")), 3);
        QVERIFY(!mA->SpecialAttendance().Contains(QStringLiteral("Music")));
        QCOMPARE(Steps(), std::size_t(1));

        mWindow->GoToStep(4);
        AttendancePage& page = mWindow->Attendance();
        QVERIFY(!page.mUntaughtBar->isVisible());
        page.mSAClassList->item(1)->setSelected(true);
        QCOMPARE(page.mSASpecialList->TitleOf(1), QStringLiteral("Music Class"));
        QCOMPARE(page.SACountForSpecial(QStringLiteral("Music Class")), 3);

        mWindow->UndoAction()->trigger();
        QCOMPARE(mA->AttendCount(QStringLiteral("Music")), 2);
        QVERIFY(!mA->SpecialAttendance().Contains(QStringLiteral("Music Class")));
    }

    void UntaughtCountsAreOfferedForReassignOrRemoval()
    {
        mSchool->Specials[0]->Title = QStringLiteral("Band");
        mA->AttendCount(QStringLiteral("Art"), 1);
        Open();
        mWindow->GoToStep(4);
        AttendancePage& page = mWindow->Attendance();
        UntaughtBar* bar = page.mUntaughtBar;
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->mText->text(),
            QStringLiteral("Music: 2 classes attend it 5 times a week in all, but no special teaches it."));
        // The subject that nobody attends is offered first.
        QCOMPARE(bar->mTarget->currentText(), QStringLiteral("Band"));
        QTest::mouseClick(bar->mReassign, Qt::LeftButton);
        QCOMPARE(mB->AttendCount(QStringLiteral("Band")), 3);
        QCOMPARE(mA->AttendCount(QStringLiteral("Art")), 1);
        QVERIFY(!bar->isVisible());

        mWindow->UndoAction()->trigger();
        QVERIFY(bar->isVisible());
        QCOMPARE(mB->AttendCount(QStringLiteral("Music")), 3);
        QTest::mouseClick(bar->mRemove, Qt::LeftButton);
        QVERIFY(!mB->SpecialAttendance().Contains(QStringLiteral("Music")));
        QCOMPARE(mB->AttendCount(QStringLiteral("Band")), 0);
        QVERIFY(!bar->isVisible());
        QCOMPARE(mWindow->UndoManager().UndoText(), QStringLiteral("Undo Remove Attendance"));
    }

    void TheGridEditsEveryCountFromTheKeyboard()
    {
        Open();
        mWindow->GoToStep(4);
        AttendancePage& page = mWindow->Attendance();
        AttendanceGrid* grid = page.mGrid;
        QVERIFY(!grid->isVisible());
        ClickToggle(page);
        QVERIFY(grid->isVisible());
        QVERIFY(!page.mSAClassList->isVisible());
        QTRY_VERIFY(grid->hasFocus());
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(grid->columnCount(), 2);
        QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("Music"));
        QCOMPARE(grid->verticalHeaderItem(1)->text(), QStringLiteral("2nd: B"));
        QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("3"));

        grid->setCurrentCell(0, 0); // 1st: A, Art
        struct Key {
            Qt::Key Key;
            int Art;
        };
        // Each key that changes the count is one step of its own: the clock
        // moves between them as a person's typing would not.
        const Key keys[] = { { Qt::Key_4, 4 }, { Qt::Key_Plus, 5 }, { Qt::Key_Plus, 5 }, { Qt::Key_9, 5 },
            { Qt::Key_Minus, 4 }, { Qt::Key_Delete, 0 }, { Qt::Key_Minus, 0 } };
        for (const Key& key : keys) {
            mClock.Advance(1e6);
            QTest::keyClick(grid, key.Key);
            QCOMPARE(mA->AttendCount(QStringLiteral("Art")), key.Art);
        }
        QCOMPARE(Steps(), std::size_t(4));
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("0"));
        mWindow->UndoAction()->trigger();
        QCOMPARE(mA->AttendCount(QStringLiteral("Art")), 4);
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("4"));

        // Arrows move as in any table; the list view shows the same counts.
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Right);
        QTest::keyClick(grid, Qt::Key_1);
        QCOMPARE(mB->AttendCount(QStringLiteral("Music")), 1);
        ClickToggle(page);
        QVERIFY(page.mSAClassList->isVisible());
        page.mSAClassList->setCurrentRow(1, QItemSelectionModel::ClearAndSelect);
        QCOMPARE(page.SACountForSpecial(QStringLiteral("Music")), 1);
    }

    void PlusAndMinusOnAMixedSelectionStepEachClass()
    {
        Open();
        mWindow->GoToStep(4);
        AttendancePage& page = mWindow->Attendance();
        page.mSAClassList->item(0)->setSelected(true);
        page.mSAClassList->item(1)->setSelected(true);
        page.mSASpecialList->setFocus();
        page.mSASpecialList->setCurrentItem(page.mSASpecialList->topLevelItem(1));
        QTest::keyClick(page.mSASpecialList, Qt::Key_Plus);
        QCOMPARE(mA->AttendCount(QStringLiteral("Music")), 3);
        QCOMPARE(mB->AttendCount(QStringLiteral("Music")), 4);
        mClock.Advance(1e6);
        QTest::keyClick(page.mSASpecialList, Qt::Key_Plus);
        mClock.Advance(1e6);
        QTest::keyClick(page.mSASpecialList, Qt::Key_Plus);
        QCOMPARE(mA->AttendCount(QStringLiteral("Music")), 5);
        QCOMPARE(mB->AttendCount(QStringLiteral("Music")), 5);
        QCOMPARE(Steps(), std::size_t(3));
        mWindow->UndoAction()->trigger();
        QCOMPARE(mA->AttendCount(QStringLiteral("Music")), 4);
        QCOMPARE(mB->AttendCount(QStringLiteral("Music")), 5);
    }
};

QTEST_MAIN(AttendanceTest)
#include "AttendanceTest.moc"
