#include "PngReader.h"

#include <QFile>

#include <png.h>

namespace belltide {

QImage ReadPng(const QString& path)
{
    png_image png {};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, QFile::encodeName(path).constData()))
        return {};
    // Icons are small; anything huge is not one of ours.
    if (png.width == 0 || png.height == 0 || png.width > 4096 || png.height > 4096) {
        png_image_free(&png);
        return {};
    }
    png.format = PNG_FORMAT_RGBA;
    QImage image(int(png.width), int(png.height), QImage::Format_RGBA8888);
    if (!png_image_finish_read(&png, nullptr, image.bits(), png_int_32(image.bytesPerLine()), nullptr)) {
        png_image_free(&png);
        return {};
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace belltide
