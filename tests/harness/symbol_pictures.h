#pragma once
// Pictures for the symbol editor's picture rules: every pixel a colour of its own, so that a
// wrong source pixel anywhere shows.
#include <QImage>

#include "platform/raster/pixel_format.h"

namespace scoreink::test {

// 24 bits; pixel (x, y) is RGB(x, y, 200) (never white for sizes below 255).
inline QImage CoordinatePicture(int width, int height) {
  QImage picture(width, height, QImage::Format_RGB888);
  for (int y = 0; y < height; ++y) {
    uchar* row = picture.scanLine(y);
    for (int x = 0; x < width; ++x) {
      row[3 * x] = static_cast<uchar>(x);
      row[3 * x + 1] = static_cast<uchar>(y);
      row[3 * x + 2] = 200;
    }
  }
  return picture;
}

// The picture of size with source's part `from` placed at `to` and white elsewhere.
inline QImage WhiteWithPart(QSize size, const QImage& source, const QRect& from, QPoint to) {
  QImage expected = NewBitmap(size.width(), size.height(), PixelFormat::Bits24);
  for (int y = 0; y < from.height(); ++y)
    for (int x = 0; x < from.width(); ++x) {
      const QPoint s = from.topLeft() + QPoint(x, y);
      const QPoint d = to + QPoint(x, y);
      if (source.valid(s) && expected.valid(d)) expected.setPixel(d, source.pixel(s));
    }
  return expected;
}

}  // namespace scoreink::test
