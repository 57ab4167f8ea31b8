#pragma once
// Staves as one strip of sampled columns shows them: five lines across the strip, one staff
// space apart, with paper between them. Strips are narrow enough that a skewed line stays
// nearly level within one.
#include <array>
#include <vector>

#include "editing/staff/staff_samples.h"

namespace scoreink {

// The steepest skew followed, as rows per column: a little over 1 degree.
inline constexpr double kSkewSlope = 0.021;

// The five lines of a staff seen in one strip.
struct StripStaff {
  int strip;
  double x;                 // picture column of the strip's middle
  std::array<double, 5> y;  // centre rows, top line first
};

// The staves seen in sampled columns c0 .. c1 - 1 (strip number `strip`), top to bottom.
std::vector<StripStaff> StavesInStrip(const StaffSamples& samples, const StaffSpacing& spacing,
                                      int strip, int c0, int c1);

}  // namespace scoreink
