#pragma once

#include <QImage>
#include <QString>

#include <array>

namespace belltide {

class ResourceRegistry;

// Every picture the window shows, as a packed program carries them: complete
// Windows bitmap files, resources of type "BMP " whose id is the picture's
// place in kNames. The build packs them in this order.
class ContainerPictures {
public:
    static constexpr std::array<const char*, 14> kNames
        = { "Home", "School Info", "Class Info", "Special Class", "Special Class Attendance", "Schedule", "Belo", "Add",
              "Add Disabled", "Add Pressed", "Remove", "Remove Disabled", "Remove Pressed", "Application" };

    // The registry must outlive every request.
    explicit ContainerPictures(const ResourceRegistry& registry)
        : mRegistry(&registry)
    {
    }

    // A null image for a picture the container does not carry, or whose
    // bitmap cannot be read.
    QImage Get(const QString& name) const;

private:
    const ResourceRegistry* mRegistry;
};

} // namespace belltide
