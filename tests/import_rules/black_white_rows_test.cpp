// The row kernels of the split: the processor's fast form gives the same bytes as the
// portable one, on every row width and on the greys that sit at an exact half.
#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <vector>

#include "dialogs/core/black_white.h"
#include "dialogs/core/black_white_rows.h"

namespace scoreink::black_white {
namespace {

// Random pixels, with every fifth one a colour whose thousandfold grey is an exact half.
std::vector<uchar> RandomRow(int w, quint32 seed) {
  QRandomGenerator random(seed);
  std::vector<uchar> row(static_cast<size_t>(3 * w));
  for (uchar& byte : row) byte = uchar(random.bounded(256));
  static const uchar kHalves[][3] = {{0, 80, 110}, {0, 0, 125}, {0, 156, 52}, {0, 204, 68}};
  for (int x = 0; x < w; x += 5) std::memcpy(&row[size_t(3 * x)], kHalves[x % 4], 3);
  return row;
}

// Random greys (a grey scan), one coloured pixel in the middle when asked.
std::vector<uchar> GreyRow(int w, quint32 seed, bool oneColoured) {
  QRandomGenerator random(seed);
  std::vector<uchar> row(static_cast<size_t>(3 * w));
  for (int x = 0; x < w; ++x) std::memset(&row[size_t(3 * x)], int(random.bounded(256)), 3);
  if (oneColoured) row[size_t(3 * (w / 2) + 1)] ^= 0x55;
  return row;
}

TEST(BlackWhiteRows, GreysAreThePixelsGreyLevels) {
  std::vector<uchar> row = RandomRow(999, 1);
  std::vector<int> expected;
  for (int x = 0; x < 999; ++x)
    expected.push_back(GreyLevel(row[3 * x], row[3 * x + 1], row[3 * x + 2]));
  const int darkest = GreyRowPortable(row.data(), 999);
  for (int x = 0; x < 999; ++x) ASSERT_EQ(row[x], expected[x]) << x;
  EXPECT_EQ(darkest, *std::min_element(expected.begin(), expected.end()));
}

TEST(BlackWhiteRows, TheFastFormsGiveTheSameBytes) {
  if (!CpuHasAvx2()) GTEST_SKIP() << "no AVX2 on this processor";
  const Rgb nearRgb{255, 250, 245}, diff{255, 0, 17};
  for (int w : {1, 5, 31, 32, 33, 63, 64, 65, 100, 1000, 4960}) {
    SCOPED_TRACE(w);
    for (const std::vector<uchar>& row :
         {RandomRow(w, 7), RandomRow(w, 8), GreyRow(w, 9, false), GreyRow(w, 10, true)}) {
      std::vector<uchar> portable = row, fast = row;
      ASSERT_EQ(GreyRowAvx2(fast.data(), w), GreyRowPortable(portable.data(), w));
      ASSERT_EQ(fast, portable);
      std::vector<uchar> scratch(static_cast<size_t>(w));
      for (int bound : {0, 90, 128, 255}) {
        std::vector<uchar> p = portable, f = fast;
        ASSERT_EQ(ColourRowAvx2(f.data(), w, bound, nearRgb, diff, scratch.data()),
                  ColourRowPortable(p.data(), w, bound, nearRgb, diff, scratch.data()))
            << bound;
        ASSERT_EQ(f, p) << bound;
      }
    }
  }
}

}  // namespace
}  // namespace scoreink::black_white
