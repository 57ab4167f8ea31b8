#include "platform/history_step.h"

#include <algorithm>
#include <cstring>

namespace scoreink {

TileGrid::TileGrid(QSize size, int bytesPerPixel, int tileSize)
    : size_(size), bytesPerPixel_(bytesPerPixel), tileSize_(tileSize) {
  if (size.isEmpty() || tileSize < 1) return;
  across_ = (size.width() + tileSize - 1) / tileSize;
  down_ = (size.height() + tileSize - 1) / tileSize;
}

QRect TileGrid::TileRect(int index) const {
  const int x = (index % across_) * tileSize_;
  const int y = (index / across_) * tileSize_;
  return QRect(x, y, std::min(tileSize_, size_.width() - x),
               std::min(tileSize_, size_.height() - y));
}

qsizetype TileGrid::TileBytes(int index) const {
  const QRect r = TileRect(index);
  return qsizetype(r.width()) * bytesPerPixel_ * r.height();
}

std::vector<int> TileGrid::TilesIn(const QRect& rect) const {
  std::vector<int> tiles;
  const QRect cut = rect.intersected(QRect(QPoint(0, 0), size_));
  if (cut.isEmpty()) return tiles;
  const int left = cut.left() / tileSize_, right = cut.right() / tileSize_;
  const int top = cut.top() / tileSize_, bottom = cut.bottom() / tileSize_;
  tiles.reserve(size_t(right - left + 1) * size_t(bottom - top + 1));
  for (int ty = top; ty <= bottom; ++ty)
    for (int tx = left; tx <= right; ++tx) tiles.push_back(ty * across_ + tx);
  return tiles;
}

bool TileablePicture(const QImage& picture) {
  return !picture.isNull() && picture.depth() >= 8 && picture.depth() % 8 == 0;
}

bool SameShape(const QImage& a, const QImage& b) {
  return a.size() == b.size() && a.format() == b.format() && a.colorTable() == b.colorTable();
}

qsizetype HistoryStep::PixelBytes() const {
  if (!whole) return before.size() + after.size();
  return wholeBefore.sizeInBytes() + wholeAfter.sizeInBytes();
}

namespace {

// Row r of tile `rect` in picture, as bytes.
const uchar* TileRow(const QImage& picture, const QRect& rect, int r, int bpp) {
  return picture.constScanLine(rect.y() + r) + qsizetype(rect.x()) * bpp;
}
uchar* TileRow(QImage& picture, const QRect& rect, int r, int bpp) {
  return picture.scanLine(rect.y() + r) + qsizetype(rect.x()) * bpp;
}

bool TileDiffers(const QImage& known, const QImage& picture, const QRect& rect, int bpp) {
  const size_t rowBytes = size_t(rect.width()) * bpp;
  for (int r = 0; r < rect.height(); ++r) {
    if (std::memcmp(TileRow(known, rect, r, bpp), TileRow(picture, rect, r, bpp), rowBytes) != 0)
      return true;
  }
  return false;
}

// Copies a tile's rows, packed, to `to`; returns where the next tile goes.
char* PackTile(char* to, const QImage& picture, const QRect& rect, int bpp) {
  const size_t rowBytes = size_t(rect.width()) * bpp;
  for (int r = 0; r < rect.height(); ++r, to += rowBytes)
    std::memcpy(to, TileRow(picture, rect, r, bpp), rowBytes);
  return to;
}

void CopyTile(QImage& to, const QImage& from, const QRect& rect, int bpp) {
  const size_t rowBytes = size_t(rect.width()) * bpp;
  for (int r = 0; r < rect.height(); ++r)
    std::memcpy(TileRow(to, rect, r, bpp), TileRow(from, rect, r, bpp), rowBytes);
}

// Writes a tile's rows, held packed in bytes from offset, into picture.
void PutTile(QImage& picture, const QRect& rect, int bpp, const char* bytes) {
  const size_t rowBytes = size_t(rect.width()) * bpp;
  for (int r = 0; r < rect.height(); ++r, bytes += rowBytes)
    std::memcpy(TileRow(picture, rect, r, bpp), bytes, rowBytes);
}

}  // namespace

int TakeChangedTiles(QImage& known, const QImage& picture, int tileSize,
                     const std::vector<bool>& candidates, bool allTiles, HistoryStep* step) {
  const int bpp = picture.depth() / 8;
  const TileGrid grid(picture.size(), bpp, tileSize);
  int compared = 0;
  std::vector<int> changed;
  qsizetype bytes = 0;
  for (int t = 0; t < grid.Count(); ++t) {
    if (!allTiles && (size_t(t) >= candidates.size() || !candidates[size_t(t)])) continue;
    ++compared;
    if (!TileDiffers(known, picture, grid.TileRect(t), bpp)) continue;
    changed.push_back(t);
    bytes += grid.TileBytes(t);
  }
  char* before = nullptr;
  char* after = nullptr;
  if (step) {
    step->whole = false;
    step->tileSize = tileSize;
    step->size = picture.size();
    step->format = picture.format();
    step->colors = picture.colorTable();
    step->tiles = changed;
    // Sized once (a step's buffers keep their room from one step to the next).
    step->before.resize(bytes);
    step->after.resize(bytes);
    before = step->before.data();
    after = step->after.data();
  }
  for (const int t : changed) {
    const QRect rect = grid.TileRect(t);
    if (step) {
      before = PackTile(before, known, rect, bpp);
      after = PackTile(after, picture, rect, bpp);
    }
    CopyTile(known, picture, rect, bpp);
  }
  return compared;
}

void TakeBackTiles(QImage& picture, const QImage& known, int tileSize,
                   const std::vector<bool>& candidates, bool allTiles) {
  const int bpp = picture.depth() / 8;
  const TileGrid grid(picture.size(), bpp, tileSize);
  for (int t = 0; t < grid.Count(); ++t) {
    if (!allTiles && (size_t(t) >= candidates.size() || !candidates[size_t(t)])) continue;
    const QRect rect = grid.TileRect(t);
    if (TileDiffers(known, picture, rect, bpp)) CopyTile(picture, known, rect, bpp);
  }
}

HistoryStep WholeStep(const QImage& before, const QImage& after) {
  HistoryStep step;
  step.whole = true;
  step.wholeBefore = before.copy();
  step.wholeAfter = after.copy();
  return step;
}

bool PutStep(const HistoryStep& step, bool after, QImage& picture, QImage& known) {
  if (step.whole) {
    const QImage& source = after ? step.wholeAfter : step.wholeBefore;
    if (source.isNull()) return false;
    picture = source.copy();
    known = source.copy();
    return true;
  }
  if (picture.size() != step.size || picture.format() != step.format ||
      picture.colorTable() != step.colors || !SameShape(picture, known))
    return false;
  const int bpp = picture.depth() / 8;
  const TileGrid grid(picture.size(), bpp, step.tileSize);
  const QByteArray& bytes = after ? step.after : step.before;
  qsizetype offset = 0;
  for (const int t : step.tiles) {
    if (t < 0 || t >= grid.Count()) return false;
    offset += grid.TileBytes(t);
  }
  if (offset != bytes.size()) return false;
  offset = 0;
  for (const int t : step.tiles) {
    const QRect rect = grid.TileRect(t);
    PutTile(picture, rect, bpp, bytes.constData() + offset);
    PutTile(known, rect, bpp, bytes.constData() + offset);
    offset += grid.TileBytes(t);
  }
  return true;
}

}  // namespace scoreink
