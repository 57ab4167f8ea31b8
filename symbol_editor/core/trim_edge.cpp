#include "symbol_editor/core/trim_edge.h"

#include "symbol_editor/core/symbol_bounds.h"

namespace scoreink {

void TrimImageEdge(QImage& image, bool vertical, bool fromStart, quint8 count) {
  if (image.isNull()) return;
  const int cut = vertical ? image.height() : image.width();
  if (cut <= kMinSymbolSide) return;
  int kept = cut - count;
  int start = fromStart ? count : 0;
  if (kept < kMinSymbolSide) {
    // Cutting from the start keeps the last rows or columns, as a smaller count would.
    if (fromStart) start = count - (kMinSymbolSide - kept);
    kept = kMinSymbolSide;
  }
  const QRect part =
      vertical ? QRect(0, start, image.width(), kept) : QRect(start, 0, kept, image.height());
  image = image.copy(part);
}

}  // namespace scoreink
