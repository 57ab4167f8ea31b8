#include "editing/region_block.h"

#include <cstdint>

#include "editing/surface_rules.h"
#include "platform/raster/canvas.h"
#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"

namespace scoreink {
namespace {

int Scale(int value, int viewExtent, int surfaceExtent) {
  if (surfaceExtent <= 0) return 0;
  return int(std::int64_t(value) * viewExtent / surfaceExtent);
}

}  // namespace

QRect SelectedBlock(QPoint start, QPoint end, QSize surfaceSize) {
  const QRect spanned = NormalizeRect(start.x(), start.y(), end.x(), end.y());
  if (spanned.isEmpty()) return {};
  return spanned.intersected(QRect(QPoint(0, 0), surfaceSize));
}

QRect BlockOverlayRect(const QRect& block, QSize surfaceSize, const QRect& view) {
  const int w = surfaceSize.width();
  const int h = surfaceSize.height();
  return QRect(Scale(block.x(), view.width(), w) + view.x(),
               Scale(block.y(), view.height(), h) + view.y(), Scale(block.width(), view.width(), w),
               Scale(block.height(), view.height(), h));
}

QImage LiftBlackInk(const QImage& surface, const QRect& rect) {
  if (rect.isEmpty()) return {};
  QImage block = NewBitmap(rect.width(), rect.height(), PixelFormat::Bits24);
  if (block.isNull()) return {};
  StampBlack(surface, block, rect, block.rect());
  return block;
}

void DrawBlockFrame(QImage& block) {
  if (block.isNull()) return;
  const int right = block.width() - 1;
  const int bottom = block.height() - 1;
  Canvas canvas(&block);
  canvas.SetPenWidth(1);
  canvas.SetPenColor(kBlack);
  canvas.SetPenMode(PenMode::Copy);
  canvas.SetPenStyle(PenStyle::Dot);
  canvas.MoveTo(0, 0);
  canvas.LineTo(right, 0);
  canvas.LineTo(right, bottom);
  canvas.LineTo(0, bottom);
  canvas.LineTo(0, 0);
}

}  // namespace scoreink
