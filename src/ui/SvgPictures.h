#pragma once

#include <QHash>
#include <QImage>
#include <QString>

namespace belltide {

// The pictures' SVG sources, drawn for the screen they are shown on: a size in
// device-independent pixels times the screen's device pixel ratio, so that they
// stay sharp on a high-density screen. Each drawing is kept.
class SvgPictures {
public:
    // The folder holds NAME.svg for each picture; by default the sources built
    // into the program.
    explicit SvgPictures(QString folder = QStringLiteral(":/pictures"))
        : mFolder(std::move(folder))
    {
    }

    // The picture drawn at size × ratio pixels, its device pixel ratio set to
    // ratio; a null image when there is no source or it cannot be read.
    QImage Draw(const QString& name, const QSize& size, qreal ratio);

private:
    QString mFolder;
    QHash<QString, QImage> mDrawn;
};

} // namespace belltide
