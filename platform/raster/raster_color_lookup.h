#pragma once
// Lookup tables from an RGB colour to the index of the nearest entry of a fixed colour table.
// Used by every conversion to 8 or 4 bits and by the canvas on fixed-palette images, so one
// colour always gets one index, whichever path converts it.
#include <QtGlobal>
#include <array>

namespace scoreink::raster {

struct ColorLookup {
  static constexpr int kBuckets = 1 << 18;
  static constexpr int kFirstGreyKey = kBuckets;

  // One table, so that a pixel costs one load whatever its colour:
  //  - keys below kBuckets: the nearest entry for each 6-bit-per-channel bucket
  //    (red << 12 | green << 6 | blue); every table colour owns its bucket, so a table
  //    colour always maps to itself;
  //  - kFirstGreyKey + v: the nearest entry for the exact grey v. Scans are mostly grey, and
  //    the fixed palette's grey ramp is finer than the buckets;
  //  - four spare bytes, so that vector code may read a whole 32-bit word at any key.
  std::array<uchar, kBuckets + 256 + 4> entries{};

  static constexpr int Bucket(int red, int green, int blue) {
    return ((red >> 2) << 12) | ((green >> 2) << 6) | (blue >> 2);
  }
  static constexpr int Key(int red, int green, int blue) {
    return red == green && green == blue ? kFirstGreyKey + red : Bucket(red, green, blue);
  }
  uchar operator()(int red, int green, int blue) const { return entries[Key(red, green, blue)]; }
  uchar& Grey(int v) { return entries[kFirstGreyKey + v]; }
  uchar Grey(int v) const { return entries[kFirstGreyKey + v]; }
};

// Tables of the fixed 256-colour palette and of the 16-colour table, built once on first use
// (thread-safe).
const ColorLookup& FixedPaletteLookup();
const ColorLookup& FourBitLookup();

}  // namespace scoreink::raster
