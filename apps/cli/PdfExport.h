#pragma once

#include "model/Result.h"

#include <QString>
#include <QStringList>

namespace belltide {

class School;

// Prints the school's schedules into a PDF, one landscape Letter page each,
// in the order the window lists them. `only` keeps just the schedules with
// those labels ("grade: teacher", "title: teacher"); empty means all.
Status WriteSchedulePdf(const School& school, const QStringList& only, const QString& path);

} // namespace belltide
