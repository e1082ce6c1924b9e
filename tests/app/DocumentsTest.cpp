#include "FailingDisk.h"
#include "ReadOnlyFolder.h"
#include "app/App.h"
#include "app/DocumentController.h"
#include "app/FileRegistry.h"
#include "model/Classroom.h"
#include "model/School.h"
#include "model/SchoolDocument.h"
#include "model/SpecialClass.h"
#include "model/Timetable.h"
#include "ui/MainWindow.h"
#include "ui/PrintServices.h"
#include "ui/SchedulePage.h"
#include "undo/FieldChanges.h"

#include <QAction>
#include <QDir>
#include <QPageLayout>
#include <QPointer>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

using namespace belltide;

namespace {

// Answers the dialogs as a test tells it to, and remembers what was asked.
struct FakeDialogs : DocumentDialogs {
    std::optional<QString> OpenAnswer;
    std::optional<QString> SaveAnswer;
    SaveChoice CloseAnswer = SaveChoice::Cancel;
    QStringList Suggested;
    QStringList Errors;
    int Asked = 0;

    std::optional<QString> ChooseOpenFile(QWidget*) override { return OpenAnswer; }
    std::optional<QString> ChooseSaveFile(QWidget*, const QString& suggested) override
    {
        Suggested << suggested;
        return SaveAnswer;
    }
    SaveChoice AskSaveChanges(QWidget*) override
    {
        ++Asked;
        return CloseAnswer;
    }
    void ShowError(QWidget*, const QString& message) override { Errors << message; }
};

// One run of the program, with its settings in `config`.
struct Run {
    explicit Run(const QString& config)
        : app(std::make_unique<FileRegistry>(config), std::unique_ptr<DocumentDialogs>(Dialogs))
    {
    }
    FakeDialogs* Dialogs = new FakeDialogs;
    App app;
};

// Page Setup as a user answers it: A4 paper, OK. Remembers what it was shown.
struct PageSetupRecorder : PrintServices {
    QList<const QPrinter*> Printers;
    QList<QPageLayout::Orientation> Orientations;
    QList<QPageSize::PageSizeId> Sizes;
    QStringList Messages;

    bool PageSetup(QPrinter& printer, QWidget*) override
    {
        Printers << &printer;
        Orientations << printer.pageLayout().orientation();
        Sizes << printer.pageLayout().pageSize().id();
        printer.setPageSize(QPageSize(QPageSize::A4));
        return true;
    }
    bool PrintDialog(QPrinter&, QWidget*) override { return false; }
    bool PresentChoices(PrintChoicesWindow&) override { return false; }
    void Preview(QPrinter&, const std::function<void(QPrinter&)>&, QWidget*) override { }
    void Message(QWidget*, const QString& text) override { Messages << text; }
    PrintChoice AskCompleteBeforePrint(QWidget*, int) override { return PrintChoice::Cancel; }
};

void Edit(MainWindow* window, const QString& schoolName)
{
    window->UndoManager().Add(std::make_shared<SchoolNameChange>(window->SchoolPtr(), schoolName, window->Clock()));
}

void Trigger(MainWindow* window, const char* action)
{
    window->findChild<QAction*>(QString::fromLatin1(action))->trigger();
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString LastSchedule(App& app)
{
    return app.Prefs.Value(QStringLiteral("LastSchedule"), QString()).toString();
}

} // namespace

class DocumentsTest : public QObject {
    Q_OBJECT

    QTemporaryDir mDir;
    QString Path(const QString& name) const { return mDir.filePath(name); }
    QString Config() const { return Path(QStringLiteral("config")); }
    QString WriteSchool(const QString& name)
    {
        School school;
        school.Name = name;
        const QString path = Path(name + QStringLiteral(".psc"));
        return SchoolDocument::Write(school, path) ? path : QString();
    }

private slots:
    void ClosingAsksAboutUnsavedChanges_data()
    {
        QTest::addColumn<bool>("edit");
        QTest::addColumn<SaveChoice>("answer");
        QTest::addColumn<bool>("fileChosen");
        QTest::addColumn<bool>("staysOpen");
        QTest::newRow("clean closes without asking") << false << SaveChoice::Cancel << false << false;
        QTest::newRow("Cancel") << true << SaveChoice::Cancel << false << true;
        QTest::newRow("Don't Save") << true << SaveChoice::DontSave << false << false;
        QTest::newRow("Save, file dialog cancelled") << true << SaveChoice::Save << false << true;
        QTest::newRow("Save") << true << SaveChoice::Save << true << false;
    }
    void ClosingAsksAboutUnsavedChanges()
    {
        QFETCH(bool, edit);
        QFETCH(SaveChoice, answer);
        QFETCH(bool, fileChosen);
        QFETCH(bool, staysOpen);
        Run run(Config());
        run.app.Open();
        QPointer<MainWindow> window = run.app.NewDoc();
        if (edit)
            Edit(window, QStringLiteral("Oak"));
        run.Dialogs->CloseAnswer = answer;
        const QString file = Path(QStringLiteral("Oak.psc"));
        if (fileChosen)
            run.Dialogs->SaveAnswer = file;
        Trigger(window, "FileClose");
        QCOMPARE(run.Dialogs->Asked, edit ? 1 : 0);
        QCOMPARE(window && window->isVisible(), staysOpen);
        if (staysOpen)
            QVERIFY(window->Dirty());
        else
            QTRY_VERIFY(!window);
        QCOMPARE(run.Dialogs->Suggested,
            answer == SaveChoice::Save ? QStringList { QStringLiteral("Oak.psc") } : QStringList());
        QCOMPARE(QFile::exists(file), fileChosen);
        QCOMPARE(LastSchedule(run.app), fileChosen ? file : QString());
    }

    void WindowsShareOnePageSetupThatStartsInLandscape()
    {
        Run run(Config());
        run.app.Open();
        MainWindow* first = run.app.NewDoc();
        MainWindow* second = run.app.NewDoc();
        QVERIFY(first != second);
        auto* seenFirst = new PageSetupRecorder;
        auto* seenSecond = new PageSetupRecorder;
        first->SetPrintServices(std::unique_ptr<PrintServices>(seenFirst));
        second->SetPrintServices(std::unique_ptr<PrintServices>(seenSecond));

        // Untouched, it is already what printing uses: OK says nothing.
        Trigger(first, "FilePageSetup");
        QCOMPARE(seenFirst->Orientations, QList<QPageLayout::Orientation> { QPageLayout::Landscape });
        QCOMPARE(seenFirst->Messages, QStringList());
        // The paper chosen in one window is the other's too.
        Trigger(second, "FilePageSetup");
        QCOMPARE(seenSecond->Printers, seenFirst->Printers);
        QCOMPARE(seenSecond->Sizes, QList<QPageSize::PageSizeId> { QPageSize::A4 });
        QCOMPARE(seenSecond->Orientations, QList<QPageLayout::Orientation> { QPageLayout::Landscape });
    }

    void SavingFollowsTheUndoDepth()
    {
        Run run(Config());
        run.app.Open();
        MainWindow* window = run.app.NewDoc();
        Edit(window, QStringLiteral("Oak"));
        QVERIFY(window->Dirty());
        const QString file = Path(QStringLiteral("oak.psc"));
        run.Dialogs->SaveAnswer = file;
        Trigger(window, "FileSave");
        QCOMPARE(window->DiskFile(), file);
        QVERIFY(!window->Dirty() && !window->UndoManager().IsDirty());
        QCOMPARE(SchoolDocument::Read(file).Value()->Name, QStringLiteral("Oak"));
        Trigger(window, "EditUndo");
        QVERIFY(window->Dirty());
        Trigger(window, "EditRedo");
        QVERIFY(!window->Dirty());
        Trigger(window, "FileSave");
        QCOMPARE(run.Dialogs->Suggested.size(), 1);

        // Undoing and then making another edit brings the undo depth back to
        // the saved one; the school still differs from its file.
        Trigger(window, "EditUndo");
        Edit(window, QStringLiteral("Elm"));
        QVERIFY(!window->Dirty());
        QVERIFY(!window->close());
        QCOMPARE(run.Dialogs->Asked, 1);
    }

    void SaveAsMovesTheWindowToTheNewFile()
    {
        Run run(Config());
        run.app.Open();
        const QString first = WriteSchool(QStringLiteral("Alder"));
        const QByteArray firstBytes = Bytes(first);
        MainWindow* window = run.app.OpenDoc(first);
        QVERIFY(window && !window->Dirty());
        const QString second = Path(QStringLiteral("second.psc"));
        run.Dialogs->SaveAnswer = second;
        Trigger(window, "FileSaveAs");
        QCOMPARE(run.Dialogs->Suggested, QStringList { first });
        QCOMPARE(window->DiskFile(), second);
        QCOMPARE(LastSchedule(run.app), second);
        QCOMPARE(Bytes(first), firstBytes);
        QCOMPARE(run.app.OpenDoc(Path(QStringLiteral("SECOND.psc"))), window);
        QVERIFY(run.app.OpenDoc(first) != window);
        QCOMPARE(run.app.Windows().size(), 2);
    }

    void OpeningAnOpenFileRaisesItsWindow_data()
    {
        QTest::addColumn<QString>("again");
        QTest::newRow("same path") << QStringLiteral("Alder.psc");
        QTest::newRow("other letter case") << QStringLiteral("aLDER.PSC");
        QTest::newRow("through another folder") << QStringLiteral("sub/../Alder.psc");
    }
    void OpeningAnOpenFileRaisesItsWindow()
    {
        QFETCH(QString, again);
        Run run(Config());
        run.app.Open();
        const QString file = WriteSchool(QStringLiteral("Alder"));
        MainWindow* window = run.app.OpenDoc(file);
        QVERIFY(window);
        // Gone from the disk: a second read would fail.
        QFile::remove(file);
        QCOMPARE(run.app.OpenDoc(mDir.path() + QLatin1Char('/') + again), window);
        QCOMPARE(run.app.Windows().size(), 1);
        QVERIFY(run.Dialogs->Errors.isEmpty());
    }

    void FileMenuOpensAndCreatesDocuments()
    {
        Run run(Config());
        run.app.Launch({});
        MainWindow* window = run.app.Windows().constFirst();
        Trigger(window, "FileOpenSchedule");
        QCOMPARE(run.app.Windows().size(), 1);
        run.Dialogs->OpenAnswer = WriteSchool(QStringLiteral("Birch"));
        Trigger(window, "FileOpenSchedule");
        QCOMPARE(run.app.Windows().last()->GetSchool().Name, QStringLiteral("Birch"));
        Trigger(window, "FileNewSchedule");
        QCOMPARE(run.app.Windows().size(), 3);
        QVERIFY(run.app.Windows().last()->DiskFile().isEmpty());
        QVERIFY(run.Dialogs->Errors.isEmpty());
    }

    void FilesThatAreNoScheduleShowWhyAndOpenNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QStringLiteral("missing.psc") << QByteArray() << QStringLiteral("does not exist");
        QTest::newRow("not XML") << QStringLiteral("notes.psc") << QByteArray("lunch at noon")
                                 << QStringLiteral("not a valid schedule document");
    }
    void FilesThatAreNoScheduleShowWhyAndOpenNothing()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        if (!content.isNull()) {
            QFile file(Path(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        Run run(Config());
        run.app.Open();
        QVERIFY(!run.app.OpenDoc(Path(name)));
        QVERIFY(run.app.Windows().isEmpty());
        QCOMPARE(run.Dialogs->Errors.size(), 1);
        QVERIFY2(run.Dialogs->Errors[0].contains(Path(name)) && run.Dialogs->Errors[0].contains(reason),
            qPrintable(run.Dialogs->Errors[0]));
    }

    void AFailedSaveKeepsTheOldFileAndTheWindowDirty()
    {
        const QString folder = Path(QStringLiteral("readonly"));
        QVERIFY(QDir().mkpath(folder));
        const QString file = folder + QStringLiteral("/Alder.psc");
        QVERIFY(QFile::rename(WriteSchool(QStringLiteral("Alder")), file));
        const QByteArray before = Bytes(file);
        Run run(Config());
        run.app.Open();
        MainWindow* other = run.app.NewDoc();
        run.Dialogs->SaveAnswer = Path(QStringLiteral("other.psc"));
        QVERIFY(other->Document()->PerformSave());

        MainWindow* window = run.app.OpenDoc(file);
        Edit(window, QStringLiteral("Oak"));
        run.Dialogs->SaveAnswer = folder + QStringLiteral("/new.psc");
        bool saved = true;
        bool savedAs = true;
        {
            ReadOnlyFolder readOnly(folder);
            saved = window->Document()->PerformSave();
            savedAs = window->Document()->PerformSaveAs();
        }
        QVERIFY(!saved && !savedAs);
        QCOMPARE(run.Dialogs->Errors.size(), 2);
        QVERIFY2(run.Dialogs->Errors[0].contains(file), qPrintable(run.Dialogs->Errors[0]));
        QCOMPARE(Bytes(file), before);
        QVERIFY(window->Dirty());
        QCOMPARE(window->DiskFile(), file);
        QCOMPARE(LastSchedule(run.app), Path(QStringLiteral("other.psc")));
    }

    // The schedule goes into the document; reopened, it is there at once,
    // meeting for meeting, and the Schedule step makes nothing new.
    void AScheduleIsSavedWithTheSchoolAndReopensAsItWas()
    {
        const QString file = Path(QStringLiteral("scheduled.psc"));
        QVERIFY(QFile::copy(QStringLiteral(BELLTIDE_EXAMPLES_DIR "/maple-grove.psc"), file));
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        std::shared_ptr<const Timetable> made;
        {
            Run run(Config());
            run.app.Open();
            MainWindow* window = run.app.OpenDoc(file);
            window->GoToStep(5);
            QTRY_VERIFY_WITH_TIMEOUT(window->GetSchool().Timetable, 30000);
            QVERIFY2(window->Dirty(), "a new schedule is a change to the document");
            made = window->GetSchool().Timetable;
            Trigger(window, "FileSave");
            QVERIFY(!window->Dirty());
            window->close();
        }
        Run run(Config());
        run.app.Open();
        MainWindow* window = run.app.OpenDoc(file);
        const School& school = window->GetSchool();
        QVERIFY(school.Timetable && school.Schedule);
        QCOMPARE(school.Timetable->Meetings.size(), made->Meetings.size());
        for (std::size_t i = 0; i < made->Meetings.size(); ++i) {
            const Meeting& was = made->Meetings[i];
            const Meeting& is = school.Timetable->Meetings[i];
            QCOMPARE(is.Class->Teacher, was.Class->Teacher);
            QCOMPARE(is.Special ? is.Special->Title : QString(), was.Special ? was.Special->Title : QString());
            QCOMPARE(std::tie(is.Seat, is.Day, is.Start, is.Pinned, is.By),
                std::tie(was.Seat, was.Day, was.Start, was.Pinned, was.By));
        }
        QVERIFY(!window->Dirty());
        window->GoToStep(5);
        QVERIFY(!window->SchedulePage().IsGenerating());
        QVERIFY(run.Dialogs->Errors.isEmpty());

        // A schedule whose references no longer fit is left out with one
        // sentence; the school opens, and closing asks about the change.
        window->close();
        QFile text(file);
        QVERIFY(text.open(QIODevice::ReadOnly));
        QByteArray bytes = text.readAll();
        text.close();
        bytes.replace("<Class grade=\"K\" teacher=\"Mrs. Adams\" />", "<Class grade=\"K\" teacher=\"Mrs. Baker\" />");
        QVERIFY(test::WriteAll(file, bytes));
        MainWindow* again = run.app.OpenDoc(file);
        QVERIFY(again);
        QVERIFY(!again->GetSchool().Timetable);
        QCOMPARE(run.Dialogs->Errors.size(), 1);
        QVERIFY(run.Dialogs->Errors[0].startsWith(
            QStringLiteral("The schedule saved with this school was left out because")));
    }

    // A save that runs out of room says so in one sentence, leaves the file as
    // it was, and keeps the window dirty so that closing still asks.
    void ASaveThatRunsOutOfRoomSaysWhyAndKeepsEverything()
    {
        test::TinyDisk disk(16 * 1024);
        QVERIFY(QDir().mkpath(Path(QStringLiteral("limited"))));
        const QString limited = Path(QStringLiteral("limited/school.psc"));
        QVERIFY(QFile::rename(WriteSchool(QStringLiteral("Limited")), limited));
        struct Case {
            QString File;
            QString Reason;
        };
        QList<Case> cases { { limited, QStringLiteral("the file would be larger than this system allows") } };
        if (disk.Mounted()) {
            const QString full = disk.Path(QStringLiteral("full.psc"));
            QVERIFY(QFile::copy(limited, full));
            cases << Case { full, QStringLiteral("the disk is full") };
        }
        for (const Case& each : cases) {
            const QByteArray before = Bytes(each.File);
            const QStringList files = test::FilesIn(QFileInfo(each.File).absolutePath());
            const auto save = [&] {
                Run run(Config());
                run.app.Open();
                MainWindow* window = run.app.OpenDoc(each.File);
                Edit(window, QString(64 * 1024, u'x'));
                Trigger(window, "FileSave");
                const bool told = run.Dialogs->Errors
                    == QStringList { QStringLiteral("Could not save \"%1\" because %2.").arg(each.File, each.Reason) };
                const bool stillAsks = window->Dirty() && !window->close() && run.Dialogs->Asked == 1;
                return told && stillAsks ? 0 : 1;
            };
            if (each.File == limited)
                QCOMPARE(test::InChildWithFileSizeLimit(before.size() + 4096, save), 0);
            else
                QCOMPARE(save(), 0);
            QCOMPARE(Bytes(each.File), before);
            QCOMPARE(test::FilesIn(QFileInfo(each.File).absolutePath()), files);
        }
    }

    void StartUpOpensTheRightDocument_data()
    {
        QTest::addColumn<bool>("lastSaved");
        QTest::addColumn<bool>("lastDeleted");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("opened");
        QTest::newRow("first run") << false << false << QString() << QString();
        QTest::newRow("last schedule reopened") << true << false << QString() << QStringLiteral("last.psc");
        QTest::newRow("last schedule deleted") << true << true << QString() << QString();
        QTest::newRow("document named") << true << false << QStringLiteral("Birch.psc") << QStringLiteral("Birch.psc");
        QTest::newRow("document named is missing") << true << false << QStringLiteral("gone.psc") << QString();
    }
    void StartUpOpensTheRightDocument()
    {
        QFETCH(bool, lastSaved);
        QFETCH(bool, lastDeleted);
        QFETCH(QString, argument);
        QFETCH(QString, opened);
        if (lastSaved) {
            Run earlier(Config());
            earlier.app.Launch({});
            earlier.Dialogs->SaveAnswer = Path(QStringLiteral("last.psc"));
            QVERIFY(earlier.app.Windows().constFirst()->Document()->PerformSave());
            earlier.app.Close();
        }
        if (lastDeleted)
            QFile::remove(Path(QStringLiteral("last.psc")));
        WriteSchool(QStringLiteral("Birch"));

        Run run(Config());
        run.app.Launch(argument.isEmpty() ? QStringList() : QStringList { Path(argument) });
        QCOMPARE(run.app.Windows().size(), 1);
        QCOMPARE(run.app.Windows().constFirst()->DiskFile(), opened.isEmpty() ? QString() : Path(opened));
        QCOMPARE(run.Dialogs->Errors.size(), argument == QStringLiteral("gone.psc") ? 1 : 0);
        // A new school asked for later is always a new school.
        run.app.NewDocument();
        QCOMPARE(run.app.Windows().size(), 2);
        QVERIFY(run.app.Windows().last()->DiskFile().isEmpty());
    }

    // Two copies that ran side by side: the one that quits last must not put
    // back the last schedule it read when it started.
    void ACopyQuittingLastKeepsTheNewerLastSchedule()
    {
        {
            Run earlier(Config());
            earlier.app.Launch({ WriteSchool(QStringLiteral("Alder")) });
            QVERIFY(earlier.app.Windows().constFirst()->Document()->PerformSave());
            earlier.app.Close();
        }
        Run older(Config());
        older.app.Launch({});
        QCOMPARE(older.app.Windows().constFirst()->DiskFile(), Path(QStringLiteral("Alder.psc")));
        Run newer(Config());
        newer.app.Launch({});
        newer.Dialogs->SaveAnswer = Path(QStringLiteral("newer.psc"));
        QVERIFY(newer.app.Windows().constFirst()->Document()->PerformSaveAs());
        newer.app.Close();
        older.app.ShowInstantHelp = false;
        older.app.Close();

        Run next(Config());
        next.app.Launch({});
        QCOMPARE(next.app.Windows().constFirst()->DiskFile(), Path(QStringLiteral("newer.psc")));
        QVERIFY(!next.app.ShowInstantHelp);
    }

    void StartUpAssociatesTheTypeAndShutdownKeepsInstantHelp()
    {
        {
            Run run(Config());
            run.app.Launch({});
            QVERIFY(run.app.ShowInstantHelp);
            QVERIFY(run.app.Windows().constFirst()->ShowInstantHelp());
            run.app.Close();
        }
        FileRegistry store(Config());
        auto classes = store.Open(RegistryRoot::ClassesRoot);
        QCOMPARE(classes->Subkey(QStringLiteral(".psc"))->DefaultValue()->Text(), QStringLiteral("Belltide Schedule"));

        auto user = store.Open(RegistryRoot::CurrentUser);
        auto settings = user->Subkey(QStringLiteral("Software\\Quorvane\\Belltide"));
        QCOMPARE(settings->DefaultValue()->Text(), QStringLiteral("Dictionary"));
        QCOMPARE(settings->Value(QStringLiteral("InstantHelp")), RegistryValue::Dword(1));
        QVERIFY(!settings->Value(QStringLiteral("LastSchedule")));

        settings->SetValue(QStringLiteral("InstantHelp"), RegistryValue::Dword(0));
        QVERIFY(user->Flush());
        Run next(Config());
        next.app.Launch({});
        QVERIFY(!next.app.Windows().constFirst()->ShowInstantHelp());
        QVERIFY(next.app.AssociateFileType(QStringLiteral(".psc"), QStringLiteral("Belltide Schedule"),
            QStringLiteral("C:\\Apps\\sched.exe"), QStringLiteral("icon")));
        QCOMPARE(store.Open(RegistryRoot::ClassesRoot)
                     ->Subkey(QStringLiteral("Belltide Schedule\\shell\\open\\command"))
                     ->DefaultValue()
                     ->Text(),
            QStringLiteral("\"C:\\Apps\\sched.exe\" \"%1\""));
    }

    void cleanup()
    {
        // Each test starts from an empty folder.
        QDir(mDir.path()).removeRecursively();
        QDir().mkpath(mDir.path());
    }
};

QTEST_MAIN(DocumentsTest)
#include "DocumentsTest.moc"
