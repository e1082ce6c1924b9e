#include "SchedulePage.h"

#include "MainWindow.h"
#include "SchedulerThread.h"
#include "model/Classroom.h"
#include "model/School.h"
#include "model/SpecialClass.h"
#include "output/PainterGraphics.h"
#include "output/SchedulePrinting.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace belltide {

namespace {

class ContentPane : public QWidget {
public:
    explicit ContentPane(SchedulePage& page)
        : QWidget(&page)
        , mPage(page)
    {
        setObjectName(QStringLiteral("ScheduleContentPane"));
        setCursor(Qt::ArrowCursor);
    }

    // The week needs its five rows of three lines; a smaller pane scrolls.
    QSize minimumSizeHint() const override
    {
        QFont font = this->font();
        font.setPointSize(12);
        const int line = QFontMetrics(font).height() + 2;
        return { 400, line + 5 * line * 3 + 2 };
    }
    QSize sizeHint() const override { return minimumSizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        mPage.PaintContent(painter, width(), height());
    }

private:
    SchedulePage& mPage;
};

bool SameObject(const ScheduleContent& a, const ScheduleContent& b)
{
    return a.Classroom == b.Classroom && a.Special == b.Special;
}

} // namespace

SchedulePage::SchedulePage(MainWindow& window, QWidget* parent)
    : StepPage(parent)
    , mWindow(window)
    , mScheduler(new SchedulerThread(this))
{
    StaticText1 = new QLabel(QStringLiteral("Show Schedule for:"), this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    SchedulePreview = new QComboBox(this);
    SchedulePreview->setObjectName(QStringLiteral("SchedulePreview"));
    SchedulePreview->setMinimumContentsLength(24);
    StaticText1->setBuddy(SchedulePreview);

    ScheduleContentPane = new ContentPane(*this);
    ScheduleGenerationPane = new QWidget(this);
    ScheduleGenerationPane->setObjectName(QStringLiteral("ScheduleGenerationPane"));
    auto* generating = new QVBoxLayout(ScheduleGenerationPane);
    generating->addStretch(1);
    GenerationCaption = new QLabel(QStringLiteral("Creating a schedule..."), ScheduleGenerationPane);
    GenerationCaption->setObjectName(QStringLiteral("GenerationCaption"));
    generating->addWidget(GenerationCaption, 0, Qt::AlignHCenter);
    GenerationProgress = new QProgressBar(ScheduleGenerationPane);
    GenerationProgress->setObjectName(QStringLiteral("GenerationProgress"));
    GenerationProgress->setRange(0, 0); // busy: how long it takes is not known
    GenerationProgress->setFixedWidth(260);
    generating->addWidget(GenerationProgress, 0, Qt::AlignHCenter);
    CancelSearch = new QPushButton(QStringLiteral("Cancel"), ScheduleGenerationPane);
    CancelSearch->setObjectName(QStringLiteral("CancelSearch"));
    CancelSearch->setShortcut(QKeySequence(Qt::Key_Escape));
    CancelSearch->hide();
    generating->addWidget(CancelSearch, 0, Qt::AlignHCenter);
    generating->addStretch(1);

    SearchThoroughly = new QPushButton(QStringLiteral("Search Thoroughly"), this);
    SearchThoroughly->setObjectName(QStringLiteral("SearchThoroughly"));
    SearchThoroughly->setToolTip(
        QStringLiteral("Look through every possible schedule. This finds one whenever one exists, or tells why "
                       "none does; it can take a minute for a large school."));
    SearchThoroughly->hide();

    auto* scroller = new QScrollArea(this);
    scroller->setWidget(ScheduleContentPane);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    mPanes = new QStackedWidget(this);
    mPanes->addWidget(scroller);
    mPanes->addWidget(ScheduleGenerationPane);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    auto* top = new QHBoxLayout;
    top->addWidget(StaticText1);
    top->addWidget(SchedulePreview);
    top->addStretch(1);
    page->addLayout(top);
    page->addWidget(mPanes, 1);
    page->addWidget(SearchThoroughly, 0, Qt::AlignHCenter);

    connect(SchedulePreview, &QComboBox::currentIndexChanged, ScheduleContentPane, qOverload<>(&QWidget::update));
    connect(mScheduler, &SchedulerThread::Finished, this, &SchedulePage::SchedulerThread_Finished);
    connect(SearchThoroughly, &QPushButton::clicked, this, &SchedulePage::SearchThoroughly_Click);
    connect(CancelSearch, &QPushButton::clicked, this, &SchedulePage::CancelSearch_Click);
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
    if (!mWindow.GetSchool().Schedule) {
        if (mScheduler->IsRunning()) {
            // Only one generation at a time: the new one starts when this ends.
            mScheduler->Abort();
            mResultIsStale = true;
            mRestartWhenDone = true;
            ShowGenerating(true);
        } else {
            StartGeneration();
        }
    }
    RebuildPreviewList();
}

void SchedulePage::Leave()
{
    if (mScheduler->IsRunning()) {
        mScheduler->Abort();
        mResultIsStale = true;
        mRestartWhenDone = false;
    }
}

void SchedulePage::Discard()
{
    Leave();
    // What was found out belongs to the school as it was.
    ForgetFailure();
}

void SchedulePage::ForgetFailure()
{
    mQuickFailed = false;
    mReasons.clear();
    SearchThoroughly->hide();
}

void SchedulePage::StartGeneration()
{
    mResultIsStale = false;
    mThorough = false;
    ++mRun;
    ForgetFailure();
    if (!mScheduler->Start(mWindow.GetSchool())) {
        // A school the engine cannot even hold: its reason is the failure text.
        mLastError = mScheduler->LastResult().Error;
        mHasGenerated = true;
        ShowGenerating(false);
        emit GenerationEnded();
        return;
    }
    ShowGenerating(true);
}

void SchedulePage::SearchThoroughly_Click()
{
    if (mScheduler->IsRunning() || mWindow.GetSchool().Schedule || !mQuickFailed)
        return;
    mResultIsStale = false;
    mThorough = true;
    const int run = ++mRun;
    GenerationOptions options;
    options.Engine = SearchEngine::Thorough;
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
                if (run == mRun)
                    ShowProgress(progress);
            },
            Qt::QueuedConnection);
    };
    if (!mScheduler->Start(mWindow.GetSchool(), options)) {
        mLastError = mScheduler->LastResult().Error;
        mThorough = false;
        ForgetFailure();
        ShowGenerating(false);
        return;
    }
    ShowProgress({ QStringLiteral("Searching thoroughly..."), -1 });
    ShowGenerating(true);
}

void SchedulePage::CancelSearch_Click()
{
    if (IsSearchingThoroughly())
        mScheduler->Abort();
}

void SchedulePage::ShowProgress(const ThoroughProgress& progress)
{
    GenerationCaption->setText(progress.Caption);
    if (progress.Fraction < 0) {
        GenerationProgress->setRange(0, 0);
    } else {
        GenerationProgress->setRange(0, 100);
        GenerationProgress->setValue(int(progress.Fraction * 100));
    }
}

void SchedulePage::SchedulerThread_Finished(const GenerationResult& result)
{
    if (mRestartWhenDone) {
        mRestartWhenDone = false;
        StartGeneration();
        return;
    }
    if (!mResultIsStale) {
        mWindow.GetSchool().Schedule = result.Schedule;
        mHasGenerated = true;
        if (!mThorough) {
            mLastError = result.Error;
            mQuickFailed = !result.Schedule && !result.Aborted;
        } else if (!result.Aborted) {
            // Proved either way: there is nothing more to search.
            mReasons = result.Reasons;
            mQuickFailed = false;
        }
    }
    mThorough = false;
    ShowGenerating(false);
    emit GenerationEnded();
}

void SchedulePage::ShowGenerating(bool generating)
{
    if (!generating || !mThorough) {
        GenerationCaption->setText(QStringLiteral("Creating a schedule..."));
        GenerationProgress->setRange(0, 0);
    }
    CancelSearch->setVisible(generating && mThorough);
    SearchThoroughly->setVisible(!generating && mQuickFailed && !mWindow.GetSchool().Schedule);
    mPanes->setCurrentIndex(generating ? 1 : 0);
    if (generating && mThorough)
        CancelSearch->setFocus(Qt::OtherFocusReason);
    ScheduleContentPane->update();
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
    const QSignalBlocker quiet(SchedulePreview);
    SchedulePreview->clear();
    mPreviewObjects.clear();
    int selected = -1;
    for (const ScheduleChoice& choice : ScheduleChoices(mWindow.GetSchool())) {
        if (selected < 0 && remembered && SameObject(choice.Object, remembered))
            selected = SchedulePreview->count();
        SchedulePreview->addItem(choice.Label);
        mPreviewObjects.push_back(choice.Object);
    }
    if (selected < 0 && SchedulePreview->count() > 0)
        selected = 0;
    SchedulePreview->setCurrentIndex(selected);
    ScheduleContentPane->update();
}

ScheduleContent SchedulePage::SelectedObject() const
{
    const int row = SchedulePreview->currentIndex();
    if (row < 0 || std::size_t(row) >= mPreviewObjects.size())
        return {};
    return mPreviewObjects[std::size_t(row)];
}

void SchedulePage::PaintContent(QPainter& painter, int width, int height) const
{
    painter.fillRect(QRect(0, 0, width, height), Qt::white);
    PainterGraphics surface(painter, width, height);
    Graphics& g = surface;
    const School& school = mWindow.GetSchool();
    if (!school.Schedule) {
        g.SetTextSize(16);
        g.SetColor(QColor(0xFF, 0x80, 0x80));
        // Several reasons need the room from the top down.
        const int baseline = mReasons.isEmpty() ? height / 2 : 15 + g.TextAscent();
        g.DrawString(FailureText(), 15, baseline, width - 30);
        return;
    }
    const ScheduleContent selected = SelectedObject();
    if (!selected) {
        const QString prompt = QStringLiteral("Select a classroom to view");
        g.SetTextSize(24);
        g.SetColor(QColor(0x80, 0x80, 0x80));
        g.DrawString(prompt, (width - g.StringWidth(prompt)) / 2, height / 2);
        return;
    }
    LandscapeScheduleRenderer renderer;
    renderer.Graphics = &surface;
    renderer.PageWidth = width;
    renderer.PageHeight = height;
    renderer.DrawHeader = false;
    if (selected.Special)
        renderer.Render(school, nullptr, selected.Special);
    else
        renderer.Render(school, selected.Classroom, nullptr);
}

} // namespace belltide
