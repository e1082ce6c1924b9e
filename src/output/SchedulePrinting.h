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

// Every class ("grade: teacher") and special ("title: teacher") of the school,
// in the order the schedule popup and the print choices list them.
std::vector<ScheduleChoice> ScheduleChoices(const School& school);

// One landscape page per schedule, each with its header, in the order given;
// no empty page at the end. False when the device cannot be painted on.
bool PrintSchedules(const School& school, const std::vector<ScheduleContent>& objects, QPagedPaintDevice& device);

} // namespace belltide
