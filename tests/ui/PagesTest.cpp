#include "FakeClock.h"
#include "TestSchools.h"
#include "model/Classroom.h"
#include "model/School.h"
#include "model/SchoolDocument.h"
#include "model/SpecialClass.h"
#include "ui/AttendancePage.h"
#include "ui/ClassesPage.h"
#include "ui/MainWindow.h"
#include "ui/SchoolInfoPage.h"
#include "ui/SpecialsPage.h"
#include "ui/controls/AddRemoveButtons.h"
#include "ui/controls/NiceEditField.h"
#include "ui/controls/NumberField.h"
#include "ui/controls/SegmentSlider.h"
#include "ui/controls/TextChoiceBox.h"
#include "ui/controls/TimeControl.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace belltide;
using namespace belltide::test;

namespace {

QStringList Rows(const QListWidget* list)
{
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

// The x of the middle of a count cell's + or - button, in the list's viewport.
int ButtonX(const AttendanceList* list, bool plus)
{
    const int right = list->header()->sectionSize(0);
    return plus ? right - 30 + 6 : right - 12 + 6;
}

} // namespace

class PagesTest : public QObject {
    Q_OBJECT

    std::shared_ptr<School> mSchool;
    FakeClock mClock;
    std::unique_ptr<MainWindow> mWindow;

    void Open()
    {
        mWindow = std::make_unique<MainWindow>(mSchool, mClock);
        mWindow->show();
        QVERIFY(QTest::qWaitForWindowActive(mWindow.get()));
    }

private slots:
    void init()
    {
        mSchool = std::make_shared<School>();
        mClock.Advance(10e6);
    }

    void cleanup() { mWindow.reset(); }

    void TypedNumbersMergeIntoOneUndoStep()
    {
        Open();
        mWindow->GoToStep(1);
        QLineEdit* lunch = mWindow->SchoolInfo().mSchoolLunchTime;
        lunch->selectAll();
        QTest::keyClick(lunch, Qt::Key_1);
        mClock.Advance(200'000);
        QTest::keyClick(lunch, Qt::Key_2);
        QCOMPARE(mSchool->LunchTime, 12);
        QCOMPARE(mWindow->UndoManager().UndoActions.size(), std::size_t(1));
        mWindow->UndoAction()->trigger();
        QCOMPARE(mSchool->LunchTime, 20);
        QCOMPARE(lunch->text(), QStringLiteral("20"));

        // What is no whole number is kept out of the school.
        QLineEdit* freeTime = mWindow->SchoolInfo().mSchoolFreeTimeField;
        const std::int32_t before = mSchool->InterruptFreeTime;
        for (const char* typed : { "25.9", "about 30", "", "-5" }) {
            freeTime->setText(QString::fromLatin1(typed));
            QCOMPARE(mSchool->InterruptFreeTime, before);
        }
    }

    void TheTitleFollowsTheSchoolName()
    {
        Open();
        NiceEditField* name = mWindow->SchoolInfo().mSchoolNameField;
        name->setText(QStringLiteral("Oak Hill"));
        QCOMPARE(mWindow->windowTitle(), QStringLiteral("Belltide - Oak Hill"));
        name->setText(QStringLiteral("my SCHOOL"));
        QCOMPARE(mWindow->windowTitle(), QStringLiteral("Belltide"));
        QCOMPARE(mSchool->Name, QStringLiteral("my SCHOOL"));
    }

    void ADayEndBeforeTheStartStaysAsTypedAndIsFlagged()
    {
        Open();
        mWindow->GoToStep(1);
        SchoolInfoPage& page = mWindow->SchoolInfo();
        page.mSchoolDayEnd->setFocus();
        QTRY_VERIFY(page.mSchoolDayEnd->hasFocus());
        page.mSchoolDayEnd->SetMinutesValue(7 * 60);
        QCOMPARE(mSchool->DayEndAt, 420);
        mClock.Advance(2e6);
        page.mSchoolNameField->setFocus();
        QTRY_VERIFY(page.mSchoolNameField->hasFocus());
        // No quiet correction into a 0-minute day: the field says what is wrong.
        QCOMPARE(mSchool->DayEndAt, 420);
        QVERIFY(page.mSchoolDayEnd->Problem().contains(QStringLiteral("not after it starts")));
        mWindow->UndoAction()->trigger();
        QCOMPARE(mSchool->DayEndAt, 900);
        QVERIFY(page.mSchoolDayEnd->Problem().isEmpty());
    }

    void OnlyTheDayTimesResizeTheAvailabilitySliders()
    {
        Open();
        SegmentSlider* monday = mWindow->Specials().mAvailability[0];
        QCOMPARE(monday->Minimum(), 490);
        QCOMPARE(monday->Maximum(), 900);
        QCOMPARE(monday->NumberOfHatches(), 7);
        mWindow->SchoolInfo().mSchoolDayLunchStartAt->SetMinutesValue(600);
        QCOMPARE(monday->Minimum(), 490);
        mWindow->SchoolInfo().mSchoolDaySpecialStart->SetMinutesValue(540);
        QCOMPARE(monday->Minimum(), 540);
        QCOMPARE(monday->NumberOfHatches(), 6);
    }

    void AddingAClassSelectsItForTyping()
    {
        AddClassTaughtBy(*mSchool, "3rd", "Mr. Lopez");
        Open();
        mWindow->GoToStep(2);
        ClassesPage& page = mWindow->Classes();
        QVERIFY(!page.mAddRemoveClass->RemoveEnabled());
        page.mAddRemoveClass->PushAdd();
        QCOMPARE(
            Rows(page.mClassList), QStringList({ QStringLiteral("1st: Mrs. Doe"), QStringLiteral("3rd: Mr. Lopez") }));
        QCOMPARE(page.mClassList->selectedItems().first()->text(), QStringLiteral("1st: Mrs. Doe"));
        QTRY_VERIFY(page.mClassTeacher->hasFocus());
        QCOMPARE(page.mClassTeacher->selectedText(), QStringLiteral("Mrs. Doe"));
        QCOMPARE(page.mClassDayEnd->MinutesValue(), 900);
        QCOMPARE(Rows(mWindow->Attendance().mSAClassList), Rows(page.mClassList));

        // Typing the teacher's name re-sorts the list as it goes.
        QTest::keyClicks(page.mClassTeacher, QStringLiteral("Ms. Zhou"));
        page.mClassGrade->setEditText(QString());
        QTest::keyClicks(page.mClassGrade, QStringLiteral("4th"));
        QCOMPARE(
            Rows(page.mClassList), QStringList({ QStringLiteral("3rd: Mr. Lopez"), QStringLiteral("4th: Ms. Zhou") }));
        QCOMPARE(page.mClassList->selectedItems().first()->text(), QStringLiteral("4th: Ms. Zhou"));
        QCOMPARE(mSchool->Classes.front()->Teacher, QStringLiteral("Mr. Lopez"));
        QCOMPARE(Rows(mWindow->Attendance().mSAClassList), Rows(page.mClassList));
    }

    void TheGradeListHoldsEachGradeInUseOnce()
    {
        AddClassTaughtBy(*mSchool, "2nd", "A");
        AddClassTaughtBy(*mSchool, "2nd", "B");
        auto kinder = AddClassTaughtBy(*mSchool, "K", "C");
        Open();
        ClassesPage& page = mWindow->Classes();
        page.mClassList->setCurrentRow(0);
        QCOMPARE(page.mClassGrade->count(), 2);
        QCOMPARE(page.mClassGrade->itemText(0), QStringLiteral("2nd"));
        SelectRowAndRemove(page, kinder);
        page.mClassList->setCurrentRow(0);
        QCOMPARE(page.mClassGrade->count(), 1);
    }

    void RemovingTheSelectedClassClearsTheEditors()
    {
        AddClassTaughtBy(*mSchool, "2nd", "A");
        auto second = AddClassTaughtBy(*mSchool, "1st", "B");
        Open();
        ClassesPage& page = mWindow->Classes();
        SelectRowAndRemove(page, second);
        QVERIFY(page.mClassList->selectedItems().isEmpty());
        QVERIFY(!page.mClassTeacher->isEnabled());
        QVERIFY(page.mClassTeacher->text().isEmpty());
        QVERIFY(page.mClassNumberOfStudents->text().isEmpty());
        QVERIFY(!page.mAddRemoveClass->RemoveEnabled());
        mWindow->UndoAction()->trigger();
        QCOMPARE(Rows(page.mClassList), QStringList({ QStringLiteral("1st: B"), QStringLiteral("2nd: A") }));
        QCOMPARE(mSchool->Classes.front(), second); // the school's array follows the display order
        QVERIFY(SchoolDocument::ToBytes(*mSchool).indexOf("<Teacher>B</Teacher>")
            < SchoolDocument::ToBytes(*mSchool).indexOf("<Teacher>A</Teacher>"));
        mWindow->RedoAction()->trigger();
        QCOMPARE(Rows(page.mClassList), QStringList({ QStringLiteral("2nd: A") }));
    }

    void PickingAGradeFromTheListIsOneEdit()
    {
        auto first = AddClassTaughtBy(*mSchool, "K", "A");
        AddClassTaughtBy(*mSchool, "2nd", "B");
        Open();
        mWindow->GoToStep(2);
        ClassesPage& page = mWindow->Classes();
        page.mClassList->setCurrentRow(1); // "K: A" sorts after "2nd: B"
        QCOMPARE(page.mSelectedClass, first);
        page.mClassGrade->setFocus();
        QTest::keyClick(page.mClassGrade, Qt::Key_Up);
        QCOMPARE(first->Grade, QStringLiteral("2nd"));
        QCOMPARE(mWindow->UndoManager().UndoActions.size(), std::size_t(1));
        mWindow->GoToStep(0);
        mWindow->UndoAction()->trigger();
        QCOMPARE(first->Grade, QStringLiteral("K"));
        QCOMPARE(mWindow->CurrentPanel(), 2);
        QCOMPARE(page.mClassGrade->currentText(), QStringLiteral("K"));
        QTRY_VERIFY(page.mClassGrade->hasFocus());
    }

    void UndoShowsThePageAndFieldConcerned()
    {
        auto classroom = AddClassTaughtBy(*mSchool, "2nd", "A");
        Open();
        ClassesPage& page = mWindow->Classes();
        mWindow->GoToStep(2);
        page.mClassList->setCurrentRow(0);
        page.mClassNumberOfStudents->setText(QStringLiteral("24"));
        QCOMPARE(classroom->NumberOfStudents, 24);
        page.mClassList->clearSelection();
        mWindow->GoToStep(3);
        mWindow->UndoAction()->trigger();
        QCOMPARE(mWindow->CurrentPanel(), 2);
        QCOMPARE(page.mSelectedClass, classroom);
        QCOMPARE(page.mClassNumberOfStudents->text(), QStringLiteral("0"));
        QTRY_VERIFY(page.mClassNumberOfStudents->hasFocus());
    }

    void ANewSpecialAndItsLength()
    {
        Open();
        SpecialsPage& page = mWindow->Specials();
        page.mAddRemoveSpecial->PushAdd();
        QCOMPARE(Rows(page.mSpecialList), QStringList({ QStringLiteral("P.E.: Mrs. Smith") }));
        QCOMPARE(page.mSpecialDuration->text(), QStringLiteral("60"));
        QVERIFY(page.mAvailability[2]->isEnabled());
        page.mSpecialDuration->setText(QStringLiteral("3"));
        QCOMPARE(mSchool->Specials[0]->Duration, 60);
        QCOMPARE(page.mSpecialDuration->text(), QStringLiteral("3"));
    }

    void SameSubjectTwoTeachersIsTwoRowsAndOneAttendanceRow()
    {
        AddSpecialTaughtBy(*mSchool, "Art", "Ms. Rivera");
        AddSpecialTaughtBy(*mSchool, "Art", "Mr. Kim");
        AddSpecialTaughtBy(*mSchool, "Music", "Mr. Chen");
        Open();
        QCOMPARE(Rows(mWindow->Specials().mSpecialList),
            QStringList({ QStringLiteral("Art: Mr. Kim"), QStringLiteral("Art: Ms. Rivera"),
                QStringLiteral("Music: Mr. Chen") }));
        AttendanceList* list = mWindow->Attendance().mSASpecialList;
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->TitleOf(0), QStringLiteral("Art"));
    }

    void DraggingOnTuesdayIsOneUndoStepForTheWholeDay()
    {
        auto special = AddSpecialTaughtBy(*mSchool, "Art", "Ms. Rivera");
        for (int slot = 40; slot < 84; ++slot)
            special->IsAvailable(1, slot, false);
        Open();
        mWindow->GoToStep(3);
        SpecialsPage& page = mWindow->Specials();
        page.mSpecialList->setCurrentRow(0);
        SegmentSlider* tuesday = page.mAvailability[1];
        QCOMPARE(tuesday->SectionPoints, std::vector<int>({ 490, 680, 900 }));

        // Drag the tab at 11:20 back to 10:00 in the lower half: red from there on.
        const auto xOf
            = [&](int minutes) { return int(4 + (minutes - 490) * double(tuesday->width() - 8) / 410.0 + 0.5); };
        QTest::mousePress(tuesday, Qt::LeftButton, Qt::NoModifier, QPoint(xOf(680), 12));
        QMouseEvent move(QEvent::MouseMove, QPointF(xOf(600) + 1, 20), tuesday->mapToGlobal(QPointF(xOf(600) + 1, 20)),
            Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tuesday, &move);
        QTest::mouseRelease(tuesday, Qt::LeftButton, Qt::NoModifier, QPoint(xOf(600) + 1, 20));
        const int newStart = tuesday->SectionPoints[1];
        QVERIFY(newStart < 680 && newStart >= 595);
        QVERIFY(special->IsAvailable(1, (newStart - 480) / 5 - 1));
        QVERIFY(!special->IsAvailable(1, (newStart - 480) / 5));
        QVERIFY(!special->IsAvailable(1, (670 - 480) / 5));
        QVERIFY(!special->IsAvailable(1, 83));
        QCOMPARE(mWindow->UndoManager().UndoActions.size(), std::size_t(1));

        mWindow->UndoAction()->trigger();
        for (int slot = 0; slot < 84; ++slot)
            QCOMPARE(special->IsAvailable(1, slot), slot < 40);
        QCOMPARE(tuesday->SectionPoints, std::vector<int>({ 490, 680, 900 }));
    }

    void TheAttendanceStepFollowsEditsMadeOnTheOtherSteps()
    {
        AddClassTaughtBy(*mSchool, "2nd", "B");
        AddSpecialTaughtBy(*mSchool, "Music", "Mr. Chen");
        Open();
        AttendancePage& attendance = mWindow->Attendance();
        const auto titles = [&] {
            QStringList rows;
            for (int row = 0; row < attendance.mSASpecialList->topLevelItemCount(); ++row)
                rows << attendance.mSASpecialList->TitleOf(row);
            return rows;
        };

        mWindow->GoToStep(3);
        SpecialsPage& specials = mWindow->Specials();
        specials.mAddRemoveSpecial->PushAdd();
        QCOMPARE(titles(), QStringList({ QStringLiteral("Music"), QStringLiteral("P.E.") }));
        specials.mSpecialClassTitle->lineEdit()->selectAll();
        QTest::keyClicks(specials.mSpecialClassTitle, QStringLiteral("Art"));
        QCOMPARE(titles(), QStringList({ QStringLiteral("Art"), QStringLiteral("Music") }));

        mWindow->GoToStep(2);
        ClassesPage& classes = mWindow->Classes();
        classes.mAddRemoveClass->PushAdd();
        QTest::keyClicks(classes.mClassTeacher, QStringLiteral("Ms. A"));
        QCOMPARE(Rows(attendance.mSAClassList), Rows(classes.mClassList));
        QCOMPARE(attendance.mSAClassList->selectedItems().first()->text(), QStringLiteral("1st: Ms. A"));

        // Undone from the menu while another step shows: the rows follow too.
        mWindow->GoToStep(4);
        mWindow->UndoAction()->trigger();
        mWindow->UndoAction()->trigger();
        QCOMPARE(Rows(attendance.mSAClassList), QStringList({ QStringLiteral("2nd: B") }));
        QVERIFY(attendance.mSAClassList->selectedItems().isEmpty());
        QVERIFY(!attendance.mSASpecialList->isEnabled());
    }

    void AttendanceButtonsChangeEverySelectedClassAtOnce()
    {
        auto a = AddClassTaughtBy(*mSchool, "1st", "A");
        auto b = AddClassTaughtBy(*mSchool, "1st", "B");
        auto c = AddClassTaughtBy(*mSchool, "1st", "C");
        AddSpecialTaughtBy(*mSchool, "Music", "Mr. Chen");
        a->AttendCount(QStringLiteral("Music"), 2);
        b->AttendCount(QStringLiteral("Music"), 3);
        Open();
        mWindow->GoToStep(4);
        AttendancePage& page = mWindow->Attendance();
        AttendanceList* list = page.mSASpecialList;
        QVERIFY(!list->isEnabled());
        const QString music = QStringLiteral("Music");
        const int y = list->visualItemRect(list->topLevelItem(0)).center().y();
        // Clicks a second apart: quicker ones would merge into one undo step.
        auto click = [&](bool plus) {
            mClock.Advance(1e6);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(ButtonX(list, plus), y));
        };

        page.mSAClassList->item(0)->setSelected(true);
        page.mSAClassList->item(1)->setSelected(true);
        QVERIFY(list->isEnabled());
        QCOMPARE(page.SACountForSpecial(music), -1);
        // A mixed selection stays mixed: each class moves from its own count.
        click(true);
        QCOMPARE(a->AttendCount(music), 3);
        QCOMPARE(b->AttendCount(music), 4);
        for (int i = 0; i < 4; ++i)
            click(false);
        QCOMPARE(a->AttendCount(music), 0);
        QCOMPARE(b->AttendCount(music), 0);
        click(false);
        QCOMPARE(a->AttendCount(music), 0);
        click(true);
        click(true);

        page.mSAClassList->item(2)->setSelected(true);
        for (int i = 0; i < 7; ++i)
            click(true);
        QCOMPARE(c->AttendCount(music), 5);
        const std::size_t steps = mWindow->UndoManager().UndoActions.size();
        mWindow->UndoAction()->trigger();
        QCOMPARE(mWindow->UndoManager().UndoActions.size(), steps - 1);
        // The last step was the one that still changed something: c from 4 to 5.
        QCOMPARE(a->AttendCount(music), 5);
        QCOMPARE(b->AttendCount(music), 5);
        QCOMPARE(c->AttendCount(music), 4);

        // Between the two buttons, and on the title, nothing happens.
        for (int x : { list->header()->sectionSize(0) - 30 + 15, list->header()->sectionSize(0) + 20 })
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
        QCOMPARE(c->AttendCount(music), 4);
        mWindow->RedoAction()->trigger();
        QCOMPARE(c->AttendCount(music), 5);
        QCOMPARE(mWindow->CurrentPanel(), 4);
    }

private:
    void SelectRowAndRemove(ClassesPage& page, const std::shared_ptr<Classroom>& classroom)
    {
        for (int row = 0; row < page.mClassList->count(); ++row) {
            if (page.mClassList->item(row)->text().endsWith(classroom->Teacher))
                page.mClassList->setCurrentRow(row);
        }
        QCOMPARE(page.mSelectedClass, classroom);
        page.mAddRemoveClass->PushRemove();
    }
};

QTEST_MAIN(PagesTest)
#include "PagesTest.moc"
