#include "FakeClock.h"
#include "TestSchools.h"
#include "model/Classroom.h"
#include "model/School.h"
#include "model/TimeText.h"
#include "ui/ClassesPage.h"
#include "ui/HelpCanvas.h"
#include "ui/MainWindow.h"
#include "ui/PageContext.h"
#include "ui/SchoolInfoPage.h"
#include "ui/controls/FieldMark.h"
#include "ui/controls/NiceEditField.h"
#include "ui/controls/NumberField.h"
#include "ui/controls/TimeControl.h"

#include <QAction>
#include <QListWidget>
#include <QTest>

using namespace belltide;
using namespace belltide::test;

// What typing into the number and time fields stores, what it refuses, and
// how the page says so; and the window's title through undo.
class FieldEntryTest : public QObject {
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

    HelpCanvas& Help() const { return mWindow->SchoolInfo().mContext.Help(); }

    // Replaces the field's text the way a person does: select all, then type.
    static void Retype(QWidget* field, const QString& text)
    {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void init()
    {
        mSchool = std::make_shared<School>();
        mClock.Advance(10e6);
    }

    void cleanup() { mWindow.reset(); }

    void ImpossibleNumbersAreRedExplainedAndNeverStored()
    {
        Open();
        mWindow->GoToStep(1);
        NumberField* lunch = mWindow->SchoolInfo().mSchoolLunchTime;
        struct Entry {
            const char* Typed;
            int Stored;
            const char* Why;
        };
        const Entry entries[] = {
            { "25", 25, nullptr },
            { "2x", 2, "\u201c2x\u201d is not a whole number" },
            { "-5", 2, "not a whole number" },
            // Each keystroke that still makes a number is an edit, as
            // typing always was; the one past the range is kept out.
            { "1500", 150, "1500 is out of range" },
            { "", 150, "type a number from 0 to 1440" },
            { "30", 30, nullptr },
        };
        for (const Entry& entry : entries) {
            Retype(lunch, QString::fromUtf8(entry.Typed));
            QCOMPARE(mSchool->LunchTime, entry.Stored);
            QCOMPARE(IsFieldMarked(*lunch), entry.Why != nullptr);
            if (entry.Why) {
                QVERIFY2(Help().Text().contains(QString::fromUtf8(entry.Why)), qPrintable(Help().Text()));
                QCOMPARE(Help().TextColour(), QColor(176, 0, 32));
            } else {
                QVERIFY(Help().Problem().isEmpty());
            }
        }
    }

    void ASchoolImpossibleOnItsFaceIsFlaggedWhereItIsTyped()
    {
        Open();
        mWindow->GoToStep(1);
        SchoolInfoPage& page = mWindow->SchoolInfo();
        struct Case {
            QWidget* Field;
            QString Typed;
            QWidget* Flagged;
            QString Why;
        };
        const Case cases[] = {
            { page.mSchoolDayEnd, QStringLiteral("7:00 AM"), page.mSchoolDayEnd,
                QStringLiteral("The school day ends at %1, which is not after it starts at %2.")
                    .arg(ShortTime(420), ShortTime(480)) },
            { page.mSchoolDaySpecialStart, QStringLiteral("4:00 PM"), page.mSchoolDaySpecialStart,
                QStringLiteral("outside the school day") },
            { page.mSchoolLunchEndAt, QStringLiteral("4:30 PM"), page.mSchoolLunchEndAt,
                QStringLiteral("is not inside the school day") },
            { page.mSchoolLunchTime, QStringLiteral("200"), page.mSchoolLunchTime,
                QStringLiteral("Lunch lasts 200 minutes, longer than the") },
            { page.mSchoolLunchMaxClasses, QStringLiteral("0"), page.mSchoolLunchMaxClasses,
                QStringLiteral("no class can have lunch") },
        };
        for (const Case& c : cases) {
            mClock.Advance(1e6);
            Retype(c.Field, c.Typed);
            QVERIFY2(IsFieldMarked(*c.Flagged), qPrintable(c.Typed));
            QVERIFY2(Help().Text().contains(c.Why, Qt::CaseInsensitive), qPrintable(Help().Text()));
            // Stored as typed, and put right by undo.
            mWindow->UndoAction()->trigger();
            QVERIFY2(!IsFieldMarked(*c.Flagged), qPrintable(c.Typed));
        }
        QVERIFY(Help().Problem().isEmpty());
    }

    void AClassDayThatEndsBeforeItStartsIsFlaggedOnTheClassesPage()
    {
        AddClassTaughtBy(*mSchool, "K", "Mrs. Adams");
        Open();
        mWindow->GoToStep(2);
        ClassesPage& page = mWindow->Classes();
        page.mClassList->setCurrentRow(0);
        Retype(page.mClassDayStart, QStringLiteral("3:30 PM"));
        QCOMPARE(mSchool->Classes[0]->DayStart, 15 * 60 + 30);
        QVERIFY(IsFieldMarked(*page.mClassDayStart) && IsFieldMarked(*page.mClassDayEnd));
        QVERIFY(Help().Text().startsWith(QStringLiteral("K: Mrs. Adams's day ends at %1").arg(ShortTime(900))));
        const int students = mSchool->Classes[0]->NumberOfStudents;
        Retype(page.mClassNumberOfStudents, QStringLiteral("twenty"));
        QCOMPARE(mSchool->Classes[0]->NumberOfStudents, students);
        QVERIFY(Help().Text().contains(QStringLiteral("Number of students")));
    }

    void TypedTimesInTheUsualForms_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("minutes");
        const QString us = QStringLiteral("en_US");
        const QString de = QStringLiteral("de_DE");
        QTest::newRow("2:30 PM") << us << "2:30 PM" << 870;
        QTest::newRow("2:30p") << us << "2:30p" << 870;
        QTest::newRow("2:30 pm") << us << "2:30 pm" << 870;
        QTest::newRow("14:30") << us << "14:30" << 870;
        QTest::newRow("230p") << us << "230p" << 870;
        QTest::newRow("9:05 a.m.") << us << "9:05 a.m." << 545;
        QTest::newRow("12 is noon") << us << "12" << 720;
        QTest::newRow("12 AM") << us << "12 am" << 0;
        QTest::newRow("2:30 in a school day") << us << "2:30" << 870;
        QTest::newRow("24-hour 14:30") << de << "14:30" << 870;
        QTest::newRow("24-hour 2:30") << de << "2:30" << 150;
        QTest::newRow("24-hour 2:30 PM") << de << "2:30 PM" << 870;
        QTest::newRow("no time") << us << "2:75" << 480;
        QTest::newRow("13 PM") << us << "13 pm" << 480;
        QTest::newRow("unfinished") << us << "2:3" << 480;
    }

    void TypedTimesInTheUsualForms()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(int, minutes);
        QLocale::setDefault(QLocale(locale));
        Open();
        mWindow->GoToStep(1);
        SchoolInfoPage& page = mWindow->SchoolInfo();
        TimeControl* start = page.mSchoolDayStart;
        Retype(start, typed);
        // Tab leaves the field with the time typed, shown the system's way.
        QTest::keyClick(start, Qt::Key_Tab);
        QTRY_VERIFY(!start->hasFocus());
        QCOMPARE(mSchool->DayStartAt, minutes);
        QCOMPARE(start->text(), ShortTime(minutes));
        QVERIFY(!IsFieldMarked(*start));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void TabLeavesTheFieldSoTheMinutesGoNowhereElse()
    {
        Open();
        mWindow->GoToStep(1);
        SchoolInfoPage& page = mWindow->SchoolInfo();
        TimeControl* lunchStart = page.mSchoolDayLunchStartAt;
        Retype(lunchStart, QStringLiteral("12"));
        QTest::keyClick(lunchStart, Qt::Key_Tab);
        QTRY_VERIFY(page.mSchoolLunchEndAt->hasFocus());
        QTest::keyClicks(page.mSchoolLunchEndAt, QStringLiteral("30"));
        // Noon, not midnight; the "30" went to the next field, which refuses it.
        QCOMPARE(mSchool->LunchStartAt, 720);
        QCOMPARE(mSchool->LunchEndAt, 780);
        QVERIFY(IsFieldMarked(*page.mSchoolLunchEndAt));
        QVERIFY(Help().Text().contains(QStringLiteral("A day has hours 0 to 23")));
        page.mSchoolNameField->setFocus();
        QTRY_VERIFY(!IsFieldMarked(*page.mSchoolLunchEndAt));
        QCOMPARE(page.mSchoolLunchEndAt->text(), ShortTime(780));
        QCOMPARE(mSchool->LunchEndAt, 780);
    }

    void TheTitleFollowsTheNameThroughUndoAndRedo()
    {
        Open();
        mWindow->GoToStep(1);
        NiceEditField* name = mWindow->SchoolInfo().mSchoolNameField;
        QCOMPARE(mWindow->windowTitle(), QStringLiteral("Belltide"));
        Retype(name, QStringLiteral("Oak Hill"));
        QCOMPARE(mWindow->windowTitle(), QStringLiteral("Belltide - Oak Hill"));
        mWindow->UndoAction()->trigger();
        QCOMPARE(mSchool->Name, QStringLiteral("My School"));
        QCOMPARE(mWindow->windowTitle(), QStringLiteral("Belltide"));
        mWindow->RedoAction()->trigger();
        QCOMPARE(mWindow->windowTitle(), QStringLiteral("Belltide - Oak Hill"));
    }
};

QTEST_MAIN(FieldEntryTest)
#include "FieldEntryTest.moc"
