#include "ScheduleWeekView.h"

#include "PageContext.h"
#include "model/School.h"
#include "output/PainterGraphics.h"

#include <QPainter>

namespace belltide {

ScheduleWeekView::ScheduleWeekView(PageContext& context, QWidget* parent)
    : QWidget(parent)
    , mContext(context)
{
    setObjectName(QStringLiteral("ScheduleContentPane"));
    setCursor(Qt::ArrowCursor);
}

void ScheduleWeekView::SetObject(const ScheduleContent& object)
{
    mObject = object;
    update();
}

void ScheduleWeekView::SetFailureText(const QString& text, bool several)
{
    mFailureText = text;
    mSeveralReasons = several;
    update();
}

QSize ScheduleWeekView::minimumSizeHint() const
{
    QFont font = this->font();
    font.setPointSize(12);
    const int heading = QFontMetrics(font).height() + 2;
    font.setPointSize(10);
    const int day = (QFontMetrics(font).height() + 1) * 2;
    return { 400, heading + 5 * day + 2 };
}

void ScheduleWeekView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter, width(), height());
}

void ScheduleWeekView::Paint(QPainter& painter, int width, int height)
{
    painter.fillRect(QRect(0, 0, width, height), Qt::white);
    PainterGraphics surface(painter, width, height);
    Graphics& g = surface;
    const School& school = mContext.GetSchool();
    if (!school.Schedule) {
        g.SetTextSize(16);
        g.SetColor(QColor(0xFF, 0x80, 0x80));
        // Several reasons need the room from the top down.
        const int baseline = mSeveralReasons ? 15 + g.TextAscent() : height / 2;
        const QString text = school.Timetable
            ? QStringLiteral("The schedule cannot be shown while the school's times are impossible. Correct them on "
                             "the School Information step.")
            : mFailureText;
        g.DrawString(text, 15, baseline, width - 30);
        return;
    }
    if (!mObject) {
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
    if (mObject.Special)
        renderer.Render(school, nullptr, mObject.Special);
    else
        renderer.Render(school, mObject.Classroom, nullptr);
}

} // namespace belltide
