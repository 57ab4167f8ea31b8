#include "platform/raster/raster_rgb_rows.h"

#include <algorithm>
#include <cstring>

namespace scoreink::raster {
namespace {

// Rows of formats without a path of their own are converted by Qt in strips of this many
// rows, so an unusual format never needs a second whole-page buffer.
constexpr int kStripRows = 64;

void PutRgb(uchar* out, QRgb c) {
  out[0] = static_cast<uchar>(qRed(c));
  out[1] = static_cast<uchar>(qGreen(c));
  out[2] = static_cast<uchar>(qBlue(c));
}

}  // namespace

RgbRows::RgbRows(const QImage& image, int left, int width)
    : image_(image), left_(left), width_(width), table_(FullTable(image)) {
  for (int i = 0; i < 256; ++i) {
    const uchar rgb[4] = {static_cast<uchar>(qRed(table_[i])),
                          static_cast<uchar>(qGreen(table_[i])),
                          static_cast<uchar>(qBlue(table_[i])), 0};
    std::memcpy(&packed_[i], rgb, 4);
  }
}

std::array<QRgb, 256> RgbRows::FullTable(const QImage& image) {
  std::array<QRgb, 256> table;
  table.fill(0xFF000000u);
  const QList<QRgb> colors = image.colorTable();
  for (int i = 0; i < std::min<int>(256, colors.size()); ++i) table[i] = colors[i] | 0xFF000000u;
  return table;
}

void RgbRows::Decode(int y, uchar* out) {
  const int w = width_;
  switch (image_.format()) {
    case QImage::Format_RGB888:
      std::memcpy(out, image_.constScanLine(y) + 3 * left_, 3 * static_cast<size_t>(w));
      return;
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32: {
      const auto* in = reinterpret_cast<const QRgb*>(image_.constScanLine(y)) + left_;
      for (int x = 0; x < w; ++x, out += 3) PutRgb(out, in[x]);
      return;
    }
    case QImage::Format_Grayscale8: {
      const uchar* in = image_.constScanLine(y) + left_;
      for (int x = 0; x < w; ++x, out += 3) out[0] = out[1] = out[2] = in[x];
      return;
    }
    case QImage::Format_Indexed8: {
      // Four bytes a pixel, each write overlapping the next pixel, which overwrites it.
      const uchar* in = image_.constScanLine(y) + left_;
      int x = 0;
      for (; x + 1 < w; ++x, out += 3) std::memcpy(out, &packed_[in[x]], 4);
      if (x < w) PutRgb(out, table_[in[x]]);
      return;
    }
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB: {
      const uchar* in = image_.constScanLine(y);
      const bool msbFirst = image_.format() == QImage::Format_Mono;
      for (int x = left_; x < left_ + w; ++x, out += 3) {
        const int bit = msbFirst ? 7 - (x & 7) : (x & 7);
        PutRgb(out, table_[(in[x >> 3] >> bit) & 1]);
      }
      return;
    }
    default:
      DecodeThroughQt(y, out);
      return;
  }
}

void RgbRows::DecodeThroughQt(int y, uchar* out) {
  const size_t bytes = 3 * static_cast<size_t>(width_);
  if (strip_.isNull() || y < stripTop_ || y >= stripTop_ + strip_.height()) {
    stripTop_ = y - y % kStripRows;
    const int rows = std::min(kStripRows, image_.height() - stripTop_);
    strip_ = image_.copy(left_, stripTop_, width_, rows).convertToFormat(QImage::Format_RGB888);
  }
  if (strip_.isNull()) {  // no memory even for one strip: the row reads as white
    std::memset(out, 0xFF, bytes);
    return;
  }
  std::memcpy(out, strip_.constScanLine(y - stripTop_), bytes);
}

}  // namespace scoreink::raster
