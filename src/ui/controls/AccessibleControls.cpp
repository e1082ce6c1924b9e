#include "AccessibleControls.h"

#include "AddRemoveButtons.h"
#include "AddRemoveButtonsAccessible.h"
#include "SegmentSlider.h"
#include "SegmentSliderAccessible.h"

#include <QAccessible>

namespace belltide::AccessibleControls {

namespace {

QAccessibleInterface* Create(const QString& className, QObject* object)
{
    if (className == QLatin1String(SegmentSlider::staticMetaObject.className()))
        return new SegmentSliderAccessible(static_cast<SegmentSlider*>(object));
    if (className == QLatin1String(AddRemoveButtons::staticMetaObject.className()))
        return new AddRemoveButtonsAccessible(static_cast<AddRemoveButtons*>(object));
    return nullptr;
}

} // namespace

void Install()
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(&Create);
        return true;
    }();
}

} // namespace belltide::AccessibleControls
