#pragma once
// Lookup tables from an RGB colour to the index of the nearest entry of a fixed colour table.
// Used by every conversion to 8 or 4 bits and by the canvas on fixed-palette images, so one
// colour always gets one index, whichever path converts it.
#include <QtGlobal>
#include <array>

namespace scoreink::raster {

struct ColorLookup {
  // Nearest entry for each 6-bit-per-channel bucket (red << 12 | green << 6 | blue). Every
  // table colour owns its bucket, so a table colour always maps to itself.
  std::array<uchar, 1 << 18> rgb{};
  // Nearest entry for each exact grey level: scans are mostly grey, and the grey ramp of the
  // fixed palette is finer than the buckets.
  std::array<uchar, 256> grey{};

  static constexpr int Bucket(int red, int green, int blue) {
    return ((red >> 2) << 12) | ((green >> 2) << 6) | (blue >> 2);
  }
  uchar operator()(int red, int green, int blue) const {
    if (red == green && green == blue) return grey[red];
    return rgb[Bucket(red, green, blue)];
  }
};

// Tables of the fixed 256-colour palette and of the 16-colour table, built once on first use
// (thread-safe).
const ColorLookup& FixedPaletteLookup();
const ColorLookup& FourBitLookup();

}  // namespace scoreink::raster
