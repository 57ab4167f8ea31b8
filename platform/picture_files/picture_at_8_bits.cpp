#include "platform/picture_files/picture_at_8_bits.h"

#include "platform/raster/palette.h"
#include "platform/raster/picture_buffer.h"
#include "platform/raster/pixel_format.h"
#include "platform/raster/raster_color_lookup.h"
#include "platform/raster/raster_index_rows.h"

namespace scoreink {

bool PictureAt8Bits::Begin(const PictureShape& shape) {
  size_ = shape.size;
  kind_ = shape.kind;
  picture_ = NewPictureMemory(size_.width(), size_.height(), QImage::Format_Indexed8);
  if (picture_.isNull()) return false;
  picture_.setColorTable(FixedPalette());
  if (shape.dotsPerMeterX > 0) picture_.setDotsPerMeterX(shape.dotsPerMeterX);
  if (shape.dotsPerMeterY > 0) picture_.setDotsPerMeterY(shape.dotsPerMeterY);
  if (kind_ == RowKind::Indexed) {
    indexOf_ = raster::IndexMapOf(shape.table, raster::FixedPaletteLookup());
    sameIndices_ = true;
    for (int i = 0; i < 256; ++i) sameIndices_ = sameIndices_ && indexOf_[size_t(i)] == i;
  }
  return true;
}

BandRows PictureAt8Bits::Room(int top, int count) {
  // Indices are read into their place and mapped there; 24-bit rows wait in the band.
  if (kind_ == RowKind::Indexed) return {picture_.scanLine(top), picture_.bytesPerLine()};
  return band_.Room(size_.width(), count);
}

void PictureAt8Bits::Filled(int top, int count) {
  const int w = size_.width();
  if (kind_ == RowKind::Indexed) {
    if (sameIndices_) return;
    for (int r = 0; r < count; ++r) {
      uchar* row = picture_.scanLine(top + r);
      for (int x = 0; x < w; ++x) row[x] = indexOf_[row[x]];
    }
    return;
  }
  const raster::ColorLookup& lookup = raster::FixedPaletteLookup();
  for (int r = 0; r < count; ++r)
    raster::IndexRgb888Row(band_.Row(r, w), picture_.scanLine(top + r), w, lookup);
}

void PictureAt8Bits::TakeWhole(QImage picture) {
  size_ = picture.size();
  picture_ = ConvertedTo(picture, PixelFormat::Bits8);
}

}  // namespace scoreink
