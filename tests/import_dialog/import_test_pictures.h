#pragma once
// Pictures for the import dialog tests: a drawing on paper whose black and grey parts sit at
// known places, and its negative.
#include <QImage>
#include <QRegion>

#include "platform/raster/palette.h"

namespace scoreink::test {

// 200 x 150 white paper (grey 250) with a black bar at x 20..59, y 30..39 and a grey (grey 80)
// bar at x 100..139, y 30..39: within 60 of black the grey bar is not, within 80 it is.
inline QImage PaperDrawing() {
  QImage picture(200, 150, QImage::Format_RGB888);
  picture.fill(QColor(250, 250, 250));
  for (int y = 30; y < 40; ++y)
    for (int x = 20; x < 60; ++x) picture.setPixel(x, y, qRgb(0, 0, 0));
  for (int y = 30; y < 40; ++y)
    for (int x = 100; x < 140; ++x) picture.setPixel(x, y, qRgb(80, 80, 80));
  return picture;
}

// The same drawing in white chalk on a black board.
inline QImage BoardDrawing() {
  QImage picture = PaperDrawing();
  picture.invertPixels();
  return picture;
}

inline bool IsBlackAt(const QImage& picture, int x, int y) {
  return (picture.pixel(x, y) & 0xFFFFFFu) == 0;
}

// Black exactly inside the rectangle, white everywhere else.
inline bool BlackExactlyIn(const QImage& picture, const QRegion& black) {
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb c = picture.pixel(x, y) & 0xFFFFFFu;
      if (c != (black.contains(QPoint(x, y)) ? 0u : 0xFFFFFFu)) return false;
    }
  return true;
}

}  // namespace scoreink::test
