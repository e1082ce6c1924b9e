#include "SchedulePrinting.h"

#include "model/Classroom.h"
#include "model/DisplayOrder.h"
#include "model/School.h"
#include "model/SpecialClass.h"
#include "output/PainterGraphics.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace belltide {

std::vector<ScheduleChoice> ScheduleChoices(const School& school)
{
    std::vector<ScheduleContent> objects;
    QStringList labels;
    for (const auto& classroom : school.Classes) {
        objects.push_back({ nullptr, classroom });
        labels << classroom->Grade + QStringLiteral(": ") + classroom->Teacher;
    }
    for (const auto& special : school.Specials) {
        objects.push_back({ special, nullptr });
        labels << special->Title + QStringLiteral(": ") + special->Teacher;
    }
    SortAlong(objects, labels);
    std::vector<ScheduleChoice> choices;
    for (std::size_t i = 0; i < objects.size(); ++i)
        choices.push_back({ labels[qsizetype(i)], objects[i] });
    return choices;
}

bool PrintSchedules(const School& school, const std::vector<ScheduleContent>& objects, QPagedPaintDevice& device)
{
    if (objects.empty())
        return true;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    PainterGraphics graphics(painter, device.width(), device.height());
    LandscapeScheduleRenderer renderer;
    renderer.Graphics = &graphics;
    renderer.PageWidth = device.width();
    renderer.PageHeight = device.height();
    for (std::size_t i = 0; i < objects.size(); ++i) {
        if (i > 0)
            device.newPage();
        renderer.Render(school, objects[i].Classroom, objects[i].Special);
    }
    return painter.end();
}

} // namespace belltide
