// The fixed palette and the 16-colour table: the entries the editing rules rest on, and a
// lookup that is exact for the tables' own colours and nearest for everything else.
#include <gtest/gtest.h>

#include <QSet>
#include <climits>

#include "platform/raster/palette.h"
#include "platform/raster/raster_color_lookup.h"

namespace scoreink {
namespace {

int SquaredDistance(QRgb a, QRgb b) {
  const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
  return dr * dr + dg * dg + db * db;
}

int NearestDistance(const QList<QRgb>& table, QRgb color) {
  int best = INT_MAX;
  for (QRgb entry : table) best = std::min(best, SquaredDistance(entry, color));
  return best;
}

TEST(FixedPalette, HoldsBlackWhiteAndTemplateInkAtTheirIndices) {
  const QList<QRgb>& palette = FixedPalette();
  ASSERT_EQ(palette.size(), 256);
  EXPECT_EQ(palette[kBlackIndex], kBlack);
  EXPECT_EQ(palette[kWhiteIndex], kWhite);
  EXPECT_EQ(palette[TemplateInkIndex()], qRgb(32, 32, 64));
  EXPECT_NE(TemplateInkIndex(), kBlackIndex);
}

TEST(FixedPalette, EntriesAreOpaqueAndDistinct) {
  QSet<QRgb> seen;
  for (QRgb entry : FixedPalette()) {
    EXPECT_EQ(qAlpha(entry), 255);
    EXPECT_FALSE(seen.contains(entry)) << std::hex << entry;
    seen.insert(entry);
  }
}

TEST(FixedPalette, GreyRampIsFine) {
  // Scans are mostly grey: no grey level may be far from a palette grey.
  for (int v = 0; v < 256; ++v) {
    const QRgb nearest = FixedPalette()[PaletteIndexFor(v, v, v)];
    EXPECT_EQ(qRed(nearest), qGreen(nearest));
    EXPECT_EQ(qGreen(nearest), qBlue(nearest));
    EXPECT_LE(std::abs(qRed(nearest) - v), 3) << v;
  }
}

TEST(PaletteIndexFor, IsExactForEveryPaletteColour) {
  for (int i = 0; i < 256; ++i) {
    EXPECT_EQ(PaletteIndexFor(FixedPalette()[i]), i) << i;
  }
}

TEST(PaletteIndexFor, IgnoresAlpha) {
  EXPECT_EQ(PaletteIndexFor(qRgba(32, 32, 64, 0)), TemplateInkIndex());
  EXPECT_EQ(PaletteIndexFor(qRgba(255, 255, 255, 10)), kWhiteIndex);
}

TEST(PaletteIndexFor, NeverTurnsNearTemplateInkIntoBlack) {
  for (int d = -3; d <= 3; ++d) {
    EXPECT_EQ(PaletteIndexFor(32 + d, 32, 64 - d), TemplateInkIndex()) << d;
  }
}

// Every colour maps to an entry at most a bucket's width away from the nearest entry.
TEST(PaletteIndexFor, IsNearlyNearestForEveryBucket) {
  for (int r = 0; r < 256; r += 5) {
    for (int g = 0; g < 256; g += 3) {
      for (int b = 0; b < 256; b += 7) {
        const QRgb color = qRgb(r, g, b);
        const QRgb chosen = FixedPalette()[PaletteIndexFor(color)];
        // Within one bucket (4 levels per channel) of the true nearest.
        const double slack = std::sqrt(NearestDistance(FixedPalette(), color)) + 4 * std::sqrt(3.0);
        ASSERT_LE(std::sqrt(SquaredDistance(chosen, color)), slack) << r << "," << g << "," << b;
      }
    }
  }
}

// The fast table of the fixed palette must agree with a plain search over all 256 entries
// at each bucket's centre (apart from the buckets the palette's own colours claim).
TEST(PaletteIndexFor, BucketsMatchAFullSearch) {
  const raster::ColorLookup& lookup = raster::FixedPaletteLookup();
  QSet<int> ownBuckets;
  for (QRgb c : FixedPalette())
    ownBuckets.insert(raster::ColorLookup::Bucket(qRed(c), qGreen(c), qBlue(c)));
  EXPECT_EQ(ownBuckets.size(), 256) << "two palette colours share a bucket";
  for (int bucket = 0; bucket < (1 << 18); bucket += 37) {
    if (ownBuckets.contains(bucket)) continue;
    const int r = 8 * (bucket >> 12) + 3, g = 8 * ((bucket >> 6) & 63) + 3,
              b = 8 * (bucket & 63) + 3;
    int best = INT_MAX;
    for (QRgb c : FixedPalette()) {
      const int dr = 2 * qRed(c) - r, dg = 2 * qGreen(c) - g, db = 2 * qBlue(c) - b;
      best = std::min(best, dr * dr + dg * dg + db * db);
    }
    const QRgb chosen = FixedPalette()[lookup.entries[bucket]];
    const int dr = 2 * qRed(chosen) - r, dg = 2 * qGreen(chosen) - g, db = 2 * qBlue(chosen) - b;
    ASSERT_EQ(dr * dr + dg * dg + db * db, best) << bucket;
  }
}

TEST(FourBitPalette, HoldsBlackWhiteAndTemplateInk) {
  const QList<QRgb>& table = FourBitPalette();
  ASSERT_EQ(table.size(), 16);
  EXPECT_EQ(table[0], kBlack);
  EXPECT_EQ(table[15], kWhite);
  EXPECT_TRUE(table.contains(kTemplateInk));
  EXPECT_EQ(QSet<QRgb>(table.begin(), table.end()).size(), 16);
}

TEST(FourBitPalette, LookupIsExactForItsOwnColours) {
  const raster::ColorLookup& lookup = raster::FourBitLookup();
  for (int i = 0; i < 16; ++i) {
    const QRgb c = FourBitPalette()[i];
    EXPECT_EQ(lookup(qRed(c), qGreen(c), qBlue(c)), i) << i;
  }
}

}  // namespace
}  // namespace scoreink
