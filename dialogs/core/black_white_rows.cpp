#include "dialogs/core/black_white_rows.h"

#include <algorithm>
#include <cstring>

#include "dialogs/core/black_white.h"

namespace scoreink::black_white {

int GreyOfPixel(const uchar* pixel) {
  // 299 red + 587 green + 114 blue is a thousand times the grey exactly; only at an exact half
  // does the floating-point sum decide the rounding.
  const int thousandfold = 299 * pixel[0] + 587 * pixel[1] + 114 * pixel[2];
  const int whole = thousandfold / 1000;
  const int rest = thousandfold - whole * 1000;
  if (rest == 500) [[unlikely]]
    return GreyLevel(pixel[0], pixel[1], pixel[2]);
  return whole + (rest > 500);
}

int GreyPixels(uchar* row, int from, int to) {
  int darkest = 255;
  // Pixel x is read before byte x is written, and bytes from x on are still unread pixels.
  for (int x = from; x < to; ++x) {
    const int grey = GreyOfPixel(row + 3 * x);
    row[x] = uchar(grey);
    darkest = std::min(darkest, grey);
  }
  return darkest;
}

qint64 ColourPixels(uchar* row, const uchar* greys, int from, int to, int bound, Rgb nearRgb,
                    Rgb diff) {
  qint64 nearCount = 0;
  for (int x = from; x < to; ++x) {
    const bool isNear = greys[x] <= bound;
    nearCount += isNear;
    const uchar mask = isNear ? 0 : 0xFF;
    uchar* p = row + 3 * x;
    p[0] = nearRgb.red ^ (diff.red & mask);
    p[1] = nearRgb.green ^ (diff.green & mask);
    p[2] = nearRgb.blue ^ (diff.blue & mask);
  }
  return nearCount;
}

int GreyRowPortable(uchar* row, int w) {
  return GreyPixels(row, 0, w);
}

qint64 ColourRowPortable(uchar* row, int w, int bound, Rgb nearRgb, Rgb diff, uchar* greys) {
  std::memcpy(greys, row, size_t(w));
  return ColourPixels(row, greys, 0, w, bound, nearRgb, diff);
}

}  // namespace scoreink::black_white
