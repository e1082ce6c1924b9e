#include "Resources.h"

#include "PngReader.h"
#include "SvgPictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPaintDevice>
#include <QPainter>

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
    if (!icon.isNull())
        icon.setText(QString::fromLatin1(kNameKey), name);
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

QImage SharpIcon(const QImage& icon, const QSize& size, qreal ratio)
{
    if (icon.isNull() || (qFuzzyCompare(ratio, 1.0) && icon.size() == size))
        return icon;
    static SvgPictures sources;
    QImage drawn = sources.Draw(icon.text(QString::fromLatin1(IconStore::kNameKey)), size, ratio);
    if (!drawn.isNull())
        return drawn;
    QImage scaled = icon.scaled(size * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}

void DrawIcon(QPainter& painter, const QRect& target, const QImage& icon)
{
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    painter.drawImage(target, SharpIcon(icon, target.size(), ratio));
}

} // namespace Resources
} // namespace belltide
