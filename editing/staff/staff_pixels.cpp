#include "editing/staff/staff_pixels.h"

#include <algorithm>

namespace scoreink {

PixelReader::PixelReader(const QImage& picture, int ink, int paper)
    : picture_(picture),
      format_(picture.format()),
      width_(picture.width()),
      height_(picture.height()),
      ink_(ink),
      paper_(paper) {
  if (format_ == QImage::Format_Indexed8) {
    // Indices past the table read as black, as Qt does.
    const QList<QRgb> table = picture.colorTable();
    for (int i = 0; i < std::min<int>(int(table.size()), 256); ++i)
      lookup_[size_t(i)] = uchar(BrightnessOf(qRed(table[i]), qGreen(table[i]), qBlue(table[i])));
  }
}

int PixelReader::OtherBrightness(const uchar* row, int x, int y) const {
  switch (format_) {
    case QImage::Format_Grayscale8:
      return row[x];
    case QImage::Format_RGB888:
      return BrightnessOf(row[3 * x], row[3 * x + 1], row[3 * x + 2]);
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied: {
      const QRgb c = reinterpret_cast<const QRgb*>(row)[x];
      return BrightnessOf(qRed(c), qGreen(c), qBlue(c));
    }
    default: {
      const QRgb c = picture_.pixel(x, y);
      return BrightnessOf(qRed(c), qGreen(c), qBlue(c));
    }
  }
}

}  // namespace scoreink
