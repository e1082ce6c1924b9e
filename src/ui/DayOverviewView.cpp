#include "DayOverviewView.h"

#include "output/DayOverviewRenderer.h"
#include "output/PainterGraphics.h"

#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QScrollArea>
#include <QTabBar>
#include <QToolTip>
#include <QVBoxLayout>

namespace belltide {

namespace {

const char* const kDays[] = { "Monday", "Tuesday", "Wednesday", "Thursday", "Friday" };

} // namespace

DayOverviewView::DayOverviewView(const School& school, QWidget* parent)
    : QWidget(parent)
    , mSchool(school)
{
    setObjectName(QStringLiteral("DayOverviewView"));
    mDays = new QTabBar(this);
    mDays->setObjectName(QStringLiteral("OverviewDays"));
    for (const char* day : kDays)
        mDays->addTab(QString::fromLatin1(day));
    mDays->setExpanding(false);
    mDays->setFocusPolicy(Qt::StrongFocus);
    mDays->setAccessibleName(QStringLiteral("Day"));

    mCanvas = new QWidget;
    mCanvas->setObjectName(QStringLiteral("OverviewCanvas"));
    mCanvas->setMouseTracking(true);
    mCanvas->installEventFilter(this);
    mScroller = new QScrollArea(this);
    mScroller->setWidget(mCanvas);
    mScroller->setWidgetResizable(true);
    mScroller->setFrameShape(QFrame::NoFrame);
    mScroller->viewport()->installEventFilter(this);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addWidget(mDays);
    column->addWidget(mScroller, 1);

    connect(mDays, &QTabBar::currentChanged, mCanvas, qOverload<>(&QWidget::update));
}

void DayOverviewView::SetOverview(ScheduleOverview overview)
{
    mOverview = overview;
    Refresh();
}

void DayOverviewView::SetDay(int day)
{
    mDays->setCurrentIndex(day);
}

int DayOverviewView::Day() const
{
    return mDays->currentIndex();
}

void DayOverviewView::Refresh()
{
    UpdateCanvasHeight();
    mCanvas->update();
}

void DayOverviewView::UpdateCanvasHeight()
{
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    PainterGraphics surface(painter, 1, 1);
    DayOverviewRenderer renderer;
    renderer.Graphics = &surface;
    mCanvas->setMinimumHeight(renderer.NeededHeight(mSchool, mOverview));
}

QString DayOverviewView::TextAt(const QPoint& point) const
{
    for (const DrawnBox& box : mBoxes) {
        if (box.Contains(point.x(), point.y()))
            return box.Text;
    }
    return {};
}

bool DayOverviewView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == mCanvas && event->type() == QEvent::Paint) {
        Paint(*mCanvas);
        return true;
    }
    if (watched == mCanvas && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString text = TextAt(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, mCanvas);
        return true;
    }
    if (watched == mScroller->viewport() && event->type() == QEvent::Resize)
        UpdateCanvasHeight();
    return QWidget::eventFilter(watched, event);
}

void DayOverviewView::Paint(QWidget& canvas)
{
    QPainter painter(&canvas);
    painter.fillRect(canvas.rect(), Qt::white);
    PainterGraphics surface(painter, canvas.width(), canvas.height());
    DayOverviewRenderer renderer;
    renderer.Graphics = &surface;
    renderer.PageWidth = canvas.width();
    renderer.PageHeight = canvas.height();
    renderer.DrawHeader = false;
    renderer.RenderDay(mSchool, mOverview, Day());
    mBoxes = std::move(renderer.Boxes);
}

} // namespace belltide
