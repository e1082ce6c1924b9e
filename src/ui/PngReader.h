#pragma once

#include <QImage>
#include <QString>

namespace belltide {

// Reads a PNG file with libpng into an image with its transparency. A file
// that is missing or not a PNG gives a null image.
QImage ReadPng(const QString& path);

} // namespace belltide
