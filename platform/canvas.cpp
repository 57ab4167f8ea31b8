#include "platform/canvas.h"

#include "platform/palette.h"
#include "platform/pixel_format.h"
#include "platform/raster_coverage.h"
#include "platform/raster_figures.h"
#include "platform/raster_pixel_target.h"

namespace scoreink {
namespace {

using raster::Coverage;
using raster::FigurePen;
using raster::PenFootprint;
using raster::PixelTarget;

// GDI's rectangles and ellipses accept their corners in any order; right and bottom stay
// outside. Returns the covered box with right and bottom inclusive (empty if nothing).
QRect FigureBox(int left, int top, int right, int bottom) {
  const int l = std::min(left, right), r = std::max(left, right);
  const int t = std::min(top, bottom), b = std::max(top, bottom);
  if (l == r || t == b) return QRect();
  return QRect(QPoint(l, t), QPoint(r - 1, b - 1));
}

// Writes the pen's pixels, then the brush's pixels that the pen does not cover, each pixel
// once, and widens the dirty rectangle.
QRect ApplyFigure(QImage* image, Coverage& pen, QRgb penColor, Coverage* brush, QRgb brushColor,
                  PenMode mode) {
  PixelTarget target(*image);
  if (!target.IsValid()) return QRect();
  QRect written = pen.Bounds();
  target.Apply(pen.Spans(), target.ValueOf(penColor), mode);
  if (brush) {
    brush->Subtract(pen);
    written |= brush->Bounds();
    target.Apply(brush->Spans(), target.ValueOf(brushColor), mode);
  }
  return written;
}

}  // namespace

Canvas::Canvas(QImage* target) : target_(target) {}

void Canvas::SetTarget(QImage* target) {
  target_ = target;
}

void Canvas::LineTo(int x, int y) {
  const QPoint from = penPos_, to(x, y);
  penPos_ = to;
  if (raster::TargetKindOf(target_) == raster::TargetKind::None) return;
  const PenFootprint footprint(penWidth_);
  const bool dotted = penStyle_ == PenStyle::Dot && penWidth_ == 1;
  if (!dotted || !dotEndValid_ || dotEnd_ != from) dotPhase_ = 0;
  Coverage pen(target_->rect());
  const long long steps = raster::AddLine(pen, from, to, FigurePen{footprint, dotted, dotPhase_});
  dotPhase_ = static_cast<int>((dotPhase_ + steps) % 2);
  dotEnd_ = to;
  dotEndValid_ = dotted;
  dirty_ |= ApplyFigure(target_, pen, penColor_, nullptr, 0, penMode_);
}

void Canvas::Rectangle(int left, int top, int right, int bottom) {
  const QRect box = FigureBox(left, top, right, bottom);
  if (box.isEmpty() || raster::TargetKindOf(target_) == raster::TargetKind::None) return;
  const PenFootprint footprint(penWidth_);
  const bool dotted = penStyle_ == PenStyle::Dot && penWidth_ == 1;
  Coverage pen(target_->rect()), brush(target_->rect());
  raster::AddRectangleOutline(pen, box, FigurePen{footprint, dotted, 0});
  const bool filled = brushStyle_ == BrushStyle::Solid;
  if (filled) raster::AddRectangleInterior(brush, box);
  dirty_ |= ApplyFigure(target_, pen, penColor_, filled ? &brush : nullptr, brushColor_, penMode_);
}

void Canvas::Ellipse(int left, int top, int right, int bottom) {
  const QRect box = FigureBox(left, top, right, bottom);
  if (box.isEmpty() || raster::TargetKindOf(target_) == raster::TargetKind::None) return;
  const PenFootprint footprint(penWidth_);
  const bool dotted = penStyle_ == PenStyle::Dot && penWidth_ == 1;
  Coverage pen(target_->rect()), brush(target_->rect());
  raster::AddEllipseOutline(pen, box, FigurePen{footprint, dotted, 0});
  const bool filled = brushStyle_ == BrushStyle::Solid;
  if (filled) raster::AddEllipseInterior(brush, box);
  dirty_ |= ApplyFigure(target_, pen, penColor_, filled ? &brush : nullptr, brushColor_, penMode_);
}

void Canvas::PolyBezier(const std::array<QPoint, 4>& p) {
  if (raster::TargetKindOf(target_) == raster::TargetKind::None) return;
  const PenFootprint footprint(penWidth_);
  const bool dotted = penStyle_ == PenStyle::Dot && penWidth_ == 1;
  Coverage pen(target_->rect());
  raster::AddBezier(pen, p, FigurePen{footprint, dotted, 0});
  dirty_ |= ApplyFigure(target_, pen, penColor_, nullptr, 0, penMode_);
}

QRgb Canvas::Pixel(int x, int y) const {
  if (!target_) return kWhite;
  return PixelColor(*target_, x, y);
}

void Canvas::SetPixel(int x, int y, QRgb color) {
  if (raster::TargetKindOf(target_) == raster::TargetKind::None || !target_->valid(x, y)) return;
  PixelTarget target(*target_);
  if (!target.IsValid()) return;
  target.SetValue(x, y, target.ValueOf(color));
  dirty_ |= QRect(x, y, 1, 1);
}

}  // namespace scoreink
