#include "platform/raster/pixel_format.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "platform/raster/palette.h"
#include "platform/raster/picture_buffer.h"
#include "platform/raster/raster_color_lookup.h"
#include "platform/raster/raster_convert.h"
#include "platform/raster/raster_index_rows.h"
#include "platform/raster/raster_rgb_rows.h"

namespace scoreink {
namespace {

using raster::ColorLookup;

const QList<QRgb>& TableOf(PixelFormat format) {
  return format == PixelFormat::Bits4 ? FourBitPalette() : FixedPalette();
}

const ColorLookup& LookupOf(PixelFormat format) {
  return format == PixelFormat::Bits4 ? raster::FourBitLookup() : raster::FixedPaletteLookup();
}

void IndexInto(const QImage& source, QImage& result, const ColorLookup& lookup) {
  const int w = source.width(), h = source.height();

  switch (source.format()) {
    case QImage::Format_Indexed8:
    case QImage::Format_Grayscale8: {
      // One lookup per table entry, then a byte-to-byte map per row.
      std::array<uchar, 256> map;
      if (source.format() == QImage::Format_Indexed8) {
        map = raster::IndexMapOf(source.colorTable(), lookup);
      } else {
        for (int i = 0; i < 256; ++i) map[i] = lookup.Grey(i);
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
        raster::IndexRgb32Row(reinterpret_cast<const QRgb*>(source.constScanLine(y)),
                              result.scanLine(y), w, lookup);
      }
      break;
    case QImage::Format_RGB888:
      for (int y = 0; y < h; ++y)
        raster::IndexRgb888Row(source.constScanLine(y), result.scanLine(y), w, lookup);
      break;
    default: {
      raster::RgbRows rows(source);
      std::vector<uchar> buffer(3 * static_cast<size_t>(w));
      for (int y = 0; y < h; ++y) {
        rows.Decode(y, buffer.data());
        raster::IndexRgb888Row(buffer.data(), result.scanLine(y), w, lookup);
      }
      break;
    }
  }
}

void ExpandInto(const QImage& source, QImage& result) {
  raster::RgbRows rows(source);
  for (int y = 0; y < source.height(); ++y) rows.Decode(y, result.scanLine(y));
}

// A bitmap of the format with undefined pixels, or a null image.
QImage Allocated(int width, int height, PixelFormat format) {
  QImage image = NewPictureMemory(
      width, height,
      format == PixelFormat::Bits24 ? QImage::Format_RGB888 : QImage::Format_Indexed8);
  if (!image.isNull() && format != PixelFormat::Bits24) image.setColorTable(TableOf(format));
  return image;
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
  QImage result = Allocated(image.width(), image.height(), format);
  if (result.isNull()) return result;
  raster::ConvertPixels(image, result);
  result.setDotsPerMeterX(image.dotsPerMeterX());
  result.setDotsPerMeterY(image.dotsPerMeterY());
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

namespace raster {

bool ConvertPixels(const QImage& source, QImage& target) {
  const PixelFormat format = PixelFormatOf(target);
  if (source.isNull() || format == PixelFormat::Other || source.size() != target.size()) {
    return false;
  }
  if (format == PixelFormat::Bits24) {
    ExpandInto(source, target);
  } else {
    IndexInto(source, target, LookupOf(format));
  }
  return true;
}

}  // namespace raster
}  // namespace scoreink
