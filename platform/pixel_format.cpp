#include "platform/pixel_format.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "platform/palette.h"
#include "platform/raster_color_lookup.h"

namespace scoreink {
namespace {

using raster::ColorLookup;

// Rows of formats without a path of their own are converted by Qt in strips of this many
// rows, so an unusual format never needs a second whole-page buffer.
constexpr int kStripRows = 64;

const QList<QRgb>& TableOf(PixelFormat format) {
  return format == PixelFormat::Bits4 ? FourBitPalette() : FixedPalette();
}

const ColorLookup& LookupOf(PixelFormat format) {
  return format == PixelFormat::Bits4 ? raster::FourBitLookup() : raster::FixedPaletteLookup();
}

// Colour table of an indexed source as 256 opaque entries; indices past the table read as
// black, as QImage::pixel reads them.
std::array<QRgb, 256> FullTable(const QImage& image) {
  std::array<QRgb, 256> table;
  table.fill(kBlack);
  const QList<QRgb> colors = image.colorTable();
  for (int i = 0; i < std::min<int>(256, colors.size()); ++i) table[i] = colors[i] | kBlack;
  return table;
}

// Yields each row of any image as RGB888 bytes (red, green, blue), alpha ignored.
class RgbRows {
 public:
  explicit RgbRows(const QImage& image) : image_(image), table_(FullTable(image)) {}

  // Writes row y into out (3 * width bytes).
  void Decode(int y, uchar* out) {
    const int w = image_.width();
    switch (image_.format()) {
      case QImage::Format_RGB888:
        std::memcpy(out, image_.constScanLine(y), 3 * static_cast<size_t>(w));
        return;
      case QImage::Format_RGB32:
      case QImage::Format_ARGB32: {
        const auto* in = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
        for (int x = 0; x < w; ++x, out += 3) {
          out[0] = static_cast<uchar>(qRed(in[x]));
          out[1] = static_cast<uchar>(qGreen(in[x]));
          out[2] = static_cast<uchar>(qBlue(in[x]));
        }
        return;
      }
      case QImage::Format_Grayscale8: {
        const uchar* in = image_.constScanLine(y);
        for (int x = 0; x < w; ++x, out += 3) out[0] = out[1] = out[2] = in[x];
        return;
      }
      case QImage::Format_Indexed8: {
        const uchar* in = image_.constScanLine(y);
        for (int x = 0; x < w; ++x, out += 3) PutRgb(out, table_[in[x]]);
        return;
      }
      case QImage::Format_Mono:
      case QImage::Format_MonoLSB: {
        const uchar* in = image_.constScanLine(y);
        const bool msbFirst = image_.format() == QImage::Format_Mono;
        for (int x = 0; x < w; ++x, out += 3) {
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

 private:
  static void PutRgb(uchar* out, QRgb c) {
    out[0] = static_cast<uchar>(qRed(c));
    out[1] = static_cast<uchar>(qGreen(c));
    out[2] = static_cast<uchar>(qBlue(c));
  }

  void DecodeThroughQt(int y, uchar* out) {
    if (strip_.isNull() || y < stripTop_ || y >= stripTop_ + strip_.height()) {
      stripTop_ = y - y % kStripRows;
      const int rows = std::min(kStripRows, image_.height() - stripTop_);
      strip_ =
          image_.copy(0, stripTop_, image_.width(), rows).convertToFormat(QImage::Format_RGB888);
    }
    if (strip_.isNull()) {  // out of memory for one strip: leave the row white
      std::memset(out, 0xFF, 3 * static_cast<size_t>(image_.width()));
      return;
    }
    std::memcpy(out, strip_.constScanLine(y - stripTop_), 3 * static_cast<size_t>(image_.width()));
  }

  const QImage& image_;
  std::array<QRgb, 256> table_;
  QImage strip_;
  int stripTop_ = 0;
};

// The hot path of every conversion to 8 or 4 bits.
void IndexRgbRow(const uchar* in, uchar* out, int width, const ColorLookup& lookup) {
  const uchar* grey = lookup.grey.data();
  const uchar* rgb = lookup.rgb.data();
  for (int x = 0; x < width; ++x, in += 3) {
    const int r = in[0], g = in[1], b = in[2];
    out[x] = (r == g && g == b) ? grey[r] : rgb[ColorLookup::Bucket(r, g, b)];
  }
}

QImage ToIndexed(const QImage& source, PixelFormat format) {
  const int w = source.width(), h = source.height();
  QImage result(w, h, QImage::Format_Indexed8);
  if (result.isNull()) return result;
  result.setColorTable(TableOf(format));
  const ColorLookup& lookup = LookupOf(format);

  switch (source.format()) {
    case QImage::Format_Indexed8:
    case QImage::Format_Grayscale8: {
      // One lookup per table entry, then a byte-to-byte map per row.
      std::array<uchar, 256> map;
      if (source.format() == QImage::Format_Indexed8) {
        const auto table = FullTable(source);
        for (int i = 0; i < 256; ++i)
          map[i] = lookup(qRed(table[i]), qGreen(table[i]), qBlue(table[i]));
      } else {
        map = lookup.grey;
      }
      for (int y = 0; y < h; ++y) {
        const uchar* in = source.constScanLine(y);
        uchar* out = result.scanLine(y);
        for (int x = 0; x < w; ++x) out[x] = map[in[x]];
      }
      break;
    }
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
      for (int y = 0; y < h; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* out = result.scanLine(y);
        for (int x = 0; x < w; ++x) out[x] = lookup(qRed(in[x]), qGreen(in[x]), qBlue(in[x]));
      }
      break;
    case QImage::Format_RGB888:
      for (int y = 0; y < h; ++y)
        IndexRgbRow(source.constScanLine(y), result.scanLine(y), w, lookup);
      break;
    default: {
      RgbRows rows(source);
      std::vector<uchar> buffer(3 * static_cast<size_t>(w));
      for (int y = 0; y < h; ++y) {
        rows.Decode(y, buffer.data());
        IndexRgbRow(buffer.data(), result.scanLine(y), w, lookup);
      }
      break;
    }
  }
  return result;
}

QImage ToRgb888(const QImage& source) {
  QImage result(source.width(), source.height(), QImage::Format_RGB888);
  if (result.isNull()) return result;
  RgbRows rows(source);
  for (int y = 0; y < source.height(); ++y) rows.Decode(y, result.scanLine(y));
  return result;
}

}  // namespace

PixelFormat PixelFormatOf(const QImage& image) {
  switch (image.format()) {
    case QImage::Format_RGB888:
      return PixelFormat::Bits24;
    case QImage::Format_Indexed8: {
      const QList<QRgb> table = image.colorTable();
      if (table == FixedPalette()) return PixelFormat::Bits8;
      if (table == FourBitPalette()) return PixelFormat::Bits4;
      return PixelFormat::Other;
    }
    default:
      return PixelFormat::Other;
  }
}

QImage NewBitmap(int width, int height, PixelFormat format) {
  if (width <= 0 || height <= 0 || format == PixelFormat::Other) return QImage();
  QImage image;
  if (format == PixelFormat::Bits24) {
    image = QImage(width, height, QImage::Format_RGB888);
    if (!image.isNull()) std::memset(image.bits(), 0xFF, static_cast<size_t>(image.sizeInBytes()));
    return image;
  }
  image = QImage(width, height, QImage::Format_Indexed8);
  if (image.isNull()) return image;
  const QList<QRgb>& table = TableOf(format);
  image.setColorTable(table);
  image.fill(static_cast<uint>(table.size() - 1));  // white is the last entry of both tables
  return image;
}

QImage ConvertedTo(const QImage& image, PixelFormat format) {
  if (image.isNull() || format == PixelFormat::Other || PixelFormatOf(image) == format) {
    return image;
  }
  QImage result = format == PixelFormat::Bits24 ? ToRgb888(image) : ToIndexed(image, format);
  if (!result.isNull()) {
    result.setDotsPerMeterX(image.dotsPerMeterX());
    result.setDotsPerMeterY(image.dotsPerMeterY());
  }
  return result;
}

void SetPixelFormat(QImage& image, PixelFormat format) {
  if (image.isNull() || format == PixelFormat::Other || PixelFormatOf(image) == format) return;
  // On a failed allocation the image stays as it was rather than becoming null.
  QImage converted = ConvertedTo(image, format);
  if (!converted.isNull()) image = std::move(converted);
}

QRgb PixelColor(const QImage& image, int x, int y) {
  if (!image.valid(x, y)) return kWhite;
  if (image.format() == QImage::Format_RGB888) {
    const uchar* p = image.constScanLine(y) + 3 * x;
    return qRgb(p[0], p[1], p[2]);
  }
  if (image.format() == QImage::Format_Indexed8) {
    const int index = image.constScanLine(y)[x];
    return index < image.colorCount() ? (image.color(index) | kBlack) : kBlack;
  }
  return image.pixel(x, y) | kBlack;
}

}  // namespace scoreink
