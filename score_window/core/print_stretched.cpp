#include "score_window/core/print_stretched.h"

#include <QPainter>
#include <QRectF>
#include <algorithm>

namespace scoreink {

namespace {

constexpr qint64 kBandPixels = qint64(1) << 20;      // 4 MB at 32 bits
constexpr qint64 kLosslessPixels = 4 * 1000 * 1000;  // a 150-dpi A4 page is 2.2 million

// Rows first .. first + count - 1 of picture at 32 bits, which the print engine embeds as it
// is (other formats it would convert whole, and keep an alpha mask beside).
QImage RowsForPrinter(const QImage& picture, int first, int count) {
  QImage rows(picture.constScanLine(first), picture.width(), count, picture.bytesPerLine(),
              picture.format());
  if (picture.colorCount() > 0) rows.setColorTable(picture.colorTable());
  return rows.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

int PrintBandRows(int width) {
  return int(std::clamp<qint64>(kBandPixels / std::max(width, 1), 1, kBandPixels));
}

bool PrintsLossless(const QSize& size) {
  return qint64(size.width()) * size.height() <= kLosslessPixels;
}

bool PrintStretched(QPainter& canvas, const QRect& rect, const QImage& bitmap, bool fast) {
  if (bitmap.isNull() || rect.isEmpty() || !canvas.isActive()) return false;
  canvas.save();
  canvas.setRenderHint(QPainter::SmoothPixmapTransform, !fast);
  canvas.setRenderHint(QPainter::LosslessImageRendering, PrintsLossless(bitmap.size()));
  const double rowHeight = double(rect.height()) / bitmap.height();
  const int band = PrintBandRows(bitmap.width());
  bool drawn = true;
  for (int first = 0; first < bitmap.height(); first += band) {
    // Each band reaches one row into the next, which paints over it, so that a renderer that
    // smooths the edges of pictures shows no hairline where two bands meet.
    const int count = std::min(band + 1, bitmap.height() - first);
    const QImage rows = RowsForPrinter(bitmap, first, count);
    if (rows.isNull()) {
      drawn = false;
      break;
    }
    canvas.drawImage(
        QRectF(rect.left(), rect.top() + first * rowHeight, rect.width(), count * rowHeight), rows);
  }
  canvas.restore();
  return drawn;
}

}  // namespace scoreink
