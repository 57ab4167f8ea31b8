#include "dialogs/core/packed_split.h"

#include "platform/raster/palette.h"
#include "platform/raster/picture_buffer.h"

namespace scoreink {

std::optional<QImage> PackSplit(const QImage& split) {
  if (split.format() != QImage::Format_Indexed8 || split.colorTable() != FixedPalette())
    return std::nullopt;
  QImage packed(split.size(), QImage::Format_Mono);
  if (packed.isNull()) return std::nullopt;
  packed.setColorTable({kBlack, kWhite});
  const int w = split.width();
  for (int y = 0; y < split.height(); ++y) {
    const uchar* from = split.constScanLine(y);
    uchar* to = packed.scanLine(y);
    for (int x = 0; x < w; x += 8) {
      uchar bits = 0;
      for (int k = 0; k < 8 && x + k < w; ++k) {
        const uchar index = from[x + k];
        if (index == kWhiteIndex)
          bits |= uchar(0x80 >> k);
        else if (index != kBlackIndex)
          return std::nullopt;
      }
      to[x >> 3] = bits;
    }
  }
  packed.setDotsPerMeterX(split.dotsPerMeterX());
  packed.setDotsPerMeterY(split.dotsPerMeterY());
  return packed;
}

QImage UnpackSplit(const QImage& packed) {
  QImage split = NewPictureMemory(packed.width(), packed.height(), QImage::Format_Indexed8);
  if (split.isNull()) return split;
  split.setColorTable(FixedPalette());
  const int w = packed.width();
  for (int y = 0; y < packed.height(); ++y) {
    const uchar* from = packed.constScanLine(y);
    uchar* to = split.scanLine(y);
    for (int x = 0; x < w; ++x)
      to[x] = (from[x >> 3] & (0x80 >> (x & 7))) ? uchar(kWhiteIndex) : uchar(kBlackIndex);
  }
  split.setDotsPerMeterX(packed.dotsPerMeterX());
  split.setDotsPerMeterY(packed.dotsPerMeterY());
  return split;
}

}  // namespace scoreink
