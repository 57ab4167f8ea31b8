// Every instruction-set path of the row conversion gives exactly the lookup's own indices,
// at every row width (vector steps, their tails, and rows shorter than one step).
#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <vector>

#include "platform/raster/raster_index_rows.h"

namespace scoreink::raster {
namespace {

// Pixels that are grey with probability greyShare, else any colour; some rows of white.
std::vector<uchar> MixedRow(int width, double greyShare, quint32 seed) {
  QRandomGenerator random(seed);
  std::vector<uchar> rgb(3 * static_cast<size_t>(width));
  for (int x = 0; x < width; ++x) {
    uchar* p = &rgb[3 * static_cast<size_t>(x)];
    if (random.generateDouble() < greyShare) {
      p[0] = p[1] = p[2] = static_cast<uchar>(random.bounded(256));
    } else {
      for (int c = 0; c < 3; ++c) p[c] = static_cast<uchar>(random.bounded(256));
    }
  }
  return rgb;
}

TEST(IndexRows, EveryPathMatchesTheLookupAtEveryWidth) {
  const ColorLookup* lookups[] = {&FixedPaletteLookup(), &FourBitLookup()};
  const RowPath paths[] = {RowPath::Portable, RowPath::Avx2, RowPath::Avx512Vbmi};
  for (RowPath path : paths) {
    if (!RowPathAvailable(path)) continue;
    for (const ColorLookup* lookup : lookups) {
      for (double greyShare : {1.0, 0.97, 0.5, 0.0}) {
        for (int width : {0, 1, 7, 8, 11, 31, 63, 64, 65, 100, 129, 200, 770}) {
          const std::vector<uchar> rgb = MixedRow(width, greyShare, static_cast<quint32>(width));
          std::vector<QRgb> argb(static_cast<size_t>(width));
          std::vector<uchar> expected(static_cast<size_t>(width));
          for (int x = 0; x < width; ++x) {
            const uchar* p = &rgb[3 * static_cast<size_t>(x)];
            argb[x] = qRgba(p[0], p[1], p[2], x % 256);  // alpha must not matter
            expected[x] = (*lookup)(p[0], p[1], p[2]);
          }
          std::vector<uchar> fromRgb(static_cast<size_t>(width) + 1, 0xAB);
          std::vector<uchar> fromArgb(static_cast<size_t>(width) + 1, 0xAB);
          IndexRgb888Row(path, rgb.data(), fromRgb.data(), width, *lookup);
          IndexRgb32Row(path, argb.data(), fromArgb.data(), width, *lookup);
          // Nothing past the row is written.
          ASSERT_EQ(fromRgb.back(), 0xAB);
          ASSERT_EQ(fromArgb.back(), 0xAB);
          fromRgb.pop_back();
          fromArgb.pop_back();
          ASSERT_EQ(fromRgb, expected) << "path " << int(path) << " width " << width;
          ASSERT_EQ(fromArgb, expected) << "path " << int(path) << " width " << width;
        }
      }
    }
  }
}

}  // namespace
}  // namespace scoreink::raster
