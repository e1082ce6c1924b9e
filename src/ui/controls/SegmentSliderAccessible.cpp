#include "SegmentSliderAccessible.h"

#include "SegmentSlider.h"

namespace belltide {

SegmentSliderAccessible::SegmentSliderAccessible(SegmentSlider* slider)
    : QAccessibleWidget(slider, QAccessible::Slider)
{
}

const SegmentSlider* SegmentSliderAccessible::Slider() const
{
    return static_cast<const SegmentSlider*>(widget());
}

QString SegmentSliderAccessible::text(QAccessible::Text type) const
{
    switch (type) {
    case QAccessible::Value:
        return Slider()->AvailabilityText();
    case QAccessible::Name: {
        const QString name = QAccessibleWidget::text(type);
        return name.isEmpty() ? QStringLiteral("Availability") : name;
    }
    default:
        return QAccessibleWidget::text(type);
    }
}

} // namespace belltide
