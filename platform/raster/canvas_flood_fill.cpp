// FloodFill: the 4-connected area of one exact colour takes the brush colour. Scan lines
// with an explicit stack, so that a whole page fills without deep recursion.
#include <array>
#include <vector>

#include "platform/raster/canvas.h"
#include "platform/raster/raster_pixel_target.h"

namespace scoreink {
namespace {

using raster::PixelTarget;
using raster::TargetKind;

// Pixels of one stored format: does a pixel have the surface colour, and writing the fill.
struct IndexedPixels {
  std::array<bool, 256> surface{};
  uchar fill;
  bool Match(const uchar* row, int x) const { return surface[row[x]]; }
  void Set(uchar* row, int x0, int x1) const {
    for (int x = x0; x <= x1; ++x) row[x] = fill;
  }
};

struct Rgb24Pixels {
  uchar surface[3];
  uchar fill[3];
  bool Match(const uchar* row, int x) const {
    const uchar* p = row + 3 * x;
    return p[0] == surface[0] && p[1] == surface[1] && p[2] == surface[2];
  }
  void Set(uchar* row, int x0, int x1) const {
    for (int x = x0; x <= x1; ++x) {
      uchar* p = row + 3 * x;
      p[0] = fill[0];
      p[1] = fill[1];
      p[2] = fill[2];
    }
  }
};

struct Rgb32Pixels {
  QRgb surface;  // 0xRRGGBB
  QRgb fill;     // opaque
  bool Match(const uchar* row, int x) const {
    return (reinterpret_cast<const QRgb*>(row)[x] & 0xFFFFFFu) == surface;
  }
  void Set(uchar* row, int x0, int x1) const {
    QRgb* p = reinterpret_cast<QRgb*>(row);
    for (int x = x0; x <= x1; ++x) p[x] = fill;
  }
};

// The fill value must not match the surface, or the fill would never end.
template <class Pixels>
QRect Fill(PixelTarget& target, QPoint start, const Pixels& pixels) {
  const int width = target.Rect().width(), height = target.Rect().height();
  if (!pixels.Match(target.Row(start.y()), start.x())) return QRect();
  int left = start.x(), right = start.x(), top = start.y(), bottom = start.y();
  std::vector<QPoint> seeds{start};
  while (!seeds.empty()) {
    const QPoint seed = seeds.back();
    seeds.pop_back();
    uchar* row = target.Row(seed.y());
    if (!pixels.Match(row, seed.x())) continue;
    int x0 = seed.x(), x1 = seed.x();
    while (x0 > 0 && pixels.Match(row, x0 - 1)) --x0;
    while (x1 < width - 1 && pixels.Match(row, x1 + 1)) ++x1;
    pixels.Set(row, x0, x1);
    left = std::min(left, x0);
    right = std::max(right, x1);
    top = std::min(top, seed.y());
    bottom = std::max(bottom, seed.y());
    // One seed per run of surface pixels in the rows above and below.
    for (int y : {seed.y() - 1, seed.y() + 1}) {
      if (y < 0 || y >= height) continue;
      const uchar* next = target.Row(y);
      bool inRun = false;
      for (int x = x0; x <= x1; ++x) {
        const bool match = pixels.Match(next, x);
        if (match && !inRun) seeds.emplace_back(x, y);
        inRun = match;
      }
    }
  }
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

void Canvas::FloodFill(int x, int y, QRgb surfaceColor) {
  if (brushStyle_ != BrushStyle::Solid || raster::TargetKindOf(target_) == TargetKind::None ||
      !target_->valid(x, y)) {
    return;
  }
  PixelTarget target(*target_);
  if (!target.IsValid()) return;
  const QRgb surface = surfaceColor & 0xFFFFFFu;
  const uint fill = target.ValueOf(brushColor_);
  switch (target.Kind()) {
    case TargetKind::Indexed8: {
      IndexedPixels pixels;
      for (uint i = 0; i < 256; ++i) {
        pixels.surface[i] = (target.ColorOfValue(i) & 0xFFFFFFu) == surface;
      }
      pixels.fill = static_cast<uchar>(fill);
      if (pixels.surface[pixels.fill]) return;  // the area already has the brush colour
      dirty_ |= Fill(target, QPoint(x, y), pixels);
      break;
    }
    case TargetKind::Rgb24: {
      if (fill == surface) return;
      const Rgb24Pixels pixels{{uchar(surface >> 16), uchar(surface >> 8), uchar(surface)},
                               {uchar(fill >> 16), uchar(fill >> 8), uchar(fill)}};
      dirty_ |= Fill(target, QPoint(x, y), pixels);
      break;
    }
    case TargetKind::Rgb32:
      if (fill == surface) return;
      dirty_ |= Fill(target, QPoint(x, y), Rgb32Pixels{surface, fill | 0xFF000000u});
      break;
    case TargetKind::None:
      break;
  }
}

}  // namespace scoreink
