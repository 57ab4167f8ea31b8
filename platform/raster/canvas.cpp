#include "platform/raster/canvas.h"

#include <algorithm>

#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"
#include "platform/raster/raster_coverage.h"
#include "platform/raster/raster_figures.h"
#include "platform/raster/raster_pixel_target.h"

namespace scoreink {
namespace {

using raster::Coverage;
using raster::FigurePen;
using raster::PenFootprint;
using raster::PixelTarget;

bool Drawable(const QImage* target) {
  return raster::TargetKindOf(target) != raster::TargetKind::None;
}

// Dotted pens exist for one-pixel pens only; a wider dotted pen draws solid.
bool Dotted(PenStyle style, int width) {
  return style == PenStyle::Dot && width == 1;
}

// GDI's rectangles and ellipses accept their corners in any order; right and bottom stay
// outside. Returns the covered box with right and bottom inclusive (empty if nothing).
QRect FigureBox(int left, int top, int right, int bottom) {
  const int l = std::min(left, right), r = std::max(left, right);
  const int t = std::min(top, bottom), b = std::max(top, bottom);
  if (l == r || t == b) return QRect();
  return QRect(QPoint(l, t), QPoint(r - 1, b - 1));
}

// Writes the pen's pixels, then the brush's pixels that the pen does not cover, each pixel
// once. Returns the rectangle written.
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

// Rectangle and Ellipse: an outline with the pen and, with a solid brush, the inside.
struct BoxFigure {
  void (*outline)(Coverage&, const QRect&, const FigurePen&);
  void (*interior)(Coverage&, const QRect&);
};

constexpr BoxFigure kRectangle{raster::AddRectangleOutline, raster::AddRectangleInterior};
constexpr BoxFigure kEllipse{raster::AddEllipseOutline, raster::AddEllipseInterior};

void DrawBoxFigure(const BoxFigure& figure, QImage* target, const QRect& box, int penWidth,
                   PenStyle penStyle, QRgb penColor, PenMode mode, bool filled, QRgb brushColor,
                   QRect& dirty) {
  if (box.isEmpty() || !Drawable(target)) return;
  const PenFootprint footprint(penWidth);
  Coverage pen(target->rect()), brush(target->rect());
  figure.outline(pen, box, FigurePen{footprint, Dotted(penStyle, penWidth), 0});
  if (filled) figure.interior(brush, box);
  dirty |= ApplyFigure(target, pen, penColor, filled ? &brush : nullptr, brushColor, mode);
}

}  // namespace

Canvas::Canvas(QImage* target) : target_(target) {}

void Canvas::SetTarget(QImage* target) {
  target_ = target;
}

void Canvas::LineTo(int x, int y) {
  const QPoint from = penPos_, to(x, y);
  penPos_ = to;
  if (!Drawable(target_)) return;
  const PenFootprint footprint(penWidth_);
  const bool dotted = Dotted(penStyle_, penWidth_);
  if (!dotted || !dotEndValid_ || dotEnd_ != from) dotPhase_ = 0;
  Coverage pen(target_->rect());
  const long long steps = raster::AddLine(pen, from, to, FigurePen{footprint, dotted, dotPhase_});
  dotPhase_ = static_cast<int>((dotPhase_ + steps) % 2);
  dotEnd_ = to;
  dotEndValid_ = dotted;
  dirty_ |= ApplyFigure(target_, pen, penColor_, nullptr, 0, penMode_);
}

void Canvas::Rectangle(int left, int top, int right, int bottom) {
  DrawBoxFigure(kRectangle, target_, FigureBox(left, top, right, bottom), penWidth_, penStyle_,
                penColor_, penMode_, brushStyle_ == BrushStyle::Solid, brushColor_, dirty_);
}

void Canvas::Ellipse(int left, int top, int right, int bottom) {
  DrawBoxFigure(kEllipse, target_, FigureBox(left, top, right, bottom), penWidth_, penStyle_,
                penColor_, penMode_, brushStyle_ == BrushStyle::Solid, brushColor_, dirty_);
}

void Canvas::PolyBezier(const std::array<QPoint, 4>& p) {
  if (!Drawable(target_)) return;
  const PenFootprint footprint(penWidth_);
  Coverage pen(target_->rect());
  raster::AddBezier(pen, p, FigurePen{footprint, Dotted(penStyle_, penWidth_), 0});
  dirty_ |= ApplyFigure(target_, pen, penColor_, nullptr, 0, penMode_);
}

QRgb Canvas::Pixel(int x, int y) const {
  if (!target_) return kWhite;
  return PixelColor(*target_, x, y);
}

void Canvas::SetPixel(int x, int y, QRgb color) {
  if (!Drawable(target_) || !target_->valid(x, y)) return;
  PixelTarget target(*target_);
  if (!target.IsValid()) return;
  target.SetValue(x, y, target.ValueOf(color));
  dirty_ |= QRect(x, y, 1, 1);
}

}  // namespace scoreink
