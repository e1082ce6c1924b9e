#pragma once

class QWidget;

namespace belltide {

// Red text on a pale red ground: the entry is impossible and its reason is in
// the help area. Unmarked, the field takes the window's colours again.
void MarkField(QWidget& field, bool bad);
bool IsFieldMarked(const QWidget& field);

} // namespace belltide
