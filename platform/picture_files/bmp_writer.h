#pragma once
// Streams a QImage into a BMP file in its own pixel format (see picture_io.h for the
// choice of 24, 8 or 4 bits). Rows go out in chunks of about a megabyte straight from the
// image's scan lines, so writing a page never holds a second copy of it.
#include <QIODevice>
#include <QImage>
#include <QString>

namespace scoreink {

// Bits per pixel the file for image will have: 4, 8 or 24.
int BmpBitCountFor(const QImage& image);

// Writes the whole file to out. Returns an empty string on success, else the reason.
QString WriteBmpTo(const QImage& image, QIODevice& out);

}  // namespace scoreink
