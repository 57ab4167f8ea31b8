#pragma once
// Pictures for the tests that edit the score through the window: the blank page the window
// starts from, built here from the page rules; a pen on a copy; a symbol set floating as the
// palette would leave it; and a comparison that says where two pictures differ.
#include <gtest/gtest.h>
#include <QImage>
#include <QPoint>

#include "editing/blank_page.h"
#include "platform/raster/canvas.h"
#include "platform/raster/palette.h"
#include "platform/ui/image_control.h"
#include "score_window/tform1.h"

namespace scoreink::test {

inline QImage BlankScore(const TForm1& window) {
  QImage page;
  BuildBlankPage(page, window.ScoreBlankPage());
  return page;
}

// A canvas on image with a solid pen of the given width and colour standing at `at`.
inline Canvas PenOn(QImage& image, int width, QRgb color = kBlack, QPoint at = {}) {
  Canvas canvas(&image);
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.SetPenWidth(width);
  canvas.SetPenColor(color);
  canvas.MoveTo(at.x(), at.y());
  return canvas;
}

// Equal size and equal colour at every pixel, whatever the formats; otherwise says how many
// pixels differ and where the first one is.
inline ::testing::AssertionResult SamePicture(const QImage& actual, const QImage& expected) {
  if (actual.size() != expected.size())
    return ::testing::AssertionFailure()
           << "size " << actual.width() << "x" << actual.height() << ", expected "
           << expected.width() << "x" << expected.height();
  const QImage a = actual.convertToFormat(QImage::Format_RGB32);
  const QImage e = expected.convertToFormat(QImage::Format_RGB32);
  long long differing = 0;
  QPoint first(-1, -1);
  for (int y = 0; y < a.height(); ++y) {
    const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    const auto* re = reinterpret_cast<const QRgb*>(e.constScanLine(y));
    for (int x = 0; x < a.width(); ++x) {
      if ((ra[x] & 0xFFFFFFu) == (re[x] & 0xFFFFFFu)) continue;
      if (differing++ == 0) first = QPoint(x, y);
    }
  }
  if (differing == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << differing << " pixels differ, the first at (" << first.x() << ", " << first.y()
         << "): " << std::hex << (a.pixel(first) & 0xFFFFFFu) << " instead of "
         << (e.pixel(first) & 0xFFFFFFu);
}

inline bool IsBlackAt(const QImage& image, int x, int y) {
  return (image.pixel(x, y) & 0xFFFFFFu) == 0;
}

// Leaves symbol floating over the score as the palette leaves it: the overlay at its zoomed
// size, its top-left `offset` control pixels from the score view's.
inline void FloatSymbol(TForm1& window, const QImage& symbol, QPoint offset) {
  const int zoom = window.ZoomPercent();
  window.Control<ImageControl>("Image2")->SetPicture(symbol);
  window.Control<ImageControl>("Image2")->setGeometry(
      QRect(window.Control<ImageControl>("Image1")->pos() + offset,
            QSize(symbol.width() * zoom / 100, symbol.height() * zoom / 100)));
  window.Control<ImageControl>("Image2")->show();
}

}  // namespace scoreink::test
