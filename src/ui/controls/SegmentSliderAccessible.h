#pragma once

#include <QAccessibleWidget>

namespace belltide {

class SegmentSlider;

// A slider to a screen reader: its name says the day (the page sets it), its
// value the times that are available.
class SegmentSliderAccessible : public QAccessibleWidget {
public:
    explicit SegmentSliderAccessible(SegmentSlider* slider);

    QString text(QAccessible::Text type) const override;

private:
    const SegmentSlider* Slider() const;
};

} // namespace belltide
