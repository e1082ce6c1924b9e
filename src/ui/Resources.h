#pragma once

#include <QHash>
#include <QImage>
#include <QString>

#include <optional>

namespace belltide {

// Icons are PNG files named after the icon, read once and kept by name.
class IconStore {
public:
    // An empty folder means there is none: every icon is then a null image.
    explicit IconStore(QString folder) : mFolder(std::move(folder)) {}

    QImage Get(const QString& name);
    const QString& Folder() const { return mFolder; }

    // The folder the program uses: "Resources" beside the executable's folder
    // when started from elsewhere, else "Resources" in the current folder.
    static QString FindFolder(const QString& executableFolder, const QString& currentFolder);

private:
    QString mFolder;
    QHash<QString, QImage> mCache;
};

namespace Resources {

// The program's icons; the folder is chosen on the first request and the
// pictures live as long as the program. Interface thread only.
QImage GetIcon(const QString& name);

} // namespace Resources
} // namespace belltide
