#include "ContainerPictures.h"

#include "runtime/ResourceRegistry.h"

#include <algorithm>

namespace belltide {

QImage ContainerPictures::Get(const QString& name) const
{
    const auto found
        = std::find_if(kNames.begin(), kNames.end(), [&](const char* known) { return name == QLatin1String(known); });
    if (found == kNames.end())
        return QImage();
    const auto id = std::uint16_t(found - kNames.begin());
    const ResourceRegistry::Entry entry = mRegistry->Find(ResourceRegistry::TypeCode("BMP "), id);
    return entry.Content.isEmpty() ? QImage() : QImage::fromData(entry.Content, "BMP");
}

} // namespace belltide
