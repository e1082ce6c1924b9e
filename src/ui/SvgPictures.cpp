#include "SvgPictures.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace belltide {

QImage SvgPictures::Draw(const QString& name, const QSize& size, qreal ratio)
{
    if (size.isEmpty() || ratio <= 0)
        return {};
    const QSize pixels(int(std::ceil(size.width() * ratio)), int(std::ceil(size.height() * ratio)));
    const QString key = QStringLiteral("%1@%2x%3").arg(name).arg(pixels.width()).arg(pixels.height());
    if (const auto drawn = mDrawn.constFind(key); drawn != mDrawn.constEnd())
        return *drawn;
    QImage picture;
    const QString path = QDir(mFolder).filePath(name + QStringLiteral(".svg"));
    // Looked for first: the renderer complains aloud of a missing file.
    QSvgRenderer source(QFileInfo::exists(path) ? path : QString());
    if (source.isValid()) {
        picture = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        source.render(&painter);
        painter.end();
        picture.setDevicePixelRatio(ratio);
    }
    mDrawn.insert(key, picture);
    return picture;
}

} // namespace belltide
