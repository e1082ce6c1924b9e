#include "TestSchools.h"
#include "model/School.h"
#include "ui/AboutWindow.h"
#include "ui/ApplicationCommands.h"
#include "ui/ClassesPage.h"
#include "ui/MainWindow.h"
#include "ui/MenuBar.h"
#include "ui/SchoolInfoPage.h"
#include "ui/UrlOpener.h"
#include "ui/controls/NiceEditField.h"
#include "ui/controls/NumberField.h"
#include "ui/controls/TextChoiceBox.h"
#include "ui/controls/TimeControl.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QTest>

using namespace belltide;

namespace {

struct RecordingCommands : ApplicationCommands {
    QStringList Received;
    bool FileNewSchedule() override { return Record(u"FileNewSchedule"); }
    bool FileOpenSchedule() override { return Record(u"FileOpenSchedule"); }
    bool HelpAboutBelltide() override { return Record(u"HelpAboutBelltide"); }
    bool HelpBelltideWebsite() override { return Record(u"HelpBelltideWebsite"); }
    bool HelpEmailCustomerService() override { return Record(u"HelpEmailCustomerService"); }
    bool HelpCheckforUpdates() override { return Record(u"HelpCheckforUpdates"); }
    bool Record(QStringView name) { return Received << name.toString(), true; }
};

struct RecordingOpener : UrlOpener {
    QList<QUrl> Opened;
    bool OpenUrl(const QUrl& url) override { return Opened << url, true; }
};

const QString kApplicationItems = QStringLiteral("FileNewSchedule FileOpenSchedule HelpAboutBelltide "
                                                 "HelpBelltideWebsite HelpEmailCustomerService HelpCheckforUpdates");
const QString kDocumentItems
    = QStringLiteral("FileClose FileSave FileSaveAs FileExport FileImport FilePageSetup FilePrint");
const QString kTextItems = QStringLiteral("EditCut EditCopy EditPaste EditClear EditSelectAll");

bool AllEnabled(const MenuBar& menus, const QString& names, bool enabled)
{
    const QStringList list = names.split(QLatin1Char(' '));
    return std::all_of(
        list.begin(), list.end(), [&](const QString& name) { return menus.Item(name)->isEnabled() == enabled; });
}

void Trigger(const MenuBar& menus, const char* name)
{
    menus.Item(QString::fromLatin1(name))->trigger();
}

} // namespace

class MenusTest : public QObject {
    Q_OBJECT

private slots:
    void DocumentWindowAnswersItsCommandsAndPassesTheRestToTheApplication()
    {
        auto school = std::make_shared<School>();
        MainWindow window(school);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const MenuBar& menus = window.Menus();
        QVERIFY(AllEnabled(menus, kDocumentItems, true));
        // A window on its own has no application behind it to answer these.
        QVERIFY(AllEnabled(menus, kApplicationItems, false));
        RecordingCommands commands;
        window.SetApplicationCommands(&commands);
        for (const QString& name : kApplicationItems.split(QLatin1Char(' ')))
            menus.Item(name)->trigger();
        QCOMPARE(commands.Received.join(QLatin1Char(' ')), kApplicationItems);

        QCOMPARE(window.UndoAction()->text(), QStringLiteral("Can't Undo"));
        QVERIFY(!window.UndoAction()->isEnabled());
        window.GoToStep(1);
        window.SchoolInfo().mSchoolNameField->setText(QStringLiteral("Oak"));
        QVERIFY(window.UndoAction()->isEnabled());

        // The keys as a user presses them, away from any text field.
        window.GoToStep(2);
        QTest::keyClick(window.Classes().mClassList, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(school->Name, QStringLiteral("My School"));
        window.GoToStep(2);
        QTest::keyClick(window.Classes().mClassList, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(school->Name, QStringLiteral("Oak"));
    }

    void EditingCommandsActOnTheFocusedTextFieldOnly()
    {
        auto school = std::make_shared<School>();
        MainWindow window(school);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const MenuBar& menus = window.Menus();
        QVERIFY(AllEnabled(menus, kTextItems, false));
        window.GoToStep(1);
        NiceEditField* name = window.SchoolInfo().mSchoolNameField;
        QTRY_VERIFY(name->hasFocus());
        QVERIFY(AllEnabled(menus, kTextItems, true));

        name->deselect();
        Trigger(menus, "EditSelectAll");
        Trigger(menus, "EditCopy");
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("My School"));
        Trigger(menus, "EditCut");
        QCOMPARE(name->text(), QString());
        QGuiApplication::clipboard()->setText(QStringLiteral("Oak Elementary"));
        Trigger(menus, "EditPaste");
        // An edit like typing: it reaches the school.
        QCOMPARE(school->Name, QStringLiteral("Oak Elementary"));
        name->setCursorPosition(3);
        Trigger(menus, "EditClear");
        QCOMPARE(name->text(), QStringLiteral("Oak Elementary"));
        name->setSelection(3, 11);
        Trigger(menus, "EditClear");
        QCOMPARE(name->text(), QStringLiteral("Oak"));

        // A time is typed like any text: Select All then typing replaces it.
        window.SchoolInfo().mSchoolDayStart->setFocus();
        QTRY_VERIFY(AllEnabled(menus, kTextItems, true));
        window.GoToStep(2);
        QTRY_VERIFY(window.Classes().mClassList->hasFocus());
        QVERIFY(AllEnabled(menus, kTextItems, false));
    }

    void UndoKeysInAFieldActOnTheDocument_data()
    {
        QTest::addColumn<int>("field");
        QTest::newRow("line edit") << 0;
        QTest::newRow("combo box") << 1;
        QTest::newRow("time field") << 2;
        QTest::newRow("number field") << 3;
    }
    void UndoKeysInAFieldActOnTheDocument()
    {
        QFETCH(int, field);
        auto school = test::EmptySchool();
        auto classroom = test::AddClassTaughtBy(*school, "1st", "Mrs. Adams");
        MainWindow window(school);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QString name = school->Name;
        window.GoToStep(1);
        window.SchoolInfo().mSchoolNameField->setText(QStringLiteral("Oak"));
        window.GoToStep(2);
        ClassesPage& page = window.Classes();
        page.mClassList->setCurrentRow(0);
        QCOMPARE(page.mSelectedClass, classroom);
        QWidget* const fields[]
            = { page.mClassTeacher, page.mClassGrade, page.mClassDayStart, page.mClassNumberOfStudents };
        QWidget* target = fields[field];
        auto value = [&] {
            const QString values[] = { classroom->Teacher, classroom->Grade, QString::number(classroom->DayStart),
                QString::number(classroom->NumberOfStudents) };
            return values[field];
        };
        auto shown = [&] {
            const QString texts[] = { page.mClassTeacher->text(), page.mClassGrade->currentText(),
                QString::number(page.mClassDayStart->MinutesValue()), page.mClassNumberOfStudents->text() };
            return texts[field];
        };
        auto press = [&](Qt::KeyboardModifiers modifiers, Qt::Key key) {
            // Undo and redo may move the focus; the user's hand is still in the field.
            target->setFocus(Qt::OtherFocusReason);
            QTRY_VERIFY(target->hasFocus());
            QTest::keyClick(target, key, modifiers);
        };

        // A field just loaded: Ctrl+Z undoes the document's last edit, made elsewhere.
        const QString loaded = value();
        press(Qt::ControlModifier, Qt::Key_Z);
        QCOMPARE(school->Name, name);
        QCOMPARE(value(), loaded);

        // Typed, then undone and redone by the keys: document, field and menu agree.
        window.GoToStep(2);
        target->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(target->hasFocus());
        if (field == 2) {
            QTest::keyClick(target, Qt::Key_Up);
        } else {
            if (auto* edit = qobject_cast<QLineEdit*>(target))
                edit->selectAll();
            QTest::keyClicks(target, QStringLiteral("7"));
        }
        const QString typed = value();
        QVERIFY(typed != loaded);
        QCOMPARE(shown(), typed);
        press(Qt::ControlModifier, Qt::Key_Z);
        QCOMPARE(value(), loaded);
        QCOMPARE(shown(), loaded);
        QVERIFY(window.RedoAction()->isEnabled());
        press(Qt::ControlModifier, Qt::Key_Y);
        QCOMPARE(value(), typed);
        QCOMPARE(shown(), typed);
        press(Qt::ControlModifier, Qt::Key_Z);
        press(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
        QCOMPARE(value(), typed);
        QVERIFY(!window.RedoAction()->isEnabled());
        // Nothing left to redo: the field does not redo on its own either.
        press(Qt::ControlModifier, Qt::Key_Y);
        QCOMPARE(value(), typed);
        QCOMPARE(shown(), typed);
    }

    void EditingCommandsWorkInAnEditableComboBox()
    {
        auto school = test::EmptySchool();
        auto classroom = test::AddClassTaughtBy(*school, "1st", "Mrs. Adams");
        MainWindow window(school);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.GoToStep(2);
        window.Classes().mClassList->setCurrentRow(0);
        TextChoiceBox* grade = window.Classes().mClassGrade;
        grade->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(grade->hasFocus());
        const MenuBar& menus = window.Menus();
        QVERIFY(AllEnabled(menus, kTextItems, true));

        Trigger(menus, "EditSelectAll");
        Trigger(menus, "EditCopy");
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1st"));
        Trigger(menus, "EditCut");
        QCOMPARE(classroom->Grade, QString());
        QGuiApplication::clipboard()->setText(QStringLiteral("2nd"));
        Trigger(menus, "EditPaste");
        QCOMPARE(classroom->Grade, QStringLiteral("2nd"));
        grade->lineEdit()->setSelection(0, 1);
        Trigger(menus, "EditClear");
        QCOMPARE(classroom->Grade, QStringLiteral("nd"));
    }

    void WhatTheWindowSaysIsSpelledRight()
    {
        MainWindow window(test::EmptySchool());
        QStringList texts;
        for (const QLabel* label : window.findChildren<QLabel*>())
            texts << label->text() << label->toolTip();
        for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
            texts << button->text() << button->toolTip();
        for (const QAction* action : window.findChildren<QAction*>())
            texts << action->text();
        for (const QWidget* widget : window.findChildren<QWidget*>())
            texts << widget->toolTip();
        // Misspellings the program once showed; the file format keeps its own.
        for (const char* wrong : { "iterruption", "Specal", "Attendence" })
            QVERIFY2(!texts.join(QLatin1Char('\n')).contains(QLatin1String(wrong), Qt::CaseInsensitive), wrong);
    }

    void AboutWindowShowsTheVersionAndOpensTheWebsite_data()
    {
        QTest::addColumn<int>("bug");
        QTest::addColumn<QString>("title");
        QTest::newRow("1.2.0") << 0 << QStringLiteral("Belltide 1.2");
        QTest::newRow("1.2.3") << 3 << QStringLiteral("Belltide 1.2.3");
    }
    void AboutWindowShowsTheVersionAndOpensTheWebsite()
    {
        QFETCH(int, bug);
        QFETCH(QString, title);
        RecordingOpener opener;
        const QUrl website(QStringLiteral("http://belltide.test/"));
        AboutWindow about({ 1, 2, bug }, website, opener);
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QCOMPARE(about.windowTitle(), QStringLiteral("About Belltide"));
        QCOMPARE(about.StaticText1->text(), title);
        QCOMPARE(about.Canvas1->pixmap().size(), QSize(64, 64));
        QVERIFY(!about.isModal());
        QTest::mousePress(about.StaticText2, Qt::LeftButton);
        QCOMPARE(opener.Opened, QList<QUrl> { website });
        QTest::keyClick(&about, Qt::Key_W, Qt::ControlModifier);
        QVERIFY(!about.isVisible());
    }
};

QTEST_MAIN(MenusTest)
#include "MenusTest.moc"
