#pragma once

#include <QHash>
#include <QImage>
#include <QString>

#include <functional>
#include <optional>

class QPainter;

namespace belltide {

// Icons are the pictures the program carries inside itself, else PNG files
// named after the icon; each is read once and kept by name. An icon remembers
// its name (the image's text kNameKey), so that it can be drawn again from its
// SVG source where the bitmap would blur.
class IconStore {
public:
    // The picture the program carries under a name; a null image when it has none.
    using Source = std::function<QImage(const QString& name)>;
    static constexpr const char* kNameKey = "Belltide picture";

    // An empty folder means there is none: an icon not carried is then a null image.
    explicit IconStore(QString folder, Source carried = {})
        : mFolder(std::move(folder))
        , mCarried(std::move(carried))
    {
    }

    QImage Get(const QString& name);
    const QString& Folder() const { return mFolder; }
    // Forgets what was read, so that every icon is looked for again.
    void SetCarried(Source carried);

    // The folder the program uses: "Resources" beside the executable's folder
    // when started from elsewhere, else "Resources" in the current folder.
    static QString FindFolder(const QString& executableFolder, const QString& currentFolder);

private:
    QString mFolder;
    Source mCarried;
    QHash<QString, QImage> mCache;
};

namespace Resources {

// The program's icons; the folder is chosen on the first request and the
// pictures live as long as the program. Interface thread only.
QImage GetIcon(const QString& name);

// Where a packed program finds the pictures of its container; asked before the
// folder. The source must answer until the last icon has been asked for.
void SetCarriedPictures(IconStore::Source carried);

// The icon as the device should show it at `size`: the bitmap itself when it
// fits pixel for pixel, else drawn from its SVG source at the device's pixel
// ratio, else the bitmap scaled.
QImage SharpIcon(const QImage& icon, const QSize& size, qreal ratio);

// Draws an icon into `target` of the painter's device, sharp at its ratio.
void DrawIcon(QPainter& painter, const QRect& target, const QImage& icon);

} // namespace Resources
} // namespace belltide
