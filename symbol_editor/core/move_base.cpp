#include "symbol_editor/core/move_base.h"

#include <algorithm>

#include "platform/raster/canvas.h"
#include "platform/raster/pixel_format.h"

namespace scoreink {

QPoint SteppedMoveOffset(QPoint offset, bool vertical, bool forward, QSize size) {
  if (vertical)
    offset.ry() += forward ? -1 : 1;
  else
    offset.rx() += forward ? 1 : -1;
  offset.setX(std::clamp(offset.x(), -size.width(), size.width()));
  offset.setY(std::clamp(offset.y(), -size.height(), size.height()));
  return offset;
}

QImage ShiftedFromBase(const QImage& base, QPoint offset) {
  if (base.isNull()) return {};
  PixelFormat format = PixelFormatOf(base);
  if (format == PixelFormat::Other) format = PixelFormat::Bits24;
  QImage shifted = NewBitmap(base.width(), base.height(), format);
  if (shifted.isNull()) return {};
  // Copying the whole base to its shifted place: the canvas clips away what leaves the frame.
  Canvas(&shifted).CopyRect(base.rect().translated(offset), base, base.rect());
  return shifted;
}

}  // namespace scoreink
