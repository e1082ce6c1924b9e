#pragma once

#include <QColor>
#include <QString>

namespace belltide {

// The fill of a subject's boxes: the same subject has the same light colour
// wherever it is drawn, so a week and the whole school read alike. Lunch and
// recess have colours of their own.
QColor SubjectColor(const QString& subject);

// The shading of time a class is not at school, or a special is away.
QColor AwayColor();

} // namespace belltide
