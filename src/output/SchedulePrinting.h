#pragma once

#include "output/ScheduleRenderer.h"

#include <QString>

#include <vector>

class QPagedPaintDevice;

namespace belltide {

class School;

struct ScheduleChoice {
    QString Label;
    ScheduleContent Object;
};

// What the schedule popup and the print choices list, in their order: the
// Whole School view (when there are classes) and the Specials view (when there
// are specials), then every class ("grade: teacher") in grade order, then
// every special ("title: teacher").
std::vector<ScheduleChoice> ScheduleChoices(const School& school);

// One landscape page per schedule, each with its header, in the order given;
// a view of the whole school or of the specials takes a page for each day.
// No empty page at the end. False when the device cannot be painted on.
// Pinned meetings carry their pin only when `pins` asks: on paper a pin is an
// office matter, not the teachers'.
bool PrintSchedules(
    const School& school, const std::vector<ScheduleContent>& objects, QPagedPaintDevice& device, bool pins = false);

} // namespace belltide
