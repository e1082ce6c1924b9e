#include "Resources.h"

#include "PngReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace belltide {

QImage IconStore::Get(const QString& name)
{
    auto cached = mCache.constFind(name);
    if (cached != mCache.constEnd())
        return *cached;
    QImage icon;
    if (mCarried)
        icon = mCarried(name);
    if (icon.isNull() && !mFolder.isEmpty())
        icon = ReadPng(QDir(mFolder).filePath(name + QStringLiteral(".png")));
    mCache.insert(name, icon);
    return icon;
}

void IconStore::SetCarried(Source carried)
{
    mCarried = std::move(carried);
    mCache.clear();
}

QString IconStore::FindFolder(const QString& executableFolder, const QString& currentFolder)
{
    const QString exe = QFileInfo(executableFolder).absoluteFilePath();
    const QString current = QFileInfo(currentFolder).absoluteFilePath();
    QString candidate;
    if (exe.compare(current, Qt::CaseInsensitive) != 0) {
        QDir parent(exe);
        parent.cdUp();
        candidate = parent.filePath(QStringLiteral("Resources"));
    }
    if (candidate.isEmpty() || !QFileInfo(candidate).isDir())
        candidate = QDir(current).filePath(QStringLiteral("Resources"));
    return QFileInfo(candidate).isDir() ? candidate : QString();
}

namespace Resources {

namespace {

IconStore& Store()
{
    static IconStore store(IconStore::FindFolder(QCoreApplication::applicationDirPath(), QDir::currentPath()));
    return store;
}

} // namespace

QImage GetIcon(const QString& name)
{
    return Store().Get(name);
}

void SetCarriedPictures(IconStore::Source carried)
{
    Store().SetCarried(std::move(carried));
}

} // namespace Resources
} // namespace belltide
