#include "engine/Schedule.h"
#include "engine/ScheduleGenerator.h"
#include "model/Classroom.h"
#include "model/School.h"
#include "model/SchoolDocument.h"
#include "model/SpecialClass.h"
#include "model/Timetable.h"
#include "ui/ClassesPage.h"
#include "ui/DayOverviewView.h"
#include "ui/MainWindow.h"
#include "ui/PrintChoicesWindow.h"
#include "ui/PrintServices.h"
#include "ui/SchedulePage.h"
#include "ui/ScheduleWeekView.h"
#include "ui/controls/AddRemoveButtons.h"
#include "ui/controls/NiceEditField.h"
#include "undo/FieldChanges.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <optional>

using namespace belltide;

namespace {

// Answers the print dialogs as a test says; a PDF file stands in for paper.
struct FakePrintServices : PrintServices {
    bool PageSetup(QPrinter& printer, QWidget*) override
    {
        printer.setPageOrientation(setupOrientation);
        return acceptSetup;
    }
    bool PrintDialog(QPrinter& printer, QWidget*) override
    {
        ++printDialogs;
        if (pdf.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        // What a real printer chosen in the dialog brings: its own dots.
        printer.setResolution(600);
        printed = &printer;
        return true;
    }
    bool PresentChoices(PrintChoicesWindow& choices) override
    {
        ++choicesShown;
        rowsSelected = int(choices.ListBox1->selectedItems().size());
        if (choose)
            choices.Choose(*choose);
        for (int row : deselect)
            choices.ListBox1->item(row)->setSelected(false);
        if (!preview.isEmpty())
            choices.PreviewButton->click();
        return !cancelChoices;
    }
    void Preview(QPrinter&, const std::function<void(QPrinter&)>& paint, QWidget*) override
    {
        QPrinter paper;
        paper.setOutputFormat(QPrinter::PdfFormat);
        paper.setOutputFileName(preview);
        paper.setPageOrientation(QPageLayout::Landscape);
        paint(paper);
    }
    void Message(QWidget*, const QString& text) override { messages << text; }
    PrintChoice AskCompleteBeforePrint(QWidget*, int missing) override
    {
        askedMissing = missing;
        return whenMissing;
    }

    QPageLayout::Orientation setupOrientation = QPageLayout::Portrait;
    bool acceptSetup = true;
    bool cancelChoices = false;
    QString pdf;
    std::vector<int> deselect;
    std::optional<PrintChoicesWindow::Rows> choose;
    QString preview;
    int printDialogs = 0;
    const QPrinter* printed = nullptr;
    int choicesShown = 0;
    int rowsSelected = 0;
    QStringList messages;
    int askedMissing = 0;
    PrintChoice whenMissing = PrintChoice::Cancel;
};

std::shared_ptr<School> ExampleSchool(int copies = 1, const char* file = "maple-grove.psc")
{
    auto school = SchoolDocument::Read(QStringLiteral(BELLTIDE_EXAMPLES_DIR "/") + QString::fromLatin1(file)).Value();
    const auto classes = school->Classes;
    const auto specials = school->Specials;
    for (int k = 1; k < copies; ++k) {
        for (const auto& c : classes) {
            auto copy = std::make_shared<Classroom>(*c);
            copy->Teacher += QStringLiteral(" %1").arg(k);
            school->Classes.push_back(copy);
        }
        for (const auto& s : specials) {
            auto copy = std::make_shared<SpecialClass>(*s);
            copy->Teacher += QStringLiteral(" %1").arg(k);
            school->Specials.push_back(copy);
        }
    }
    school->LunchMaxClasses *= copies;
    return school;
}

int PdfPages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(file.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

// Pages whose text names one of `words`: an empty grid names no special on a
// class's page.
int PagesNaming(const QString& pdf, const QStringList& words)
{
    QProcess text;
    text.start(QStringLiteral("pdftotext"), { pdf, QStringLiteral("-") });
    if (!text.waitForFinished() || text.exitCode() != 0)
        return -1;
    const QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split(QLatin1Char('\f'));
    return int(std::count_if(pages.begin(), pages.end(), [&](const QString& page) {
        return std::any_of(words.begin(), words.end(), [&](const QString& word) { return page.contains(word); });
    }));
}

QStringList SpecialTitles(const School& school)
{
    QStringList titles;
    for (const auto& special : school.Specials)
        titles << special->Title;
    return titles;
}

} // namespace

class ScheduleStepTest : public QObject {
    Q_OBJECT

    std::shared_ptr<School> mSchool;
    std::unique_ptr<MainWindow> mWindow;
    FakePrintServices* mPrint = nullptr;

    void Open(std::shared_ptr<School> school)
    {
        mSchool = std::move(school);
        mWindow = std::make_unique<MainWindow>(mSchool);
        auto services = std::make_unique<FakePrintServices>();
        mPrint = services.get();
        mWindow->SetPrintServices(std::move(services));
        mWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(mWindow.get()));
    }

private slots:
    void cleanup() { mWindow.reset(); }

    void GeneratesInTheBackgroundWhileTheWindowIsUsed()
    {
        Open(ExampleSchool(4));
        SchedulePage& page = mWindow->SchedulePage();
        QSignalSpy ended(&page, &SchedulePage::GenerationEnded);
        mWindow->GoToStep(5);
        QVERIFY(page.IsGenerating());
        QVERIFY(page.mScheduleGenerationPane->isVisible());

        // Leaving stops it; its result is not kept.
        mWindow->GoToStep(2);
        QTRY_VERIFY(!page.IsGenerating());
        QVERIFY(!mSchool->Schedule);
        ended.clear();

        // Back and forth while it runs: one generation at a time, and one end.
        mWindow->GoToStep(5);
        mWindow->GoToStep(4);
        mWindow->GoToStep(5);
        QVERIFY(page.IsGenerating());
        QTRY_VERIFY(mSchool->Schedule);
        QCOMPARE(ended.count(), 1);
        QVERIFY(page.mOverview->isVisible());
        // The two overviews, the classes and the specials, with a separator between each group.
        QCOMPARE(page.mSchedulePreview->count(), 2 + 84 + 24 + 2);

        QCOMPARE(mWindow->UndoManager().UndoText(), QStringLiteral("Undo New Schedule"));
        QVERIFY(!page.mBar->isVisible());

        // An edit keeps what still fits: a new class only adds its lunches to
        // what is missing, and coming back starts nothing.
        const auto first = mSchool->Timetable;
        mWindow->GoToStep(2);
        mWindow->Classes().mAddRemoveClass->PushAdd();
        QVERIFY(mSchool->Timetable && mSchool->Schedule);
        QCOMPARE(mSchool->Timetable->Meetings.size(), first->Meetings.size());
        mWindow->GoToStep(5);
        QVERIFY(!page.IsGenerating());
        QVERIFY(page.mBar->isVisible());
        QCOMPARE(page.MissingMeetings(), 5);
        QVERIFY2(page.mBarText->text().startsWith(QStringLiteral("5 meetings are missing: Lunch for 1st: Mrs. Doe")),
            qPrintable(page.mBarText->text()));

        // Undo brings back the very schedule from before the edit.
        mWindow->UndoManager().Undo();
        QCOMPARE(mSchool->Timetable, first);
        mWindow->UndoManager().Redo();
        QCOMPARE(page.MissingMeetings(), 5);
        mWindow->GoToStep(5);

        // Complete keeps every meeting and places the missing ones.
        QTest::mouseClick(page.mBarComplete, Qt::LeftButton);
        QVERIFY(page.IsGenerating());
        QTRY_VERIFY(!page.IsGenerating());
        QCOMPARE(page.MissingMeetings(), 0);
        QVERIFY(!page.mBar->isVisible());
        QCOMPARE(mSchool->Timetable->Meetings.size(), first->Meetings.size() + 5);
        for (const Meeting& kept : first->Meetings) {
            QVERIFY(std::any_of(mSchool->Timetable->Meetings.begin(), mSchool->Timetable->Meetings.end(),
                [&](const Meeting& m) { return m.SamePlace(kept); }));
        }
        QCOMPARE(mWindow->UndoManager().UndoText(), QStringLiteral("Undo Complete Schedule"));

        // An edit of words alone keeps the schedule whole.
        const auto complete = mSchool->Timetable;
        mWindow->GoToStep(2);
        QTest::keyClicks(mWindow->Classes().mClassTeacher, QStringLiteral("x"));
        QVERIFY(mWindow->UndoManager().UndoText() == QStringLiteral("Undo Teacher Change"));
        QCOMPARE(mSchool->Timetable, complete);

        // With a schedule, entering the step starts nothing; New Schedule does.
        mWindow->GoToStep(3);
        mWindow->GoToStep(5);
        QVERIFY(!page.IsGenerating());
        QTest::mouseClick(page.mNewScheduleButton, Qt::LeftButton);
        QTRY_VERIFY(!page.IsGenerating());
        QVERIFY(mSchool->Timetable != complete);
        mWindow->UndoManager().Undo();
        QCOMPARE(mSchool->Timetable, complete);
    }

    void AnImpossibleSchoolShowsWhy()
    {
        auto school = ExampleSchool();
        for (const auto& c : school->Classes)
            c->AttendCount(QStringLiteral("Music"), 5);
        Open(school);
        SchedulePage& page = mWindow->SchedulePage();
        QCOMPARE(page.FailureText(),
            QStringLiteral("A valid schedule could not be found. Consider shortening special class lengths or "
                           "cutting back on how many times each class attends them."));
        mWindow->GoToStep(5);
        QTRY_VERIFY(!page.IsGenerating());
        QVERIFY(!mSchool->Schedule);
        // The thorough search followed by itself and says why, in words.
        QVERIFY(page.FailureText().contains(QStringLiteral("Music")));
        QImage image(600, 300, QImage::Format_RGB32);
        QPainter painter(&image);
        page.PaintContent(painter, 600, 300);
        painter.end();
        bool red = false;
        for (int x = 15; x < 300 && !red; ++x)
            for (int y = 120; y < 160 && !red; ++y)
                red = image.pixelColor(x, y).red() > 200 && image.pixelColor(x, y).green() < 220;
        QVERIFY(red);
    }

    void TheThoroughSearchFollowsTheQuickOneByItselfAndCanBeStopped()
    {
        // Large enough that the thorough search is still at work when cancelled.
        Open(ExampleSchool(6, "half-day-kindergarten.psc"));
        SchedulePage& page = mWindow->SchedulePage();
        // The quick search sometimes manages this school: here it always fails.
        page.QuickAttempts = 0;
        mWindow->GoToStep(5);
        QTRY_VERIFY_WITH_TIMEOUT(page.IsSearchingThoroughly(), 30000);
        QVERIFY(page.mCancelSearch->isVisible());
        QVERIFY(page.mGenerationCaption->text() != QStringLiteral("Creating a schedule..."));

        // Cancel (Escape): the quick search's failure, and New Schedule to try again.
        QTest::keyClick(page.mCancelSearch, Qt::Key_Escape);
        QTRY_VERIFY(!page.IsGenerating());
        QVERIFY(!mSchool->Timetable);
        QCOMPARE(page.FailureText(), ScheduleGenerator::GenericFailureText());
        QVERIFY(page.mNewScheduleButton->isVisible());
        QCOMPARE(page.mGenerationCaption->text(), QStringLiteral("Creating a schedule..."));

        // An edit while it searches takes the user to the edit and stops the
        // search; back on the step, it starts over for the school as it is.
        QTest::mouseClick(page.mNewScheduleButton, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(page.IsSearchingThoroughly(), 30000);
        mWindow->UndoManager().Add(
            std::make_shared<SchoolNameChange>(mSchool, QStringLiteral("Willow"), mWindow->Clock()));
        QCOMPARE(mWindow->CurrentPanel(), 1);
        QTRY_VERIFY(!page.IsGenerating());
        QVERIFY(!mSchool->Timetable);
        mWindow->GoToStep(5);
        QVERIFY(page.IsGenerating());
        QTRY_VERIFY_WITH_TIMEOUT(!page.IsGenerating(), 180000);
        QVERIFY(mSchool->Timetable);
        QCOMPARE(page.MissingMeetings(), 0);
        QVERIFY(std::all_of(mSchool->Timetable->Meetings.begin(), mSchool->Timetable->Meetings.end(),
            [](const Meeting& m) { return m.By == MadeBy::Thorough; }));
    }

    void TheThoroughSearchSaysWhyNoScheduleExists()
    {
        auto school = ExampleSchool();
        for (const auto& c : school->Classes)
            c->AttendCount(QStringLiteral("Music"), 5);
        Open(school);
        SchedulePage& page = mWindow->SchedulePage();
        mWindow->GoToStep(5);
        QTRY_VERIFY_WITH_TIMEOUT(!page.IsGenerating(), 60000);
        QVERIFY(!mSchool->Timetable);
        QVERIFY(page.FailureText().contains(QStringLiteral("Music")));
        QVERIFY(!page.FailureText().contains(QStringLiteral("too many classes")));

        // Print from another step: no empty pages, the reason instead.
        mWindow->GoToStep(2);
        mWindow->FilePrint();
        QTRY_COMPARE(mPrint->messages.size(), 1);
        QVERIFY(mPrint->messages[0].startsWith(QStringLiteral("There is no schedule to print.")));
        QCOMPARE(mPrint->choicesShown, 0);
        QCOMPARE(mWindow->mPageBeforePrint, -1);
        // And on the step that already shows the failure: at once, nothing left waiting.
        mWindow->FilePrint();
        QCOMPARE(mPrint->messages.size(), 2);
        QCOMPARE(mWindow->mPageBeforePrint, -1);
        QVERIFY(!page.IsGenerating());
    }

    void ThePopupListsOverviewsThenClassesInGradeOrderThenSpecialsAndKeepsTheChoice()
    {
        auto school = std::make_shared<School>();
        Open(school);
        SchedulePage& page = mWindow->SchedulePage();
        page.RebuildPreviewList();
        QCOMPARE(page.mSchedulePreview->count(), 0);
        QVERIFY(!page.SelectedObject());

        auto add = [&](const char* grade, const char* teacher) {
            auto c = std::make_shared<Classroom>();
            c->Grade = QString::fromLatin1(grade);
            c->Teacher = QString::fromLatin1(teacher);
            school->Classes.push_back(c);
            return c;
        };
        add("10th", "Baker");
        add("2nd", "Adams");
        add("K", "Cole");
        add("1st", "Cole");
        auto art = std::make_shared<SpecialClass>();
        art->Title = QStringLiteral("Art");
        art->Teacher = QStringLiteral("Baker");
        school->Specials.push_back(art);
        page.RebuildPreviewList();
        QStringList labels;
        for (int i = 0; i < page.mSchedulePreview->count(); ++i)
            labels << page.mSchedulePreview->itemText(i);
        // Empty texts are the separators.
        QCOMPARE(labels,
            QStringList({ QStringLiteral("Whole School"), QStringLiteral("Specials"), QString(),
                QStringLiteral("K: Cole"), QStringLiteral("1st: Cole"), QStringLiteral("2nd: Adams"),
                QStringLiteral("10th: Baker"), QString(), QStringLiteral("Art: Baker") }));
        QCOMPARE(page.SelectedObject().Overview, ScheduleOverview::Classes);
        page.mSchedulePreview->setCurrentIndex(8);
        add("1st", "Able");
        page.RebuildPreviewList();
        QCOMPARE(page.SelectedObject().Special, art);
        page.mSchedulePreview->setCurrentIndex(1);
        add("3rd", "Dunn");
        page.RebuildPreviewList();
        QCOMPARE(page.SelectedObject().Overview, ScheduleOverview::Specials);
        // Without specials there is no Specials view to keep.
        school->Specials.clear();
        page.RebuildPreviewList();
        QCOMPARE(page.mSchedulePreview->currentIndex(), 0);
        QCOMPARE(page.mSchedulePreview->itemText(1), QString());
    }

    void AnOverviewShowsADayAtATimeWithTooltipsAndScrolls()
    {
        Open(ExampleSchool(3));
        mWindow->resize(800, 480);
        SchedulePage& page = mWindow->SchedulePage();
        mWindow->GoToStep(5);
        QTRY_VERIFY(mSchool->Schedule);
        QCOMPARE(page.SelectedObject().Overview, ScheduleOverview::Classes);
        DayOverviewView& view = *page.mOverview;
        QVERIFY(view.isVisible());
        QCOMPARE(view.mDays->count(), 5);
        QVERIFY(view.mDays->focusPolicy() & Qt::TabFocus);

        // 60 classes do not fit 480 pixels: the rows keep their height and scroll.
        QTRY_VERIFY(!view.Boxes().empty());
        QVERIFY(view.Canvas()->height() > view.mScroller->viewport()->height());
        QTRY_VERIFY(view.mScroller->verticalScrollBar()->isVisible());

        const auto textsOf = [&](int day) {
            view.SetDay(day);
            view.Canvas()->repaint();
            QStringList texts;
            for (const DrawnBox& box : view.Boxes()) {
                if (box.Day != day)
                    return QStringList { QStringLiteral("a box of another day") };
                texts << box.Text;
            }
            return texts;
        };
        const QStringList monday = textsOf(0);
        const QStringList friday = textsOf(4);
        QVERIFY(!friday.isEmpty());
        QVERIFY(monday != friday);
        const DrawnBox box = view.Boxes().front();
        QCOMPARE(view.TextAt(QPoint(box.X + box.Width / 2, box.Y + box.Height / 2)), box.Text);
        QVERIFY(view.TextAt(QPoint(1, view.Canvas()->height() - 1)).isEmpty());

        // The Specials view has a row per special; choosing a class brings its week back.
        page.mSchedulePreview->setCurrentIndex(1);
        QCOMPARE(view.Overview(), ScheduleOverview::Specials);
        view.Canvas()->repaint();
        QVERIFY(std::all_of(view.Boxes().begin(), view.Boxes().end(),
            [](const DrawnBox& b) { return b.Row.Special && b.Item.Classroom; }));
        page.mSchedulePreview->setCurrentIndex(3);
        QVERIFY(page.SelectedObject().Classroom);
        QVERIFY(!view.isVisible());
        QVERIFY(page.mScheduleContentPane->isVisible());
    }

    void PrintingBeforeASchedulePrintsWhenItIsReady()
    {
        Open(ExampleSchool());
        mWindow->GoToStep(2);
        mWindow->FilePrint();
        QCOMPARE(mWindow->CurrentPanel(), 5);
        QCOMPARE(mPrint->choicesShown, 0);
        QTRY_COMPARE(mPrint->choicesShown, 1);
        QCOMPARE(mWindow->CurrentPanel(), 2);
        QCOMPARE(mPrint->rowsSelected, 2 + 27);
        QCOMPARE(mPrint->printDialogs, 1);
        QCOMPARE(mWindow->mPageBeforePrint, -1);

        // A later generation does not print again.
        mWindow->ScheduleNew();
        QTRY_VERIFY(!mWindow->SchedulePage().IsGenerating());
        QCOMPARE(mPrint->choicesShown, 1);

        // Meetings missing: the user is asked first; Complete, then the print.
        mWindow->GoToStep(2);
        mWindow->Classes().mAddRemoveClass->PushAdd();
        mPrint->whenMissing = PrintChoice::Complete;
        mWindow->FilePrint();
        QCOMPARE(mPrint->askedMissing, 5);
        QTRY_COMPARE(mPrint->choicesShown, 2);
        QCOMPARE(mWindow->SchedulePage().MissingMeetings(), 0);
        QCOMPARE(mWindow->CurrentPanel(), 2);
    }

    void TheQuickChoicesSelectWholeGroups()
    {
        PrintChoicesWindow choices;
        choices.Fill(*ExampleSchool());
        struct Case {
            QPushButton* Button;
            int Overviews;
            int Classes;
            int Specials;
        };
        // None first: everything starts chosen.
        const Case cases[] = { { choices.NoneButton, 0, 0, 0 }, { choices.ClassesButton, 0, 20, 0 },
            { choices.SpecialsButton, 0, 0, 7 }, { choices.AllButton, 2, 20, 7 } };
        for (const Case& c : cases) {
            c.Button->click();
            choices.CollectChoices();
            const auto count = [&](auto which) {
                return int(std::count_if(choices.WhatToPrint.begin(), choices.WhatToPrint.end(), which));
            };
            QCOMPARE(count([](const ScheduleContent& o) { return o.Overview != ScheduleOverview::None; }), c.Overviews);
            QCOMPARE(count([](const ScheduleContent& o) { return bool(o.Classroom); }), c.Classes);
            QCOMPARE(count([](const ScheduleContent& o) { return bool(o.Special); }), c.Specials);
        }
        QCOMPARE(choices.ListBox1->item(0)->text(), QStringLiteral("Whole School"));
        QCOMPARE(choices.ListBox1->item(1)->text(), QStringLiteral("Specials"));
    }

    void LeavingTheStepWhileAPrintWaitsPrintsTheScheduleMade()
    {
        Open(ExampleSchool());
        QTemporaryDir dir;
        mPrint->pdf = dir.filePath(QStringLiteral("out.pdf"));
        mWindow->GoToStep(2);
        mWindow->FilePrint();
        QVERIFY(mWindow->SchedulePage().IsGenerating());
        // The user looks elsewhere while the schedule is made, comes back and
        // leaves again: the one run goes on.
        const int run = mWindow->SchedulePage().mRun;
        mWindow->GoToStep(3);
        mWindow->GoToStep(5);
        mWindow->GoToStep(3);
        QVERIFY(mWindow->SchedulePage().IsGenerating());
        QCOMPARE(mWindow->SchedulePage().mRun, run);
        QTRY_COMPARE(mPrint->choicesShown, 1);
        QVERIFY(mSchool->Schedule);
        QCOMPARE(mPrint->messages, QStringList());
        QCOMPARE(mWindow->CurrentPanel(), 3);
        // Both overviews, five days each, and every week.
        QCOMPARE(PdfPages(mPrint->pdf), 5 + 5 + 27);
        // Every page shows specials: no empty grid among them.
        QCOMPARE(PagesNaming(mPrint->pdf, SpecialTitles(*mSchool)), 5 + 5 + 27);
        QCOMPARE(mWindow->mPageBeforePrint, -1);
    }

    void PrintingWhileTheStepShowsAFailureLeavesNoPrintWaiting()
    {
        Open(ExampleSchool());
        mWindow->GoToStep(5);
        QTRY_VERIFY(mSchool->Schedule);
        // A schedule kept that the grid cannot show, as when the school
        // changed beyond what the engine can hold: nothing to print, nothing starts.
        mSchool->Schedule.reset();
        mWindow->FilePrint();
        QCOMPARE(mPrint->messages.size(), 1);
        QVERIFY(mPrint->messages[0].startsWith(QStringLiteral("There is no schedule to print.")));
        QVERIFY(!mWindow->SchedulePage().IsGenerating());
        QCOMPARE(mWindow->mPageBeforePrint, -1);
        // The next schedule the user makes is not printed unasked.
        mWindow->ScheduleNew();
        QTRY_VERIFY(!mWindow->SchedulePage().IsGenerating());
        QVERIFY(mSchool->Schedule);
        QCOMPARE(mPrint->choicesShown, 0);
    }

    void PrintsOnePagePerChosenWeekAndFivePerOverview()
    {
        Open(ExampleSchool());
        mWindow->GoToStep(5);
        QTRY_VERIFY(mSchool->Schedule);
        QTemporaryDir dir;
        mPrint->pdf = dir.filePath(QStringLiteral("out.pdf"));
        // The Whole School, the Specials view and the first class.
        for (int row = 3; row < 2 + 27; ++row)
            mPrint->deselect.push_back(row);
        mWindow->FilePrint();
        QCOMPARE(PdfPages(mPrint->pdf), 5 + 5 + 1);
        // Drawn in points whatever the printer's dots, as the PDF export does.
        QCOMPARE(mPrint->printed->resolution(), 72);

        // The preview draws what would be printed, before printing.
        mPrint->deselect.clear();
        mPrint->choose = PrintChoicesWindow::Rows::Specials;
        mPrint->preview = dir.filePath(QStringLiteral("preview.pdf"));
        mWindow->FilePrint();
        QCOMPARE(PdfPages(mPrint->preview), 7);
        QCOMPARE(PdfPages(mPrint->pdf), 7);
        mPrint->preview.clear();

        // Nothing chosen: the print dialog still comes, nothing is printed.
        QFile::remove(mPrint->pdf);
        mPrint->choose = PrintChoicesWindow::Rows::None;
        mWindow->FilePrint();
        QCOMPARE(mPrint->printDialogs, 3);
        QVERIFY(!QFile::exists(mPrint->pdf));

        mWindow->FilePageSetup();
        QCOMPARE(mPrint->messages,
            QStringList({ QStringLiteral(
                "Belltide only supports printing in landscape.\n\nThis setting has been reverted.") }));
        mPrint->acceptSetup = false;
        mWindow->FilePageSetup();
        QCOMPARE(mPrint->messages.size(), 1);
    }
};

QTEST_MAIN(ScheduleStepTest)
#include "ScheduleStepTest.moc"
