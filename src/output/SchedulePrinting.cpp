#include "SchedulePrinting.h"

#include "model/Classroom.h"
#include "model/School.h"
#include "model/SpecialClass.h"
#include "output/DayOverviewRenderer.h"
#include "output/PainterGraphics.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace belltide {

std::vector<ScheduleChoice> ScheduleChoices(const School& school)
{
    std::vector<ScheduleChoice> choices;
    // An overview of nothing would be an empty grid.
    if (!school.Classes.empty()) {
        ScheduleContent whole;
        whole.Overview = ScheduleOverview::Classes;
        choices.push_back({ QStringLiteral("Whole School"), whole });
    }
    if (!school.Specials.empty()) {
        ScheduleContent specials;
        specials.Overview = ScheduleOverview::Specials;
        choices.push_back({ QStringLiteral("Specials"), specials });
    }
    for (const auto overview : { ScheduleOverview::Classes, ScheduleOverview::Specials }) {
        for (const ScheduleContent& row : DayOverviewRenderer::Rows(school, overview)) {
            const QString label = row.Classroom ? row.Classroom->Grade + QStringLiteral(": ") + row.Classroom->Teacher
                                                : row.Special->Title + QStringLiteral(": ") + row.Special->Teacher;
            choices.push_back({ label, row });
        }
    }
    return choices;
}

bool PrintSchedules(
    const School& school, const std::vector<ScheduleContent>& objects, QPagedPaintDevice& device, bool pins)
{
    if (objects.empty())
        return true;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    PainterGraphics graphics(painter, device.width(), device.height());
    LandscapeScheduleRenderer week;
    week.DrawPins = pins;
    DayOverviewRenderer day;
    day.FitPage = true;
    for (ScheduleRenderer* renderer : { static_cast<ScheduleRenderer*>(&week), static_cast<ScheduleRenderer*>(&day) }) {
        renderer->Graphics = &graphics;
        renderer->PageWidth = device.width();
        renderer->PageHeight = device.height();
    }
    bool first = true;
    const auto nextPage = [&] {
        if (!first)
            device.newPage();
        first = false;
    };
    for (const ScheduleContent& object : objects) {
        if (object.Overview == ScheduleOverview::None) {
            nextPage();
            week.Render(school, object.Classroom, object.Special);
            continue;
        }
        for (int d = 0; d < 5; ++d) {
            nextPage();
            day.RenderDay(school, object.Overview, d);
        }
    }
    return painter.end();
}

} // namespace belltide
