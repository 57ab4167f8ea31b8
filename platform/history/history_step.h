#pragma once
// One step of the edit history: what one gesture changed in the picture.
//
// The picture is cut into square tiles. A step keeps, for each tile the gesture changed, the
// tile's pixels before and after it; tiles it left alone cost nothing. A gesture that changed
// the picture's size, pixel format or colour table keeps the whole picture before and after.
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

namespace scoreink {

// Edge of a tile in pixels. Chosen by measurement: small enough that a stroke across a page
// keeps little more than the pixels it crossed, large enough that the per-tile work stays
// small next to the copying.
inline constexpr int kHistoryTileSize = 64;
// Tile edges a step file may name.
inline constexpr int kMinHistoryTileSize = 8;
inline constexpr int kMaxHistoryTileSize = 1024;

// The tiles of a picture, numbered row by row from the top left.
class TileGrid {
 public:
  TileGrid() = default;
  // Tiles of tileSize pixels over a picture of that size and bytes per pixel.
  TileGrid(QSize size, int bytesPerPixel, int tileSize = kHistoryTileSize);

  int Count() const { return across_ * down_; }
  QRect TileRect(int index) const;       // in picture pixels, cut at the picture's edges
  qsizetype TileBytes(int index) const;  // the tile's rows without padding
  // The tiles that rect (picture pixels) reaches, in ascending order.
  std::vector<int> TilesIn(const QRect& rect) const;
  int BytesPerPixel() const { return bytesPerPixel_; }

 private:
  QSize size_;
  int bytesPerPixel_ = 1;
  int tileSize_ = kHistoryTileSize;
  int across_ = 0;
  int down_ = 0;
};

// Pictures whose pixels the tiles can hold: whole bytes per pixel.
bool TileablePicture(const QImage& picture);

// Same size, pixel format and colour table: one step can change only tiles between them.
bool SameShape(const QImage& a, const QImage& b);

struct HistoryStep {
  bool whole = false;

  // A tiled step: the picture's shape, the same before and after, and the changed tiles with
  // their pixels before and after, tile after tile in the order of `tiles`.
  int tileSize = kHistoryTileSize;
  QSize size;
  QImage::Format format = QImage::Format_Invalid;
  QList<QRgb> colors;
  std::vector<int> tiles;
  QByteArray before;
  QByteArray after;

  // A whole step: the pictures before and after the gesture.
  QImage wholeBefore;
  QImage wholeAfter;

  // Bytes of pixels the step holds.
  qsizetype PixelBytes() const;
};

// Compares the candidate tiles (every tile when allTiles) of picture with known, which has the
// same shape, and copies each tile that differs into known. With a step, the step becomes
// those tiles, with known's pixels as before and picture's as after. The number of tiles
// compared is returned.
int TakeChangedTiles(QImage& known, const QImage& picture, int tileSize,
                     const std::vector<bool>& candidates, bool allTiles, HistoryStep* step);
// The same, leaving known as it is: the step becomes the tiles that differ.
int CollectChangedTiles(const QImage& known, const QImage& picture, int tileSize,
                        const std::vector<bool>& candidates, bool allTiles, HistoryStep& step);

// For a step that keeps only pixels after it (as the recovery copy's do): makes part's pixels
// the step's pixels of every tile that part covers. Part is a piece
// of a picture of the step's shape, whose top-left is at origin, reaching whole tiles (cut only
// at the picture's edges). Tiles already in the step take the new pixels; tiles it covers only
// in part are left out.
void SetTilesAfter(HistoryStep& step, const QImage& part, QPoint origin);

// The rows of the given tiles of picture, packed tile after tile (in the order of tiles).
QByteArray PackedTiles(const QImage& picture, int tileSize, const std::vector<int>& tiles);

// Copies every candidate tile (every tile when allTiles) where picture differs from known
// back from known into picture.
void TakeBackTiles(QImage& picture, const QImage& known, int tileSize,
                   const std::vector<bool>& candidates, bool allTiles);

// A step for a picture whose shape changed: the whole pictures (deep copies).
HistoryStep WholeStep(const QImage& before, const QImage& after);

// Puts the step's pixels before (undo) or after (redo) into picture and into known, both of
// the step's shape for a tiled step. A whole step replaces both. False, with both untouched,
// when the step does not fit the picture.
bool PutStep(const HistoryStep& step, bool after, QImage& picture, QImage& known);
// The same for picture alone.
bool PutStepInto(const HistoryStep& step, bool after, QImage& picture);

}  // namespace scoreink
