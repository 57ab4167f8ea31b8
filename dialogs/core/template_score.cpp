#include "dialogs/core/template_score.h"

#include "platform/raster/pixel_format.h"

namespace scoreink {

bool IsTemplateScore(const QImage& score, const BlankPage& blank) {
  const QRect strip = kTemplateStrip;
  if (score.isNull() || !score.rect().contains(strip)) return false;
  // The blank page's pixels of the strip, at their own place on a bitmap just big enough.
  QImage page =
      NewBitmap(strip.x() + strip.width(), strip.y() + strip.height(), PixelFormat::Bits8);
  if (page.isNull() || PaintBlankPage(page, strip, blank) != strip) return false;
  for (int y = strip.top(); y <= strip.bottom(); ++y)
    for (int x = strip.left(); x <= strip.right(); ++x)
      if (PixelColor(page, x, y) != PixelColor(score, x, y)) return false;
  return true;
}

}  // namespace scoreink
