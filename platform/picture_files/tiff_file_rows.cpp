#include "platform/picture_files/tiff_file_rows.h"

#include <algorithm>
#include <cstring>

#include "platform/picture_files/picture_messages.h"
#include "platform/picture_files/tiff_file.h"
#include "platform/picture_files/tiff_messages.h"

namespace scoreink {

QString TiffFileRows::Start(int width, int height) {
  width_ = width;
  height_ = height;
  tiled_ = TIFFIsTiled(tiff_);
  const QString tooLarge = ReasonTooLarge(width, height) + QStringLiteral(" (メモリが足りない)");
  if (!tiled_) {
    const uint64_t row = TIFFScanlineSize64(tiff_);
    if (row == 0) return ReasonBrokenTiff(QString());
    if (row > uint64_t(kMaxTiffAllocation)) return tooLarge;
    rows_.resize(size_t(row));
    return QString();
  }
  TIFFGetField(tiff_, TIFFTAG_TILEWIDTH, &tileWidth_);
  TIFFGetField(tiff_, TIFFTAG_TILELENGTH, &tileHeight_);
  const uint64_t tileRow = TIFFTileRowSize64(tiff_);
  const uint64_t tile = TIFFTileSize64(tiff_);
  if (tileWidth_ == 0 || tileHeight_ == 0 || tileRow == 0 || tile == 0)
    return ReasonBrokenTiff(QString());
  // Rows of neighbouring tiles are laid side by side: each must end on a whole byte.
  uint16_t bits = 1, samples = 1;
  TIFFGetFieldDefaulted(tiff_, TIFFTAG_BITSPERSAMPLE, &bits);
  TIFFGetFieldDefaulted(tiff_, TIFFTAG_SAMPLESPERPIXEL, &samples);
  if (uint64_t(tileWidth_) * bits * samples % 8 != 0)
    return ReasonUnreadableTiff(QStringLiteral("tile width %1").arg(tileWidth_));
  const uint64_t across = (uint64_t(width) + tileWidth_ - 1) / tileWidth_;
  if (tile > uint64_t(kMaxTiffAllocation) ||
      across * tileRow > uint64_t(kMaxTiffAllocation) / tileHeight_)
    return tooLarge;
  tileRowBytes_ = size_t(tileRow);
  stride_ = size_t(across * tileRow);
  rows_.resize(stride_ * tileHeight_);
  tile_.resize(size_t(tile));
  return QString();
}

const uchar* TiffFileRows::Row(int y) {
  if (!tiled_)
    return TIFFReadScanline(tiff_, rows_.data(), uint32_t(y), 0) < 0 ? nullptr : rows_.data();
  const int top = y - y % int(tileHeight_);
  if (top != tilesTop_ && !LoadTiles(top)) return nullptr;
  return rows_.data() + size_t(y - top) * stride_;
}

bool TiffFileRows::LoadTiles(int top) {
  tilesTop_ = -1;
  // Rows past the page's end in its last row of tiles are never asked for.
  const size_t rows = std::min<size_t>(tileHeight_, size_t(height_ - top));
  size_t at = 0;
  for (uint32_t x = 0; x < uint32_t(width_); x += tileWidth_, at += tileRowBytes_) {
    if (TIFFReadTile(tiff_, tile_.data(), x, uint32_t(top), 0, 0) < 0) return false;
    for (size_t r = 0; r < rows; ++r)
      std::memcpy(rows_.data() + r * stride_ + at, tile_.data() + r * tileRowBytes_, tileRowBytes_);
  }
  tilesTop_ = top;
  return true;
}

}  // namespace scoreink
