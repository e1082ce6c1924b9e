#include "FieldMark.h"

#include <QVariant>
#include <QWidget>

namespace belltide {

namespace {

constexpr char kMarkProperty[] = "belltideBadEntry";

} // namespace

void MarkField(QWidget& field, bool bad)
{
    if (IsFieldMarked(field) == bad)
        return;
    field.setProperty(kMarkProperty, bad);
    if (!bad) {
        field.setPalette(QPalette());
        return;
    }
    QPalette marked = field.palette();
    marked.setColor(QPalette::Text, QColor(176, 0, 32));
    marked.setColor(QPalette::Base, QColor(255, 232, 232));
    field.setPalette(marked);
}

bool IsFieldMarked(const QWidget& field)
{
    return field.property(kMarkProperty).toBool();
}

} // namespace belltide
