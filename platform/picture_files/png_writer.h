#pragma once
// Encodes a picture as PNG through libpng, row by row: an Indexed8 picture as an 8-bit palette
// PNG with its colour table (so the score reads back identical), anything else as 8-bit RGB.
#include <QIODevice>
#include <QImage>
#include <QString>

namespace scoreink {

// Returns an empty string on success, otherwise the reason only (no headline).
QString WritePngTo(const QImage& image, QIODevice& out);

}  // namespace scoreink
