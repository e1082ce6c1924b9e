#include "FakeClock.h"
#include "TestSchools.h"
#include "model/Classroom.h"
#include "model/School.h"
#include "model/SpecialClass.h"
#include "ui/AttendancePage.h"
#include "ui/ClassesPage.h"
#include "ui/MainWindow.h"
#include "ui/SchoolInfoPage.h"
#include "ui/SpecialsPage.h"
#include "ui/controls/AddRemoveButtons.h"
#include "ui/controls/SegmentSlider.h"
#include "ui/controls/TimeControl.h"

#include <QAccessible>
#include <QAction>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

using namespace belltide;
using namespace belltide::test;

namespace {

QAccessibleInterface* Accessible(QObject* object)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    if (!accessible)
        qFatal("no accessible interface");
    return accessible;
}

// The accessible children of an item view whose name contains `text`.
QStringList ChildNamesContaining(QAccessibleInterface* view, const QString& text)
{
    QStringList names;
    for (int i = 0; i < view->childCount(); ++i) {
        const QString name = view->child(i)->text(QAccessible::Name);
        if (name.contains(text))
            names << name;
    }
    return names;
}

QString Hhmm(int minutes)
{
    return QStringLiteral("%1:%2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

using Sections = std::pair<std::vector<int>, std::vector<bool>>;

struct KeyPress {
    Qt::Key Key;
    Qt::KeyboardModifiers Modifiers = Qt::NoModifier;
};

} // namespace

class AccessibilityTest : public QObject {
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

    void SliderKeys_data()
    {
        QTest::addColumn<std::vector<KeyPress>>("keys");
        QTest::addColumn<Sections>("expected");
        QTest::addColumn<int>("changes");
        // The slider starts 490 to 900: available to 600, then not.
        const auto ctrl = Qt::KeyboardModifiers(Qt::ControlModifier);
        const auto shift = Qt::KeyboardModifiers(Qt::ShiftModifier);
        QTest::newRow("the start of the range does not move")
            << std::vector<KeyPress> { { Qt::Key_Right } } << Sections({ 490, 600, 900 }, { true, false }) << 0;
        QTest::newRow("a chosen tab moves a step")
            << std::vector<KeyPress> { { Qt::Key_Right, ctrl }, { Qt::Key_Right }, { Qt::Key_Right } }
            << Sections({ 490, 610, 900 }, { true, false }) << 2;
        QTest::newRow("shift moves twelve steps")
            << std::vector<KeyPress> { { Qt::Key_Right, ctrl }, { Qt::Key_Left, shift } }
            << Sections({ 490, 540, 900 }, { true, false }) << 1;
        QTest::newRow("a tab stops a step before its neighbour")
            << std::vector<KeyPress> { { Qt::Key_Right, ctrl }, { Qt::Key_Left, shift }, { Qt::Key_Left, shift } }
            << Sections({ 490, 495, 900 }, { true, false }) << 2;
        QTest::newRow("choosing past the last tab keeps it")
            << std::vector<KeyPress> { { Qt::Key_Right, ctrl }, { Qt::Key_Right, ctrl }, { Qt::Key_Up } }
            << Sections({ 490, 900 }, { true }) << 1;
        QTest::newRow("down on the start makes the morning red too")
            << std::vector<KeyPress> { { Qt::Key_Down } } << Sections({ 490, 900 }, { false }) << 1;
        QTest::newRow("the same availability again changes nothing")
            << std::vector<KeyPress> { { Qt::Key_Up } } << Sections({ 490, 600, 900 }, { true, false }) << 0;
        QTest::newRow("insert makes the second half of the chosen section red")
            << std::vector<KeyPress> { { Qt::Key_Insert } } << Sections({ 490, 545, 900 }, { true, false }) << 1;
        QTest::newRow("the new tab is chosen and moves")
            << std::vector<KeyPress> { { Qt::Key_Right, ctrl }, { Qt::Key_Insert }, { Qt::Key_Right } }
            << Sections({ 490, 600, 755, 900 }, { true, false, true }) << 2;
        QTest::newRow("delete removes the chosen tab, the section before grows")
            << std::vector<KeyPress> { { Qt::Key_Right, ctrl }, { Qt::Key_Delete } } << Sections({ 490, 900 }, { true })
            << 1;
        QTest::newRow("the start cannot be deleted")
            << std::vector<KeyPress> { { Qt::Key_Backspace } } << Sections({ 490, 600, 900 }, { true, false }) << 0;
    }

    void SliderKeys()
    {
        QFETCH(std::vector<KeyPress>, keys);
        QFETCH(Sections, expected);
        QFETCH(int, changes);
        SegmentSlider slider;
        slider.resize(418, 24);
        slider.SetMinimum(490);
        slider.SetMaximum(900);
        slider.StepSize = 5;
        slider.AddPoint(600, false, false);
        QSignalSpy changed(&slider, &SegmentSlider::Changed);
        for (const KeyPress& press : keys)
            QTest::keyClick(&slider, press.Key, press.Modifiers);
        QCOMPARE(slider.SectionPoints, expected.first);
        QCOMPARE(slider.SectionAvailability, expected.second);
        QCOMPARE(changed.count(), changes);
    }

    void SlidersSayTheDayAndTheAvailableTimes()
    {
        auto special = AddSpecialTaughtBy(*mSchool, "Art", "Ms. Rivera");
        for (int slot = 40; slot < 84; ++slot)
            special->IsAvailable(1, slot, false);
        Open();
        mWindow->GoToStep(3);
        SpecialsPage& page = mWindow->Specials();
        page.mSpecialList->setCurrentRow(0);
        page.mAvailability[1]->TimeForValue = Hhmm;

        QAccessibleInterface* tuesday = Accessible(page.mAvailability[1]);
        QCOMPARE(tuesday->role(), QAccessible::Slider);
        QCOMPARE(tuesday->text(QAccessible::Name), QStringLiteral("Tuesday Availability"));
        QCOMPARE(tuesday->text(QAccessible::Value), QStringLiteral("Available 8:10 to 11:20"));
        QCOMPARE(Accessible(page.mAvailability[0])->text(QAccessible::Name), QStringLiteral("Monday Availability"));
        QVERIFY(page.mAvailability[1]->focusPolicy() & Qt::TabFocus);

        // From the keyboard: choose the tab at 11:20, move it two steps, then
        // make the morning red. Each is one undo step.
        page.mAvailability[1]->setFocus();
        QTest::keyClick(page.mAvailability[1], Qt::Key_Right, Qt::ControlModifier);
        QTest::keyClick(page.mAvailability[1], Qt::Key_Right);
        mClock.Advance(1e6);
        QTest::keyClick(page.mAvailability[1], Qt::Key_Right);
        QCOMPARE(tuesday->text(QAccessible::Value), QStringLiteral("Available 8:10 to 11:30"));
        QVERIFY(special->IsAvailable(1, (685 - 480) / 5));
        QVERIFY(!special->IsAvailable(1, (690 - 480) / 5));
        QTest::keyClick(page.mAvailability[1], Qt::Key_Left, Qt::ControlModifier);
        mClock.Advance(1e6);
        QTest::keyClick(page.mAvailability[1], Qt::Key_Down);
        QCOMPARE(tuesday->text(QAccessible::Value), QStringLiteral("Not available"));
        QVERIFY(!special->IsAvailable(1, 10));

        mWindow->UndoAction()->trigger();
        QCOMPARE(tuesday->text(QAccessible::Value), QStringLiteral("Available 8:10 to 11:30"));
    }

    void PlusAndMinusSayWhatTheyDoAndHaveShortcuts()
    {
        Open();
        mWindow->GoToStep(2);
        AddRemoveButtons* buttons = mWindow->Classes().mAddRemoveClass;
        QAccessibleInterface* group = Accessible(buttons);
        QCOMPARE(group->childCount(), 2);
        QAccessibleInterface* add = group->child(0);
        QAccessibleInterface* remove = group->child(1);
        QCOMPARE(group->indexOfChild(remove), 1);
        QCOMPARE(add->parent(), group);
        for (QAccessibleInterface* button : { add, remove })
            QCOMPARE(button->role(), QAccessible::Button);
        QCOMPARE(add->text(QAccessible::Name), QStringLiteral("Add a new class"));
        QCOMPARE(remove->text(QAccessible::Name), QStringLiteral("Remove the selected class"));
        QVERIFY(!add->state().disabled);
        QVERIFY(remove->state().disabled);
        const QPoint removeCentre = buttons->mapToGlobal(QPoint(34, 11));
        QCOMPARE(group->childAt(removeCentre.x(), removeCentre.y()), remove);
        const QString addKeys = AddRemoveButtons::AddShortcut().toString(QKeySequence::NativeText);
        QCOMPARE(add->text(QAccessible::Accelerator), addKeys);
        QVERIFY(buttons->toolTip().contains(addKeys));
        QVERIFY(buttons->toolTip().contains(AddRemoveButtons::RemoveShortcut().toString(QKeySequence::NativeText)));

        // Pressed through the accessible action, then with the shortcut; the
        // specials page's buttons are hidden and must not answer as well.
        add->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(mSchool->Classes.size(), std::size_t(1));
        QVERIFY(!remove->state().disabled);
        mClock.Advance(1e6);
        QTest::keyClick(mWindow.get(), Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(mSchool->Classes.size(), std::size_t(2));
        QVERIFY(mSchool->Specials.empty());
        QTest::keyClick(mWindow.get(), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(mSchool->Classes.size(), std::size_t(1));

        buttons->SetAddEnabled(false);
        QVERIFY(add->state().disabled);
        add->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTest::keyClick(mWindow.get(), Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(mSchool->Classes.size(), std::size_t(1));
    }

    void AttendanceRowsSayClassSubjectAndCountAndTakePlusAndMinus()
    {
        auto a = AddClassTaughtBy(*mSchool, "K", "Mrs. Adams");
        auto b = AddClassTaughtBy(*mSchool, "1st", "Mr. Brown");
        AddSpecialTaughtBy(*mSchool, "Art", "Ms. Rivera");
        AddSpecialTaughtBy(*mSchool, "Music", "Ms. Rivera");
        a->AttendCount(QStringLiteral("Music"), 2);
        Open();
        mWindow->GoToStep(4);
        AttendancePage& page = mWindow->Attendance();
        QAccessibleInterface* list = Accessible(page.mSASpecialList);
        QCOMPARE(ChildNamesContaining(list, QStringLiteral("Music:")),
            QStringList { QStringLiteral("Music: no class chosen") });

        const int kindergarten = page.mSAClassList->row(
            page.mSAClassList->findItems(QStringLiteral("K: Mrs. Adams"), Qt::MatchExactly).value(0));
        page.mSAClassList->setCurrentRow(kindergarten);
        QCOMPARE(ChildNamesContaining(list, QStringLiteral("Music:")),
            QStringList { QStringLiteral("Music: 2 times a week for K: Mrs. Adams") });
        QCOMPARE(ChildNamesContaining(list, QStringLiteral("Art:")),
            QStringList { QStringLiteral("Art: 0 times a week for K: Mrs. Adams") });
        page.mSAClassList->item(1 - kindergarten)->setSelected(true);
        QCOMPARE(ChildNamesContaining(list, QStringLiteral("Music:")),
            QStringList { QStringLiteral("Music: not the same for all 2 classes") });

        // The keyboard: the current row's count goes up with + and down with -.
        page.mSAClassList->clearSelection();
        page.mSAClassList->setCurrentRow(kindergarten);
        QVERIFY(page.mSASpecialList->focusPolicy() & Qt::TabFocus);
        page.mSASpecialList->setFocus();
        page.mSASpecialList->setCurrentItem(page.mSASpecialList->topLevelItem(1));
        QTest::keyClick(page.mSASpecialList, Qt::Key_Plus);
        QCOMPARE(a->AttendCount(QStringLiteral("Music")), 3);
        mClock.Advance(1e6);
        QTest::keyClick(page.mSASpecialList, Qt::Key_Up);
        QTest::keyClick(page.mSASpecialList, Qt::Key_Minus);
        QCOMPARE(a->AttendCount(QStringLiteral("Art")), 0);
        QTest::keyClick(page.mSASpecialList, Qt::Key_Equal);
        QCOMPARE(a->AttendCount(QStringLiteral("Art")), 1);
        QCOMPARE(b->AttendCount(QStringLiteral("Art")), 0);
        QCOMPARE(ChildNamesContaining(list, QStringLiteral("Art:")),
            QStringList { QStringLiteral("Art: 1 time a week for K: Mrs. Adams") });
    }

    void TimeFieldsAreNamedByTheirLabels()
    {
        Open();
        mWindow->GoToStep(1);
        QAccessibleInterface* start = Accessible(mWindow->SchoolInfo().mSchoolDayStart);
        // A time is typed as text; Up and Down still step it.
        QCOMPARE(start->role(), QAccessible::EditableText);
        QCOMPARE(start->text(QAccessible::Name), QStringLiteral("School Day Starts At:"));
        QCOMPARE(start->text(QAccessible::Value), mWindow->SchoolInfo().mSchoolDayStart->text());
        QCOMPARE(Accessible(mWindow->Classes().mClassDayEnd)->text(QAccessible::Name), QStringLiteral("Day End Time:"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
