#pragma once

#include <QColor>
#include <QString>

namespace belltide {

class School;

// The fill of a subject's boxes: the same subject has the same light colour
// wherever the school is drawn, so a week and the whole school read alike.
// The school's subjects take the palette in alphabetical order, so that up to
// ten of them never share a colour; lunch and recess have colours of their own.
QColor SubjectColor(const School& school, const QString& subject);

// The shading of time a class is not at school, or a special is away.
QColor AwayColor();

} // namespace belltide
