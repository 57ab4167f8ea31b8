#pragma once
// The rows of one TIFF page as libtiff gives them (samples side by side), the file's first row
// first: a striped page through libtiff's scanline reading, which decodes a strip a few rows at
// a time whatever its height; a tiled page a row of tiles at a time.
#include <tiffio.h>

#include <QString>
#include <vector>

namespace scoreink {

class TiffFileRows {
 public:
  explicit TiffFileRows(TIFF* tiff) : tiff_(tiff) {}
  // Takes the memory for a row, or for a row of tiles. Returns the reason when that would
  // exceed kMaxTiffAllocation or the tiles cannot be laid side by side; empty otherwise.
  QString Start(int width, int height);
  // Row y of the file; rows are asked for in order. Null when libtiff failed.
  const uchar* Row(int y);

 private:
  bool LoadTiles(int top);

  TIFF* tiff_;
  bool tiled_ = false;
  int width_ = 0, height_ = 0;
  uint32_t tileWidth_ = 0, tileHeight_ = 0;
  size_t tileRowBytes_ = 0;  // one row of one tile
  size_t stride_ = 0;        // one row across all tiles
  int tilesTop_ = -1;        // the first row of the row of tiles held
  std::vector<uchar> rows_;  // a row, or a row of tiles
  std::vector<uchar> tile_;
};

}  // namespace scoreink
