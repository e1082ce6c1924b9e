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
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace belltide {

namespace {

class ContentPane : public QWidget {
public:
    explicit ContentPane(SchedulePage& page) : QWidget(&page), mPage(page)
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
        return {400, line + 5 * line * 3 + 2};
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
    generating->addWidget(new QLabel(QStringLiteral("Creating a schedule..."), ScheduleGenerationPane), 0,
                          Qt::AlignHCenter);
    GenerationProgress = new QProgressBar(ScheduleGenerationPane);
    GenerationProgress->setRange(0, 0); // busy: how long it takes is not known
    GenerationProgress->setFixedWidth(260);
    generating->addWidget(GenerationProgress, 0, Qt::AlignHCenter);
    generating->addStretch(1);

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

    connect(SchedulePreview, &QComboBox::currentIndexChanged, ScheduleContentPane, qOverload<>(&QWidget::update));
    connect(mScheduler, &SchedulerThread::Finished, this, &SchedulePage::SchedulerThread_Finished);
}

SchedulePage::~SchedulePage() = default;

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
}

void SchedulePage::StartGeneration()
{
    mResultIsStale = false;
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

void SchedulePage::SchedulerThread_Finished(const GenerationResult& result)
{
    if (mRestartWhenDone) {
        mRestartWhenDone = false;
        StartGeneration();
        return;
    }
    if (!mResultIsStale) {
        mWindow.GetSchool().Schedule = result.Schedule;
        mLastError = result.Error;
        mHasGenerated = true;
    }
    ShowGenerating(false);
    emit GenerationEnded();
}

void SchedulePage::ShowGenerating(bool generating)
{
    mPanes->setCurrentIndex(generating ? 1 : 0);
    ScheduleContentPane->update();
}

QString SchedulePage::FailureText() const
{
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
        g.DrawString(FailureText(), 15, height / 2, width - 30);
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
