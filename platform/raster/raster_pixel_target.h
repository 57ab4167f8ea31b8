#pragma once
// Direct pixel access to the image a canvas draws into. A pixel is handled as its stored
// value: the palette index of an 8-bit image, 0xRRGGBB of a 24- or 32-bit one, so that
// NotXor works on what is stored and exact colour tests compare what is stored.
#include <QImage>
#include <QList>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/raster/canvas.h"
#include "platform/raster/raster_color_lookup.h"
#include "platform/raster/raster_coverage.h"

namespace scoreink::raster {

enum class TargetKind { None, Indexed8, Rgb24, Rgb32 };

TargetKind TargetKindOf(const QImage* image);

// The lookup of the fixed palette or of the 16-colour table when table is one of them.
const ColorLookup* LookupForTable(const QList<QRgb>& table);

// Maps colours to the nearest index of a colour table: through the lookup of the program's
// own tables, so that drawing agrees with conversion, and by a remembered nearest search
// for any other table.
class IndexMatcher {
 public:
  explicit IndexMatcher(const QList<QRgb>& table);
  uchar operator()(QRgb color);
  const ColorLookup* Lookup() const { return lookup_; }

 private:
  QList<QRgb> table_;
  const ColorLookup* lookup_;
  std::unordered_map<QRgb, uchar> known_;
};

class PixelTarget {
 public:
  // Takes write access to image (detaching it once if its data is shared). An image of a
  // format the canvas cannot draw into gives an invalid target.
  explicit PixelTarget(QImage& image);

  bool IsValid() const { return kind_ != TargetKind::None; }
  TargetKind Kind() const { return kind_; }
  QRect Rect() const { return QRect(0, 0, width_, height_); }
  uchar* Row(int y) { return bits_ + y * bytesPerLine_; }

  uint ValueOf(QRgb color);
  // The lookup table of an 8-bit target whose colour table is one of the program's own
  // (fixed palette or 16 colours); null otherwise.
  const ColorLookup* Lookup() const { return lookup_; }
  QRgb ColorOfValue(uint value) const;
  uint ValueAt(int x, int y) const;
  void SetValue(int x, int y, uint value);

  // Writes value over every span (which must lie inside the image): NotXor sets
  // NOT(pixel XOR value), on indices for 8-bit images and per channel otherwise.
  void Apply(const std::vector<Span>& spans, uint value, PenMode mode);

 private:
  TargetKind kind_ = TargetKind::None;
  uchar* bits_ = nullptr;
  qsizetype bytesPerLine_ = 0;
  int width_ = 0;
  int height_ = 0;
  QList<QRgb> table_;
  uint indexMask_ = 0xFF;  // NotXor stays inside a table of 2, 16 or 256 entries
  std::unique_ptr<IndexMatcher> matcher_;
  const ColorLookup* lookup_ = nullptr;
};

}  // namespace scoreink::raster
