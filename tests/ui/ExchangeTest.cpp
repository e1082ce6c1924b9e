#include "QtPrinting.h"
#include "engine/ScheduleGenerator.h"
#include "engine/SchoolTimetable.h"
#include "model/Classroom.h"
#include "model/School.h"
#include "model/SchoolDocument.h"
#include "model/SpecialClass.h"
#include "model/Timetable.h"
#include "ui/ExchangeServices.h"
#include "ui/ExportDialog.h"
#include "ui/ImportPreviewDialog.h"
#include "ui/MainWindow.h"
#include "ui/MenuBar.h"
#include "ui/ScheduleExchange.h"
#include "undo/UndoManager.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>

using namespace belltide;

namespace {

// Answers the export and import dialogs with what a test sets; files go to a
// temporary folder.
struct FakeExchangeServices : ExchangeServices {
    bool PresentExport(ExportDialog& dialog) override
    {
        ++exportsShown;
        if (fillExport)
            fillExport(dialog);
        return !cancelExport;
    }
    std::optional<QString> ChooseExportFile(QWidget*, const QString& suggested, const QString& filter) override
    {
        suggestedNames << suggested;
        filters << filter;
        if (file.isEmpty())
            return std::nullopt;
        return file;
    }
    std::optional<QString> ChooseImportFile(QWidget*) override
    {
        if (file.isEmpty())
            return std::nullopt;
        return file;
    }
    bool PresentImport(ImportPreviewDialog& dialog) override
    {
        previewRows = dialog.Rows->rowCount();
        previewMessages.clear();
        for (int i = 0; i < dialog.Messages->count(); ++i)
            previewMessages << dialog.Messages->item(i)->text();
        importEnabled = dialog.Buttons->button(QDialogButtonBox::Ok)->isEnabled();
        return confirmImport;
    }
    void Message(QWidget*, const QString& text) override { messages << text; }

    QString file;
    std::function<void(ExportDialog&)> fillExport;
    bool cancelExport = false;
    bool confirmImport = true;
    int exportsShown = 0;
    QStringList suggestedNames;
    QStringList filters;
    int previewRows = -1;
    QStringList previewMessages;
    bool importEnabled = false;
    QStringList messages;
};

std::shared_ptr<School> ScheduledExample()
{
    auto school = SchoolDocument::Read(QStringLiteral(BELLTIDE_EXAMPLES_DIR "/maple-grove.psc")).TakeValue();
    const auto inputs = SchoolTimetable::SearchInputs(*school, nullptr, SchoolTimetable::Starting::FromPinned);
    GenerationOptions options;
    options.Seed = 4;
    const GenerationResult result = ScheduleGenerator().Run(inputs.Value(), options);
    school->Timetable = SchoolTimetable::AfterSearch(inputs.Value(), result, nullptr);
    return school;
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ExchangeTest : public QObject {
    Q_OBJECT

    std::shared_ptr<School> mSchool;
    std::unique_ptr<MainWindow> mWindow;
    FakeExchangeServices* mFake = nullptr;
    QTemporaryDir mDir;

    void Open(std::shared_ptr<School> school)
    {
        mSchool = std::move(school);
        mWindow = std::make_unique<MainWindow>(mSchool);
        auto services = std::make_unique<FakeExchangeServices>();
        mFake = services.get();
        mWindow->SetExchangeServices(std::move(services));
        mWindow->Exchange().Today = [] { return QDate(2026, 9, 1); };
    }

private slots:
    void cleanup() { mWindow.reset(); }

    void ExportWritesTheFormatChosenWhereTheUserSays()
    {
        Open(ScheduledExample());
        const QString path = mDir.filePath(QStringLiteral("out"));
        mFake->file = path;
        struct Case {
            ExportFormat Format;
            const char* Suffix;
            const char* Start;
        };
        const Case cases[] = {
            { ExportFormat::Csv, ".csv",
                "\xEF\xBB\xBF"
                "Day,Start,End," },
            { ExportFormat::Html, ".html", "<!DOCTYPE html>" },
            { ExportFormat::Calendar, ".ics", "BEGIN:VCALENDAR" },
        };
        for (const Case& c : cases) {
            QFile::remove(path);
            mFake->fillExport = [&](ExportDialog& dialog) { dialog.SetFormat(c.Format); };
            mWindow->Menus().Item(QStringLiteral("FileExport"))->trigger();
            QVERIFY2(Contents(path).left(64).contains(c.Start), c.Suffix);
            QCOMPARE(mFake->suggestedNames.last(), QStringLiteral("Maple Grove Elementary") + QLatin1String(c.Suffix));
        }
        QVERIFY(mFake->messages.isEmpty());
        QCOMPARE(mWindow->UndoManager().UndoText(), QStringLiteral("Undo"));
    }

    void ACalendarCoversTheTermAndWhomTheUserPicks()
    {
        Open(ScheduledExample());
        const QString path = mDir.filePath(QStringLiteral("term.ics"));
        mFake->file = path;
        QString whose;
        const auto events = [&](int row) {
            mFake->fillExport = [&, row](ExportDialog& dialog) {
                dialog.SetFormat(ExportFormat::Calendar);
                QVERIFY(dialog.FirstDay->isEnabled());
                dialog.LastDay->setDate(QDate(2027, 1, 29));
                dialog.WhoseBox->setCurrentIndex(row);
                whose = dialog.WhoseBox->currentText();
            };
            mWindow->FileExport();
            const QByteArray ics = Contents(path);
            [&] {
                QVERIFY(ics.contains("DTSTART;") || ics.contains("DTSTART:"));
                QVERIFY(ics.contains("20260901"));
                // Tuesday 1 September to Friday 29 January: 22 Tuesdays, 22 Fridays.
                QVERIFY(ics.contains("COUNT=22"));
                QVERIFY(!ics.contains("COUNT=23"));
            }();
            return int(ics.count("BEGIN:VEVENT"));
        };
        const int school = events(0);
        const int kindergarten = events(1);
        QCOMPARE(whose, QStringLiteral("K: Mrs. Adams"));
        const int teacher = events(21);
        QVERIFY2(whose.endsWith(QStringLiteral("(special teacher)")), qPrintable(whose));
        QVERIFY(kindergarten > 0 && teacher > 0);
        QVERIFY(school > kindergarten && school > teacher);
    }

    void TheExportDialogOffersOnlyWhatMakesSense()
    {
        Open(ScheduledExample());
        ExportDialog dialog(*mSchool, QDate(2026, 9, 1));
        QPushButton* ok = dialog.Buttons->button(QDialogButtonBox::Ok);
        QVERIFY(!dialog.FirstDay->isEnabled());
        dialog.SetFormat(ExportFormat::Calendar);
        QVERIFY(dialog.FirstDay->isEnabled());
        QCOMPARE(dialog.LastDay->date(), QDate(2027, 1, 1));
        // 20 classes and one row per special teacher, after the whole school.
        QCOMPARE(dialog.WhoseBox->count(), 1 + 20 + 7);
        dialog.LastDay->setDate(QDate(2026, 8, 31));
        QVERIFY(!ok->isEnabled());
        dialog.SetFormat(ExportFormat::Html);
        QVERIFY(ok->isEnabled());
        QCOMPARE(dialog.Filter(), QStringLiteral("Web Pages (*.html *.htm)"));
        dialog.SetFormat(ExportFormat::Calendar);
        dialog.LastDay->setDate(QDate(2026, 9, 1));
        QVERIFY(ok->isEnabled());
        dialog.WhoseBox->setCurrentIndex(dialog.WhoseBox->count() - 1);
        const CalendarRequest request = dialog.Request();
        QVERIFY(request.Special && !request.Class);
        QCOMPARE(request.FirstDay, request.LastDay);
    }

    void NothingIsWrittenWhenTheExportCannotOrShouldNotHappen()
    {
        auto unscheduled = SchoolDocument::Read(QStringLiteral(BELLTIDE_EXAMPLES_DIR "/maple-grove.psc")).TakeValue();
        Open(unscheduled);
        mFake->file = mDir.filePath(QStringLiteral("none.csv"));
        mWindow->FileExport();
        QCOMPARE(mFake->exportsShown, 0);
        QCOMPARE(mFake->messages.size(), 1);
        QVERIFY(mFake->messages[0].startsWith(QStringLiteral("There is no schedule to export")));

        Open(ScheduledExample());
        mFake->cancelExport = true;
        mFake->file = mDir.filePath(QStringLiteral("cancelled.csv"));
        mWindow->FileExport();
        QVERIFY(mFake->suggestedNames.isEmpty());
        mFake->cancelExport = false;
        mFake->file.clear();
        mWindow->FileExport();
        QCOMPARE(mFake->suggestedNames.size(), 1);
        QVERIFY(!QFile::exists(mDir.filePath(QStringLiteral("cancelled.csv"))));

        // A folder that is not there: the writer's reason, and no file.
        mFake->file = mDir.filePath(QStringLiteral("no/such/folder/out.csv"));
        mWindow->FileExport();
        QCOMPARE(mFake->messages.size(), 1);
        QVERIFY2(mFake->messages[0].contains(mFake->file), qPrintable(mFake->messages[0]));
    }

    void AnImportIsPreviewedThenOneUndoableEdit()
    {
        Open(ScheduledExample());
        const QString path = mDir.filePath(QStringLiteral("classes.csv"));
        QFile list(path);
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("Grade,Teacher,Students,Day Start,Day End\n"
                   "1st,Ms. Newman,22,8:00,15:00\n"
                   "2nd,Mr. Ward,twenty,8:00,15:00\n"
                   "3rd,\"Ms. Two\nLines\",20,8:00,15:00\n"
                   "4th,Ms. Park,20,8:00,2:30\n");
        list.close();
        mFake->file = path;
        const qsizetype before = qsizetype(mSchool->Classes.size());
        const QString undoBefore = mWindow->UndoManager().UndoText();

        mFake->confirmImport = false;
        mWindow->Menus().Item(QStringLiteral("FileImport"))->trigger();
        // A line break inside quotes is part of the name.
        QCOMPARE(mFake->previewRows, 2);
        QCOMPARE(mFake->previewMessages.size(), 2);
        QVERIFY(mFake->previewMessages[0].startsWith(QStringLiteral("Line 3:")));
        QVERIFY(mFake->importEnabled);
        QCOMPARE(qsizetype(mSchool->Classes.size()), before);
        QCOMPARE(mWindow->UndoManager().UndoText(), undoBefore);

        mFake->confirmImport = true;
        mWindow->FileImport();
        QCOMPARE(qsizetype(mSchool->Classes.size()), before + 2);
        QVERIFY(std::any_of(mSchool->Classes.begin(), mSchool->Classes.end(),
            [](const auto& c) { return c->Teacher == QStringLiteral("Ms. Two\nLines"); }));
        QCOMPARE(mWindow->UndoManager().UndoText(), QStringLiteral("Undo Import"));
        mWindow->UndoManager().Undo();
        QCOMPARE(qsizetype(mSchool->Classes.size()), before);
    }

    void AnImportWithNothingToAddOrNoFileChangesNothing()
    {
        Open(ScheduledExample());
        const qsizetype classes = qsizetype(mSchool->Classes.size());
        const qsizetype specials = qsizetype(mSchool->Specials.size());
        const QString bad = mDir.filePath(QStringLiteral("bad.csv"));
        QFile list(bad);
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("Subject,Teacher,Length\nArt,,45\nDrama,Mr. Lee,forever\n");
        list.close();
        mFake->file = bad;
        mWindow->FileImport();
        QCOMPARE(mFake->previewRows, 0);
        QCOMPARE(mFake->previewMessages.size(), 2);
        QVERIFY(!mFake->importEnabled);

        // Not a list at all: one message, no preview.
        mFake->previewRows = -1;
        mFake->file = mDir.filePath(QStringLiteral("missing.csv"));
        mWindow->FileImport();
        QCOMPARE(mFake->previewRows, -1);
        QCOMPARE(mFake->messages.size(), 1);
        QCOMPARE(qsizetype(mSchool->Classes.size()), classes);
        QCOMPARE(qsizetype(mSchool->Specials.size()), specials);
        QCOMPARE(mWindow->UndoManager().UndoText(), QStringLiteral("Undo"));
    }
};

QTEST_MAIN(ExchangeTest)
#include "ExchangeTest.moc"
