#include "SchedulePage.h"

#include "DayOverviewView.h"
#include "HandEdit.h"
#include "PageContext.h"
#include "ScheduleWeekView.h"
#include "SchedulerThread.h"
#include "engine/SchoolTimetable.h"
#include "model/Classroom.h"
#include "model/School.h"
#include "model/SpecialClass.h"
#include "output/SchedulePrinting.h"
#include "undo/ScheduleChange.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace belltide {

namespace {

bool SameObject(const ScheduleContent& a, const ScheduleContent& b)
{
    return a.Classroom == b.Classroom && a.Special == b.Special && a.Overview == b.Overview;
}

} // namespace

SchedulePage::SchedulePage(PageContext& context, QWidget* parent)
    : StepPage(parent)
    , mContext(context)
    , mScheduler(new SchedulerThread(this))
{
    mStaticText1 = new QLabel(QStringLiteral("Show Schedule for:"), this);
    mStaticText1->setObjectName(QStringLiteral("StaticText1"));
    mSchedulePreview = new QComboBox(this);
    mSchedulePreview->setObjectName(QStringLiteral("SchedulePreview"));
    mSchedulePreview->setMinimumContentsLength(24);
    mStaticText1->setBuddy(mSchedulePreview);
    mNewScheduleButton = new QPushButton(QStringLiteral("New Schedule"), this);
    mNewScheduleButton->setObjectName(QStringLiteral("NewSchedule"));
    mNewScheduleButton->setToolTip(QStringLiteral(
        "Make a different schedule for the whole school. Pinned meetings stay where they are; Undo brings back "
        "the schedule you have now."));

    mBar = new QFrame(this);
    mBar->setObjectName(QStringLiteral("ScheduleBar"));
    mBar->setFrameShape(QFrame::StyledPanel);
    mBar->setAutoFillBackground(true);
    QPalette tint = mBar->palette();
    tint.setColor(QPalette::Window, QColor(0xFF, 0xF4, 0xCC));
    tint.setColor(QPalette::WindowText, Qt::black);
    mBar->setPalette(tint);
    mBarText = new QLabel(mBar);
    mBarText->setObjectName(QStringLiteral("ScheduleBarText"));
    mBarText->setWordWrap(true);
    mBarText->setTextFormat(Qt::PlainText);
    mBarComplete = new QPushButton(QStringLiteral("Complete Schedule"), mBar);
    mBarComplete->setObjectName(QStringLiteral("CompleteSchedule"));
    mBarComplete->setToolTip(QStringLiteral("Keep every meeting that still fits and place the missing ones."));
    mBarNew = new QPushButton(QStringLiteral("New Schedule"), mBar);
    mBarNew->setObjectName(QStringLiteral("BarNewSchedule"));
    mBarNew->setToolTip(mNewScheduleButton->toolTip());
    auto* barRow = new QHBoxLayout(mBar);
    barRow->setContentsMargins(8, 4, 8, 4);
    barRow->addWidget(mBarText, 1);
    barRow->addWidget(mBarComplete);
    barRow->addWidget(mBarNew);
    mBar->hide();

    mScheduleContentPane = new ScheduleWeekView(context, this);
    mScheduleGenerationPane = new QWidget(this);
    mScheduleGenerationPane->setObjectName(QStringLiteral("ScheduleGenerationPane"));
    auto* generating = new QVBoxLayout(mScheduleGenerationPane);
    generating->addStretch(1);
    mGenerationCaption = new QLabel(QStringLiteral("Creating a schedule..."), mScheduleGenerationPane);
    mGenerationCaption->setObjectName(QStringLiteral("GenerationCaption"));
    generating->addWidget(mGenerationCaption, 0, Qt::AlignHCenter);
    mGenerationProgress = new QProgressBar(mScheduleGenerationPane);
    mGenerationProgress->setObjectName(QStringLiteral("GenerationProgress"));
    mGenerationProgress->setRange(0, 0); // busy: how long it takes is not known
    mGenerationProgress->setFixedWidth(260);
    generating->addWidget(mGenerationProgress, 0, Qt::AlignHCenter);
    mCancelSearch = new QPushButton(QStringLiteral("Cancel"), mScheduleGenerationPane);
    mCancelSearch->setObjectName(QStringLiteral("CancelSearch"));
    mCancelSearch->setShortcut(QKeySequence(Qt::Key_Escape));
    mCancelSearch->hide();
    generating->addWidget(mCancelSearch, 0, Qt::AlignHCenter);
    generating->addStretch(1);

    auto* scroller = new QScrollArea(this);
    scroller->setWidget(mScheduleContentPane);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    mPanes = new QStackedWidget(this);
    mPanes->addWidget(scroller);
    mPanes->addWidget(mScheduleGenerationPane);
    mOverview = new DayOverviewView(mContext.GetSchool(), this);
    mPanes->addWidget(mOverview);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    auto* top = new QHBoxLayout;
    top->addWidget(mStaticText1);
    top->addWidget(mSchedulePreview);
    top->addStretch(1);
    top->addWidget(mNewScheduleButton);
    page->addLayout(top);
    page->addWidget(mBar);
    page->addWidget(mPanes, 1);

    connect(mSchedulePreview, &QComboBox::currentIndexChanged, this, &SchedulePage::ShowSelected);
    AskToUnpin = [this](const QString& question) {
        return QMessageBox::question(this, QStringLiteral("Belltide"), question) == QMessageBox::Yes;
    };

    connect(mScheduler, &SchedulerThread::Finished, this, &SchedulePage::SchedulerThread_Finished);
    connect(mCancelSearch, &QPushButton::clicked, this, &SchedulePage::CancelSearch_Click);
    connect(mNewScheduleButton, &QPushButton::clicked, this, &SchedulePage::NewSchedule);
    connect(mBarNew, &QPushButton::clicked, this, &SchedulePage::NewSchedule);
    connect(mBarComplete, &QPushButton::clicked, this, &SchedulePage::CompleteSchedule);
}

SchedulePage::~SchedulePage()
{
    // The worker posts progress to this page: it must be gone before the page is.
    mScheduler->Abort();
    mScheduler->Join();
}

bool SchedulePage::IsGenerating() const
{
    return mScheduler->IsRunning();
}

void SchedulePage::Enter()
{
    if (!mContext.GetSchool().Timetable) {
        if (mScheduler->IsRunning()) {
            // A run kept going for a print carries on. Any other was for the
            // school as it was; only one at a time: the new one starts when it ends.
            if (mResultIsStale) {
                mScheduler->Abort();
                mRestartWhenDone = true;
            }
            ShowGenerating(true);
        } else {
            Start(Kind::First);
        }
    }
    RebuildPreviewList();
    RefreshBar();
}

void SchedulePage::Leave()
{
    if (mScheduler->IsRunning()) {
        mScheduler->Abort();
        mResultIsStale = true;
        mRestartWhenDone = false;
    }
}

void SchedulePage::Follow(Notification, const ActionTag&)
{
    if (mScheduler->IsRunning()) {
        mScheduler->Abort();
        mResultIsStale = true;
        // Still on the step with nothing to show: start over for the school as it is now.
        mRestartWhenDone = !mContext.GetSchool().Timetable && isVisible();
    }
    // What was found out belongs to the school as it was.
    mReasons.clear();
    mNote.clear();
    if (isVisible()) {
        RebuildPreviewList();
        RefreshBar();
    }
    ShowSelected();
}

void SchedulePage::NewSchedule()
{
    if (!mScheduler->IsRunning())
        Start(Kind::New);
}

void SchedulePage::CompleteSchedule()
{
    if (!mScheduler->IsRunning())
        Start(Kind::Complete);
}

bool SchedulePage::LetLostPinsGo()
{
    const auto edit = HandEdit::For(mContext.GetSchool());
    const QStringList lost = edit ? edit->LostPins() : QStringList();
    if (lost.isEmpty())
        return true;
    const bool one = lost.size() == 1;
    const QString question
        = QStringLiteral("%1 can no longer stay where %2 pinned:\n\n%3\n\nPlace %4 elsewhere and unpin %4?")
              .arg(one ? QStringLiteral("This meeting") : QStringLiteral("These %1 meetings").arg(lost.size()),
                  one ? QStringLiteral("it was") : QStringLiteral("they were"), lost.join(u'\n'),
                  one ? QStringLiteral("it") : QStringLiteral("them"));
    if (AskToUnpin(question))
        return true;
    mNote = QStringLiteral("Nothing was changed: pinned meetings no longer fit (%1). Undo the edit, or move them "
                           "and try again.")
                .arg(lost.join(QStringLiteral("; ")));
    RefreshBar();
    return false;
}

void SchedulePage::Start(Kind kind)
{
    if (kind != Kind::First && !LetLostPinsGo())
        return;
    mKind = kind;
    mResultIsStale = false;
    mRestartWhenDone = false;
    mThorough = false;
    const int run = ++mRun;
    mReasons.clear();
    mNote.clear();
    School& school = mContext.GetSchool();
    auto inputs = SchoolTimetable::SearchInputs(school, school.Timetable.get(),
        kind == Kind::Complete ? SchoolTimetable::Starting::FromAll : SchoolTimetable::Starting::FromPinned);
    if (!inputs) {
        // A school the engine cannot even hold: its reason is the failure text.
        mLastError = inputs.Error();
        ShowGenerating(false);
        RefreshBar();
        emit GenerationEnded();
        return;
    }
    GenerationOptions options;
    options.Engine = SearchEngine::QuickThenThorough;
    options.Attempts = QuickAttempts;
    // Reported on the worker thread, often: only a new caption or a new
    // percent is worth a trip to the interface thread.
    options.Progress = [this, run, caption = QString(), percent = -2](const ThoroughProgress& progress) mutable {
        const int now = progress.Fraction < 0 ? -1 : int(progress.Fraction * 100);
        if (progress.Caption == caption && now == percent)
            return;
        caption = progress.Caption;
        percent = now;
        QMetaObject::invokeMethod(
            this,
            [this, run, progress] {
                if (run == mRun && mScheduler->IsRunning())
                    ShowProgress(progress);
            },
            Qt::QueuedConnection);
    };
    mScheduler->Start(inputs.TakeValue(), options);
    ShowGenerating(true);
}

void SchedulePage::CancelSearch_Click()
{
    if (IsSearchingThoroughly())
        mScheduler->Abort();
}

void SchedulePage::ShowProgress(const ThoroughProgress& progress)
{
    // The quick attempts have failed and the thorough search is at work: it
    // can be stopped.
    if (!mThorough) {
        mThorough = true;
        mCancelSearch->show();
        mCancelSearch->setFocus(Qt::OtherFocusReason);
    }
    mGenerationCaption->setText(progress.Caption);
    if (progress.Fraction < 0) {
        mGenerationProgress->setRange(0, 0);
    } else {
        mGenerationProgress->setRange(0, 100);
        mGenerationProgress->setValue(int(progress.Fraction * 100));
    }
}

void SchedulePage::SchedulerThread_Finished(const GenerationResult& result)
{
    if (mRestartWhenDone) {
        Start(Kind::First);
        return;
    }
    mThorough = false;
    QString note;
    if (!mResultIsStale) {
        School& school = mContext.GetSchool();
        const GenerationInputs& inputs = mScheduler->Inputs();
        if (result.Schedule) {
            const QStringList released = SchoolTimetable::Released(inputs, result);
            auto timetable = SchoolTimetable::AfterSearch(inputs, result, school.Timetable.get());
            mContext.SubmitAndShow(std::make_shared<ScheduleChange>(mContext.SchoolPtr(), std::move(timetable),
                mKind == Kind::Complete ? QStringLiteral("Complete Schedule") : QStringLiteral("New Schedule")));
            if (!released.isEmpty())
                note = QStringLiteral("To complete the schedule, these meetings had to move: %1.")
                           .arg(released.join(QStringLiteral("; ")));
        } else {
            mLastError = result.Error;
            if (!result.Aborted)
                mReasons = result.Reasons;
            if (school.Timetable) {
                note = (mKind == Kind::Complete ? QStringLiteral("The schedule could not be completed. ")
                                                : QStringLiteral("No new schedule was made; this one stays. "))
                    + (result.Aborted ? QString() : FailureText());
            }
        }
    }
    ShowGenerating(false);
    mNote = note.trimmed();
    RefreshBar();
    emit GenerationEnded();
}

void SchedulePage::ShowGenerating(bool generating)
{
    if (!generating || !mThorough) {
        mGenerationCaption->setText(QStringLiteral("Creating a schedule..."));
        mGenerationProgress->setRange(0, 0);
    }
    mCancelSearch->setVisible(generating && mThorough);
    RefreshBar();
    ShowSelected();
}

void SchedulePage::ShowSelected()
{
    const ScheduleContent selected = SelectedObject();
    if (mScheduler->IsRunning()) {
        mPanes->setCurrentIndex(1);
    } else if (mContext.GetSchool().Schedule && selected.Overview != ScheduleOverview::None) {
        mOverview->SetOverview(selected.Overview);
        mPanes->setCurrentIndex(2);
    } else {
        mPanes->setCurrentIndex(0);
        ShowWeek();
    }
}

int SchedulePage::MissingMeetings() const
{
    School& school = mContext.GetSchool();
    return school.Timetable ? SchoolTimetable::Missing(school, *school.Timetable).Missing : 0;
}

void SchedulePage::RefreshBar()
{
    School& school = mContext.GetSchool();
    const bool generating = mScheduler->IsRunning();
    std::int32_t missing = 0;
    QString text;
    if (school.Timetable && !generating) {
        const SchoolTimetable::Shortfall shortfall = SchoolTimetable::Missing(school, *school.Timetable);
        missing = shortfall.Missing;
        if (missing > 0) {
            const qsizetype dropped = qsizetype(school.Timetable->Dropped.size());
            const auto meetings = [](qsizetype n) {
                return n == 1 ? QStringLiteral("1 meeting") : QStringLiteral("%1 meetings").arg(n);
            };
            constexpr qsizetype kNamed = 4;
            QStringList named = shortfall.Meetings.mid(0, kNamed);
            if (shortfall.Meetings.size() > kNamed)
                named << QStringLiteral("%1 more").arg(shortfall.Meetings.size() - kNamed);
            text = dropped > 0
                ? QStringLiteral("%1 no longer %2 and %3 %4 missing: %5.")
                      .arg(meetings(dropped), dropped == 1 ? QStringLiteral("fits") : QStringLiteral("fit"),
                          QString::number(missing), missing == 1 ? QStringLiteral("is") : QStringLiteral("are"),
                          named.join(QStringLiteral(", ")))
                : QStringLiteral("%1 %2 missing: %3.")
                      .arg(meetings(missing), missing == 1 ? QStringLiteral("is") : QStringLiteral("are"),
                          named.join(QStringLiteral(", ")));
            mBar->setToolTip(shortfall.Meetings.join(u'\n'));
        }
    }
    const bool incomplete = missing > 0;
    if (!incomplete)
        text = mNote;
    mBarText->setText(text);
    mBarComplete->setVisible(incomplete);
    mBarNew->setVisible(incomplete);
    mBar->setVisible(!text.isEmpty() && !generating);
    mNewScheduleButton->setVisible(!generating && !incomplete);
}

QString SchedulePage::FailureText() const
{
    if (!mReasons.isEmpty())
        return mReasons.join(QStringLiteral("\n\n"));
    return mLastError.isEmpty() ? ScheduleGenerator::GenericFailureText() : mLastError;
}

void SchedulePage::RebuildPreviewList()
{
    const ScheduleContent remembered = SelectedObject();
    const QSignalBlocker quiet(mSchedulePreview);
    mSchedulePreview->clear();
    mPreviewObjects.clear();
    int selected = -1;
    ScheduleContent previous;
    for (const ScheduleChoice& choice : ScheduleChoices(mContext.GetSchool())) {
        // The overviews, the classes and the specials each a group of their own.
        const bool afterOverviews = previous.Overview != ScheduleOverview::None && choice.Object.Classroom;
        if (afterOverviews || (previous.Classroom && choice.Object.Special)) {
            mSchedulePreview->insertSeparator(mSchedulePreview->count());
            mPreviewObjects.emplace_back();
        }
        previous = choice.Object;
        if (selected < 0 && remembered && SameObject(choice.Object, remembered))
            selected = mSchedulePreview->count();
        mSchedulePreview->addItem(choice.Label);
        mPreviewObjects.push_back(choice.Object);
    }
    if (selected < 0 && mSchedulePreview->count() > 0)
        selected = 0;
    mSchedulePreview->setCurrentIndex(selected);
    ShowSelected();
}

ScheduleContent SchedulePage::SelectedObject() const
{
    const int row = mSchedulePreview->currentIndex();
    if (row < 0 || std::size_t(row) >= mPreviewObjects.size())
        return {};
    return mPreviewObjects[std::size_t(row)];
}

void SchedulePage::ShowWeek()
{
    mScheduleContentPane->SetFailureText(FailureText(), !mReasons.isEmpty());
    mScheduleContentPane->SetObject(SelectedObject());
}

void SchedulePage::PaintContent(QPainter& painter, int width, int height)
{
    ShowWeek();
    mScheduleContentPane->Paint(painter, width, height);
}

} // namespace belltide
