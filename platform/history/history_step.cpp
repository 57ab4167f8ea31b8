#include "platform/history/history_step.h"

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

namespace {

// The candidate tiles where picture differs from known, and the bytes they hold.
std::vector<int> ChangedTiles(const QImage& known, const QImage& picture, const TileGrid& grid,
                              const std::vector<bool>& candidates, bool allTiles, int& compared,
                              qsizetype& bytes) {
  const int bpp = grid.BytesPerPixel();
  std::vector<int> changed;
  compared = 0;
  bytes = 0;
  for (int t = 0; t < grid.Count(); ++t) {
    if (!allTiles && (size_t(t) >= candidates.size() || !candidates[size_t(t)])) continue;
    ++compared;
    if (!TileDiffers(known, picture, grid.TileRect(t), bpp)) continue;
    changed.push_back(t);
    bytes += grid.TileBytes(t);
  }
  return changed;
}

// Makes step the given tiles, known's as before (unless beforeToo is false) and picture's
// as after.
void FillStep(HistoryStep& step, const QImage& known, const QImage& picture, const TileGrid& grid,
              int tileSize, std::vector<int> tiles, qsizetype bytes, bool beforeToo) {
  const int bpp = grid.BytesPerPixel();
  step.whole = false;
  step.tileSize = tileSize;
  step.size = picture.size();
  step.format = picture.format();
  step.colors = picture.colorTable();
  step.tiles = std::move(tiles);
  // Sized once (a step's buffers keep their room from one step to the next).
  step.before.resize(beforeToo ? bytes : 0);
  step.after.resize(bytes);
  char* before = step.before.data();
  char* after = step.after.data();
  for (const int t : step.tiles) {
    const QRect rect = grid.TileRect(t);
    if (beforeToo) before = PackTile(before, known, rect, bpp);
    after = PackTile(after, picture, rect, bpp);
  }
}

}  // namespace

int TakeChangedTiles(QImage& known, const QImage& picture, int tileSize,
                     const std::vector<bool>& candidates, bool allTiles, HistoryStep* step) {
  const int bpp = picture.depth() / 8;
  const TileGrid grid(picture.size(), bpp, tileSize);
  int compared = 0;
  qsizetype bytes = 0;
  std::vector<int> changed =
      ChangedTiles(known, picture, grid, candidates, allTiles, compared, bytes);
  // The old tiles go into the step before known takes the new ones.
  if (step) FillStep(*step, known, picture, grid, tileSize, changed, bytes, true);
  for (const int t : changed) CopyTile(known, picture, grid.TileRect(t), bpp);
  return compared;
}

int CollectChangedTiles(const QImage& known, const QImage& picture, int tileSize,
                        const std::vector<bool>& candidates, bool allTiles, HistoryStep& step) {
  const TileGrid grid(picture.size(), picture.depth() / 8, tileSize);
  int compared = 0;
  qsizetype bytes = 0;
  std::vector<int> changed =
      ChangedTiles(known, picture, grid, candidates, allTiles, compared, bytes);
  FillStep(step, known, picture, grid, tileSize, std::move(changed), bytes, false);
  return compared;
}

QByteArray PackedTiles(const QImage& picture, int tileSize, const std::vector<int>& tiles) {
  const int bpp = picture.depth() / 8;
  const TileGrid grid(picture.size(), bpp, tileSize);
  qsizetype bytes = 0;
  for (const int t : tiles) bytes += grid.TileBytes(t);
  QByteArray packed(bytes, Qt::Uninitialized);
  char* to = packed.data();
  for (const int t : tiles) to = PackTile(to, picture, grid.TileRect(t), bpp);
  return packed;
}

void SetTilesAfter(HistoryStep& step, const QImage& part, QPoint origin) {
  if (step.whole || !step.before.isEmpty() || part.isNull() || part.format() != step.format ||
      part.colorTable() != step.colors || !TileablePicture(part))
    return;
  const int bpp = part.depth() / 8;
  const TileGrid grid(step.size, bpp, step.tileSize);
  const QRect covered(origin, part.size());
  // Where each tile of the step keeps its pixels.
  std::vector<qsizetype> offsetOf(size_t(grid.Count()), -1);
  qsizetype offset = 0;
  for (const int t : step.tiles) {
    offsetOf[size_t(t)] = offset;
    offset += grid.TileBytes(t);
  }
  for (const int t : grid.TilesIn(covered)) {
    const QRect rect = grid.TileRect(t);
    if (!covered.contains(rect)) continue;
    if (offsetOf[size_t(t)] < 0) {
      offsetOf[size_t(t)] = step.after.size();
      step.tiles.push_back(t);
      step.after.resize(step.after.size() + grid.TileBytes(t));
    }
    PackTile(step.after.data() + offsetOf[size_t(t)], part, rect.translated(-origin), bpp);
  }
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

namespace {

// The bytes of the step's tiles in picture's grid; false when they do not fit it.
bool StepFits(const HistoryStep& step, const QByteArray& bytes, const QImage& picture) {
  if (picture.size() != step.size || picture.format() != step.format ||
      picture.colorTable() != step.colors || !TileablePicture(picture))
    return false;
  const TileGrid grid(picture.size(), picture.depth() / 8, step.tileSize);
  qsizetype total = 0;
  for (const int t : step.tiles) {
    if (t < 0 || t >= grid.Count()) return false;
    total += grid.TileBytes(t);
  }
  return total == bytes.size();
}

void PutTiles(const HistoryStep& step, const QByteArray& bytes, QImage& picture) {
  const int bpp = picture.depth() / 8;
  const TileGrid grid(picture.size(), bpp, step.tileSize);
  qsizetype offset = 0;
  for (const int t : step.tiles) {
    PutTile(picture, grid.TileRect(t), bpp, bytes.constData() + offset);
    offset += grid.TileBytes(t);
  }
}

}  // namespace

bool PutStep(const HistoryStep& step, bool after, QImage& picture, QImage& known) {
  if (step.whole) {
    const QImage& source = after ? step.wholeAfter : step.wholeBefore;
    if (source.isNull()) return false;
    picture = source.copy();
    known = source.copy();
    return true;
  }
  const QByteArray& bytes = after ? step.after : step.before;
  if (!StepFits(step, bytes, picture) || !SameShape(picture, known)) return false;
  PutTiles(step, bytes, picture);
  PutTiles(step, bytes, known);
  return true;
}

bool PutStepInto(const HistoryStep& step, bool after, QImage& picture) {
  if (step.whole) {
    const QImage& source = after ? step.wholeAfter : step.wholeBefore;
    if (source.isNull()) return false;
    picture = source;
    return true;
  }
  const QByteArray& bytes = after ? step.after : step.before;
  if (!StepFits(step, bytes, picture)) return false;
  PutTiles(step, bytes, picture);
  return true;
}

}  // namespace scoreink
