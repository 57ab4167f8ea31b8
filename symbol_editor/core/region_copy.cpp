#include "symbol_editor/core/region_copy.h"

#include <algorithm>

#include "editing/surface_rules.h"
#include "platform/raster/canvas.h"
#include "platform/raster/pixel_format.h"
#include "symbol_editor/core/symbol_bounds.h"

namespace scoreink {

QRect SelectedRegion(QPoint press, QPoint release) {
  if (release.x() == press.x() || release.y() == press.y()) return {};
  const QRect spanned = NormalizeRect(press.x(), press.y(), release.x(), release.y());
  return QRect(spanned.topLeft(), QSize(std::min(spanned.width(), kSymbolSide),
                                        std::min(spanned.height(), kSymbolSide)));
}

QImage DrawingFromRegion(const QImage& source, const QRect& region) {
  QImage drawing = NewBitmap(kSymbolSide, kSymbolSide, PixelFormat::Bits24);
  if (drawing.isNull() || source.isNull() || region.isEmpty()) return drawing;
  Canvas(&drawing).CopyRect(QRect(QPoint(0, 0), region.size()), source, region);
  return drawing;
}

}  // namespace scoreink
