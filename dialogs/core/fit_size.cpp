#include "dialogs/core/fit_size.h"

#include <algorithm>

namespace scoreink {

QSize FitSize(int w, int h, int maxW, int maxH) {
  if (w <= 0 || h <= 0) return QSize(maxW, maxH);
  // 64 bits: a 600-dpi scan times 100 percent and more stays far from overflow.
  const qint64 W = w, H = h;
  if (H * maxW == W * maxH) return QSize(maxW, maxH);
  if (w > maxW || h > maxH) {
    // 0 % always fits; a side that shrinks to nothing keeps one pixel, so that a very long,
    // thin picture still has a preview.
    for (qint64 percent = 100;; --percent) {
      const qint64 cw = percent * W / 100, ch = percent * H / 100;
      if (cw <= maxW && ch <= maxH)
        return QSize(int(std::max<qint64>(cw, 1)), int(std::max<qint64>(ch, 1)));
    }
  }
  for (qint64 percent = 100;; ++percent) {
    const qint64 cw = percent * W / 100, ch = percent * H / 100;
    if (cw >= maxW || ch >= maxH)
      return QSize(int(std::min<qint64>(cw, maxW)), int(std::min<qint64>(ch, maxH)));
  }
}

}  // namespace scoreink
