#include "editing/staff/staff_marks.h"

#include <cmath>

namespace scoreink {
namespace {

bool InkThroughSpace(const PixelReader& pixels, int x, double upper, double lower) {
  const int top = int(std::lround(upper));
  const int bottom = int(std::lround(lower));
  if (!pixels.Ink(x, (top + bottom) / 2)) return false;
  for (int y = top; y <= bottom; ++y)
    if (!pixels.Ink(x, y)) return false;
  return true;
}

}  // namespace

bool HasMusicMarks(const PixelReader& pixels, const Staff& staff) {
  for (int x = staff.left; x <= staff.right; ++x) {
    for (int k = 0; k < 4; ++k)
      if (InkThroughSpace(pixels, x, staff.LineY(k, x), staff.LineY(k + 1, x))) return true;
  }
  return false;
}

}  // namespace scoreink
