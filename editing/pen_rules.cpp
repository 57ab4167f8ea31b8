#include "editing/pen_rules.h"

#include <algorithm>

#include "editing/surface_rules.h"
#include "editing/tool_modes.h"
#include "platform/raster/palette.h"

namespace scoreink {

int LeftLimitFor(int penWidth) {
  return penWidth <= 2 ? penWidth + 25 : penWidth / 2 + 26;
}

void PrepareGesturePen(Canvas& canvas, ScoreTool tool, int penWidth, QRgb penColor, QPoint press) {
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.SetPenStyle(PenStyle::Solid);
  if (IsRegionTool(tool)) {
    canvas.SetPenWidth(1);
    canvas.SetPenColor(kBlack);
  } else {
    canvas.SetPenWidth(penWidth);
    canvas.SetPenColor(penColor);
  }
  canvas.MoveTo(press.x(), press.y());
}

void DrawToolShape(Canvas& canvas, ScoreTool tool, LineVariant lineKind, QPoint start, QPoint end,
                   bool preview) {
  switch (tool) {
    case ScoreTool::FreeDraw:
      canvas.SetPenMode(PenMode::Copy);
      canvas.LineTo(end.x(), end.y());
      return;
    case ScoreTool::Line:
      if (lineKind == LineVariant::Free) {
        canvas.SetPenMode(preview ? PenMode::NotXor : PenMode::Copy);
        canvas.MoveTo(start.x(), start.y());
        canvas.LineTo(end.x(), end.y());
      } else if (!preview && lineKind == LineVariant::Vertical) {
        canvas.SetPenMode(PenMode::Copy);
        canvas.LineTo(start.x(), end.y());
      } else if (!preview && lineKind == LineVariant::Horizontal) {
        canvas.SetPenMode(PenMode::Copy);
        canvas.LineTo(end.x(), start.y());
      }
      return;
    case ScoreTool::Tie:
      if (!preview) {
        canvas.SetPenMode(PenMode::Copy);
        DrawTie(canvas, start.x(), end.x(), end.y(), lineKind);
      }
      return;
    case ScoreTool::RegionDelete:
    case ScoreTool::RegionMove:
    case ScoreTool::RegionCopy:
      if (preview) {
        // The corners may come in any order; the rectangle is the same either way.
        canvas.SetPenMode(PenMode::NotXor);
        canvas.SetBrushStyle(BrushStyle::Clear);
        canvas.Rectangle(std::min(start.x(), end.x()), std::min(start.y(), end.y()),
                         std::max(start.x(), end.x()), std::max(start.y(), end.y()));
      }
      return;
    case ScoreTool::Symbol:  // symbol mode draws nothing
      return;
  }
}

std::optional<std::array<QPoint, 4>> TiePoints(int x1, int x2, int y, LineVariant arc) {
  const int span = x2 - x1;
  if (span <= 0) return std::nullopt;
  const int d = std::min(span / 4, 20);
  const int cy = arc == LineVariant::LowerArc ? y + d : y - d;
  return std::array<QPoint, 4>{QPoint(x1, y), QPoint(x1, cy), QPoint(x2, cy), QPoint(x2, y)};
}

void DrawTie(Canvas& canvas, int x1, int x2, int y, LineVariant arc) {
  const auto points = TiePoints(x1, x2, y, arc);
  if (!points) return;
  canvas.PolyBezier(*points);
  canvas.MoveTo(x2, y);
}

void EraseBox::Include(QPoint p) {
  left = std::min(left, p.x());
  right = std::max(right, p.x());
  top = std::min(top, p.y());
  bottom = std::max(bottom, p.y());
}

QRect EraseRestoreRect(EraseBox box, QPoint release, int penWidth, QSize surfaceSize) {
  box.Include(release);
  const int m = penWidth / 2 + 1;
  int left = box.left - m;
  int right = box.right + m;
  int top = box.top - m;
  int bottom = box.bottom + m;
  if (left < 1) left = 1;
  if (right > surfaceSize.width() - 1) right = surfaceSize.width() - 1;
  if (top < 1) top = 1;
  if (bottom > surfaceSize.height() - 1) bottom = surfaceSize.height() - 1;
  return NormalizeRect(left, top, right, bottom);
}

QRect RestoreEraseBox(QImage& surface, const EraseBox& box, QPoint release, int penWidth,
                      bool templateScore, const BlankPage& blank) {
  if (!templateScore) return {};
  const QRect rect = EraseRestoreRect(box, release, penWidth, surface.size());
  return RestoreFromTemplate(surface, rect.x(), rect.y(), rect.x() + rect.width(),
                             rect.y() + rect.height(), blank);
}

}  // namespace scoreink
