#include "editing/key_signature.h"

#include <algorithm>
#include <cstring>

#include "platform/raster/palette.h"
#include "platform/raster/palette_rows.h"
#include "platform/raster/pixel_format.h"

namespace scoreink {
namespace {

bool IsPureBlack(QRgb color) {
  return (color & 0x00FFFFFFu) == 0;
}

void SetStripPixel(QImage& strip, int x, int y, QRgb ink, uchar inkIndex) {
  if (!strip.rect().contains(x, y)) return;
  if (strip.format() == QImage::Format_Indexed8) {
    strip.scanLine(y)[x] = inkIndex;
  } else if (strip.format() == QImage::Format_RGB888) {
    uchar* p = strip.scanLine(y) + 3 * x;
    p[0] = uchar(qRed(ink));
    p[1] = uchar(qGreen(ink));
    p[2] = uchar(qBlue(ink));
  } else {
    strip.setPixel(x, y, ink | 0xFF000000u);
  }
}

}  // namespace

void StampAccidental(QImage& strip, const QImage& symbol, int x, int y0, QRgb ink) {
  const uchar inkIndex = PaletteIndexFor(ink);
  for (int i = 0; i < symbol.height(); ++i) {
    for (int j = 0; j < symbol.width(); ++j) {
      if (!IsPureBlack(PixelColor(symbol, j, i))) continue;
      SetStripPixel(strip, x + j, y0 + i, ink, inkIndex);
      SetStripPixel(strip, x + j, y0 + i + kBassStaffOffset, ink, inkIndex);
    }
  }
}

QImage KeySignatureStrip(const QImage& scoreTemplate, int index, QRgb ink, const QImage& sharp,
                         const QImage& flat) {
  QImage strip = NewBitmap(kKeyStripWidth, scoreTemplate.height(), PixelFormat::Bits8);
  if (strip.isNull()) return strip;
  const QImage indices = PixelFormatOf(scoreTemplate) == PixelFormat::Bits8
                             ? scoreTemplate
                             : ConvertedTo(scoreTemplate, PixelFormat::Bits8);
  const int width = std::min(kKeyStripWidth, indices.width());
  for (int y = 0; y < strip.height(); ++y)
    std::memcpy(strip.scanLine(y), indices.constScanLine(y), size_t(width));

  if (index > 6) {
    const int flats = std::min(index - 6, 6);
    for (int k = 0; k < flats; ++k)
      StampAccidental(strip, flat, kFlatPlaces[size_t(k)].x, kFlatPlaces[size_t(k)].y0, ink);
  } else if (index > 0) {
    for (int k = 0; k < index; ++k)
      StampAccidental(strip, sharp, kSharpPlaces[size_t(k)].x, kSharpPlaces[size_t(k)].y0, ink);
  }
  return strip;
}

QRgb KeySignatureInk(const QImage& surface) {
  if (!surface.rect().contains(kKeyInkX, kKeyInkY)) return kTemplateInk;
  return PixelColor(surface, kKeyInkX, kKeyInkY);
}

QRect StampKeySignature(QImage& surface, int y, int index, QRgb ink, const QImage& scoreTemplate,
                        const QImage& sharp, const QImage& flat) {
  const int systemHeight = scoreTemplate.height();
  if (surface.isNull() || systemHeight <= 0 || y < 0) return {};
  const QImage strip = KeySignatureStrip(scoreTemplate, index, ink, sharp, flat);
  if (strip.isNull()) return {};
  const int top = (y / systemHeight) * systemHeight;
  // Below the last whole system lies only margin: a head there would be a cut-off piece.
  if (top + systemHeight > surface.height()) return {};
  const QRect target = QRect(0, top, strip.width(), strip.height()).intersected(surface.rect());
  if (target.isEmpty()) return {};
  if (!AcceptsPaletteRows(surface)) SetPixelFormat(surface, PixelFormat::Bits8);
  for (int row = target.y(); row < target.y() + target.height(); ++row)
    WritePaletteRow(surface, 0, row, strip.constScanLine(row - target.y()), target.width());
  return target;
}

}  // namespace scoreink
