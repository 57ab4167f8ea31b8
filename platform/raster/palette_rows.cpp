#include "platform/raster/palette_rows.h"

#include <cstring>

#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"

namespace scoreink {

bool AcceptsPaletteRows(const QImage& image) {
  switch (image.format()) {
    case QImage::Format_Indexed8:
      return PixelFormatOf(image) == PixelFormat::Bits8;
    case QImage::Format_RGB888:
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
      return true;
    default:
      return false;
  }
}

void WritePaletteRow(QImage& image, int x, int y, const uchar* indices, int count) {
  if (count <= 0) return;
  uchar* row = image.scanLine(y);
  if (image.format() == QImage::Format_Indexed8) {
    std::memcpy(row + x, indices, size_t(count));
    return;
  }
  const QList<QRgb>& palette = FixedPalette();
  if (image.format() == QImage::Format_RGB888) {
    uchar* p = row + 3 * x;
    for (int i = 0; i < count; ++i, p += 3) {
      const QRgb c = palette[indices[i]];
      p[0] = uchar(qRed(c));
      p[1] = uchar(qGreen(c));
      p[2] = uchar(qBlue(c));
    }
    return;
  }
  QRgb* p = reinterpret_cast<QRgb*>(row) + x;
  for (int i = 0; i < count; ++i) p[i] = palette[indices[i]] | 0xFF000000u;
}

}  // namespace scoreink
