#include "ui/MainWindow.h"
#include "FakeClock.h"
#include "TestSchools.h"
#include "engine/Schedule.h"
#include "engine/ScheduleObject.h"
#include "model/School.h"
#include "ui/HeadingCanvas.h"
#include "ui/HelpCanvas.h"
#include "ui/HomePage.h"
#include "ui/PageContext.h"
#include "ui/StepLinks.h"
#include "undo/FieldChanges.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace belltide;
using namespace belltide::test;

namespace {

// A control of the window by its object name, the name its help goes by.
template <typename T = QWidget> T* Control(const MainWindow& window, const char* name)
{
    auto* control = window.findChild<T*>(QString::fromLatin1(name));
    if (!control)
        qFatal("no control %s", name);
    return control;
}

void Hover(QWidget* widget, bool inside)
{
    QEvent event(inside ? QEvent::Enter : QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void OpensOnTheHomePageAndStepsThroughEveryPage()
    {
        MainWindow window(std::make_shared<School>());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.size(), QSize(800, 480));
        QCOMPARE(window.windowTitle(), QStringLiteral("Belltide"));
        QCOMPARE(window.CurrentPanel(), 0);
        QVERIFY(!window.BackButton()->isEnabled());
        QVERIFY(window.GotoGroup()->isHidden());
        QCOMPARE(window.Heading()->HeadingBig(), QStringLiteral("Home"));

        const char* headings[]
            = { "Home", "School Information", "Classes", "Special Classes", "Special Class Attendance", "Schedule" };
        for (int step = 1; step < 6; ++step) {
            QTest::mouseClick(window.ContinueButton(), Qt::LeftButton);
            QCOMPARE(window.CurrentPanel(), step);
            QCOMPARE(window.Heading()->HeadingBig(), QString::fromLatin1(headings[step]));
            QVERIFY(window.BackButton()->isEnabled());
            QVERIFY(window.GotoGroup()->isVisible());
        }
        QCOMPARE(window.Heading()->HeadingSmall(), QStringLiteral("View or print your schedule."));
        QVERIFY(!window.ContinueButton()->isEnabled());
        QTest::mouseClick(window.BackButton(), Qt::LeftButton);
        QCOMPARE(window.CurrentPanel(), 4);

        window.GoToStep(9);
        QCOMPARE(window.CurrentPanel(), 4);
        QTest::mouseClick(window.GotoCanvas(2), Qt::LeftButton);
        QCOMPARE(window.CurrentPanel(), 2);
        QTest::mouseClick(window.GotoCanvas(0), Qt::LeftButton);
        QCOMPARE(window.CurrentPanel(), 0);
    }

    void HomePicturesLabelsAndAcceleratorsLeadToTheirSteps()
    {
        MainWindow window(std::make_shared<School>());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        HomePage* home = window.Home();
        QTest::mouseClick(home->HomeCanvas(3), Qt::LeftButton);
        QCOMPARE(window.CurrentPanel(), 4);
        window.GoToStep(0);
        QTest::mouseClick(home->HomeLabel(5), Qt::LeftButton);
        QCOMPARE(window.CurrentPanel(), 3);
        window.GoToStep(0);
        QTest::keyClick(&window, Qt::Key_P, Qt::AltModifier);
        QCOMPARE(window.CurrentPanel(), 3);

        window.GoToStep(0);
        Hover(home->HomeCanvas(1), true);
        QVERIFY(home->HomeLabel(2)->IsUnderlined() && home->HomeLabel(3)->IsUnderlined());
        QVERIFY(!home->HomeLabel(4)->IsUnderlined());
        Hover(home->HomeCanvas(1), false);
        QVERIFY(!home->HomeLabel(2)->IsUnderlined());
        Hover(home->HomeLabel(9), true);
        QVERIFY(home->HomeLabel(8)->IsUnderlined());
    }

    void InstantHelpFollowsThePointerAndThePage()
    {
        MainWindow window(std::make_shared<School>());
        QWidget* lunchStart = Control(window, "SchoolDayLunchStartAt");
        QWidget* lunchEnd = Control(window, "SchoolLunchEndAt");
        bool showLunchHelp = true;
        window.ShowInstantHelp = [&] { return showLunchHelp; };
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QString homeHint = QStringLiteral(
            "Select a step to the left by clicking on it, or click the Continue button below to start with the first "
            "step.");
        QCOMPARE(window.Help()->Text(), homeHint);
        QCOMPARE(window.Help()->TextColour(), QColor(Qt::black));

        Hover(window.ContinueButton(), true);
        QCOMPARE(window.Help()->Text(), QStringLiteral("Click to go to the next step."));
        Hover(window.ContinueButton(), false);
        QCOMPARE(window.Help()->Text(), homeHint);

        window.GoToStep(1);
        QCOMPARE(window.Help()->Text(), QStringLiteral("Move your mouse over something, and Belo will explain it."));
        QCOMPARE(window.Help()->TextColour(), QColor(128, 128, 128));
        Hover(lunchStart, true);
        QVERIFY(window.Help()->Text().startsWith(QStringLiteral("Enter the basic lunch schedule information.")));
        Hover(lunchStart, false);

        showLunchHelp = false;
        Hover(lunchStart, true);
        QCOMPARE(window.Help()->TextColour(), QColor(128, 128, 128));
        Hover(lunchEnd, true);
        QVERIFY(window.Help()->Text().startsWith(QStringLiteral("Enter the basic lunch schedule information.")));

        window.GoToStep(5);
        QCOMPARE(window.Help()->Text(), QStringLiteral("Select a classroom to view in the popup above the schedule."));
    }

    void ReenteringAPageRestoresItsFocus()
    {
        auto school = std::make_shared<School>();
        AddClassTaughtBy(*school, "K", "Mrs. Adams");
        AddSpecialTaughtBy(*school, "Art", "Ms. Rivera");
        MainWindow window(school);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.GoToStep(2);
        Control<QListWidget>(window, "ClassList")->setCurrentRow(0);
        QWidget* students = Control(window, "ClassNumberOfStudents");
        students->setFocus();
        QTRY_VERIFY(students->hasFocus());
        window.GoToStep(3);
        Control<QListWidget>(window, "SpecialList")->setCurrentRow(0);
        QWidget* length = Control(window, "SpecialDuration");
        length->setFocus();
        QTRY_VERIFY(length->hasFocus());
        window.GoToStep(2);
        QTRY_VERIFY(students->hasFocus());
        window.GoToStep(3);
        QTRY_VERIFY(length->hasFocus());
    }

    void NotificationsDiscardTheScheduleAndShowTheStepConcerned()
    {
        auto school = std::make_shared<School>();
        FakeClock clock;
        MainWindow window(school, clock);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.UndoAction()->text(), QStringLiteral("Can't Undo"));
        QVERIFY(!window.UndoAction()->isEnabled());

        window.GoToStep(3);
        window.UndoManager().Add(std::make_shared<SchoolNameChange>(school, QStringLiteral("Oak"), window.Clock()));
        QCOMPARE(window.CurrentPanel(), 1);
        QCOMPARE(school->Name, QStringLiteral("Oak"));
        QVERIFY(window.UndoAction()->isEnabled());
        QVERIFY(window.Dirty());

        window.GoToStep(4);
        school->Schedule = std::make_shared<belltide::Schedule>(std::vector<std::shared_ptr<ScheduleObject>> {}, 0);
        window.UndoAction()->trigger();
        QCOMPARE(school->Name, QStringLiteral("My School"));
        QCOMPARE(window.CurrentPanel(), 1);
        QVERIFY(!school->Schedule);
        QVERIFY(window.RedoAction()->isEnabled());
        QVERIFY(!window.Dirty());

        // Edits made by the window itself change nothing on screen.
        window.GoToStep(0);
        {
            const PageContext::InternalChange guard(window.Context());
            window.RedoAction()->trigger();
        }
        QCOMPARE(window.CurrentPanel(), 0);
        QCOMPARE(school->Name, QStringLiteral("Oak"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
