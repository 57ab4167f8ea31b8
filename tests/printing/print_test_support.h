#pragma once
// Helpers for the printing tests: scores with ink where the page must reach, and where the
// printable area of a printed page lies once rendered.
#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <cstring>

#include "harness/pdf_printer.h"
#include "pdf_pages.h"
#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"

namespace scoreink::test {

// Puts black squares of side `side` into the four corners of an 8-bit score.
inline void MarkCorners(QImage& score, int side) {
  const int w = score.width();
  const int h = score.height();
  for (const QPoint& corner :
       {QPoint(0, 0), QPoint(w - side, 0), QPoint(0, h - side), QPoint(w - side, h - side)}) {
    for (int y = corner.y(); y < corner.y() + side; ++y)
      memset(score.scanLine(y) + corner.x(), kBlackIndex, size_t(side));
  }
}

// A white 8-bit picture with black corner squares: a scan opened as a score.
inline QImage MarkedScan(int width, int height, int side) {
  QImage scan = NewBitmap(width, height, PixelFormat::Bits8);
  MarkCorners(scan, side);
  return scan;
}

// The printable area of a page printed by the test printer, on the page rendered at dpi.
inline QRect PrintableOnRendered(const PrintedPage& page, int dpi) {
  return OnRenderedPage(QRect(QPoint(), page.printable), kTestPrinterDpi, kTestPrinterMargin, dpi);
}

// Whether two rectangles agree to within `slack` pixels on every edge.
inline ::testing::AssertionResult NearRect(const QRect& actual, const QRect& expected, int slack) {
  if (std::abs(actual.left() - expected.left()) <= slack &&
      std::abs(actual.top() - expected.top()) <= slack &&
      std::abs(actual.right() - expected.right()) <= slack &&
      std::abs(actual.bottom() - expected.bottom()) <= slack) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "ink " << actual.left() << "," << actual.top() << " - " << actual.right() << ","
         << actual.bottom() << ", printable area " << expected.left() << "," << expected.top()
         << " - " << expected.right() << "," << expected.bottom();
}

}  // namespace scoreink::test
