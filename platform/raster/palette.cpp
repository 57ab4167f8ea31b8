#include "platform/raster/palette.h"

#include <array>
#include <climits>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/raster/raster_color_lookup.h"

namespace scoreink {
namespace {

// Palette layout: 0 black, 1..214 the 6 x 6 x 6 colour cube without black and white,
// 215..253 extra greys between the cube's greys, 254 the template ink, 255 white.
constexpr int kCubeLevels = 6;
constexpr int kCubeStep = 51;  // levels 0, 51, 102, 153, 204, 255
constexpr int kFirstRampIndex = 215;
constexpr int kTemplateInkIndex = 254;

// Greys added between two neighbouring cube greys: eight per gap, seven in the darkest, so
// that together with the cube's six greys the ramp has 45 levels about 6 apart.
constexpr std::array<int, 5> kRampGreysPerGap = {7, 8, 8, 8, 8};

std::vector<int> RampGreys() {
  std::vector<int> greys;
  for (int gap = 0; gap < static_cast<int>(kRampGreysPerGap.size()); ++gap) {
    const int n = kRampGreysPerGap[gap];
    for (int m = 1; m <= n; ++m) {
      greys.push_back(gap * kCubeStep + (kCubeStep * m + (n + 1) / 2) / (n + 1));
    }
  }
  return greys;
}

QList<QRgb> BuildFixedPalette() {
  QList<QRgb> palette;
  palette.reserve(256);
  palette.append(kBlack);
  for (int r = 0; r < kCubeLevels; ++r) {
    for (int g = 0; g < kCubeLevels; ++g) {
      for (int b = 0; b < kCubeLevels; ++b) {
        const QRgb color = qRgb(r * kCubeStep, g * kCubeStep, b * kCubeStep);
        if (color != kBlack && color != kWhite) palette.append(color);
      }
    }
  }
  Q_ASSERT(palette.size() == kFirstRampIndex);
  for (int v : RampGreys()) palette.append(qRgb(v, v, v));
  Q_ASSERT(palette.size() == kTemplateInkIndex);
  palette.append(kTemplateInk);
  palette.append(kWhite);
  return palette;
}

// Palette index of the cube colour with the given levels: black, the cube's first colour,
// sits at 0 and the cube follows it in order, except white, its last, at 255.
int CubeColorIndex(int r, int g, int b) {
  const int k = (r * kCubeLevels + g) * kCubeLevels + b;
  return k == kCubeLevels * kCubeLevels * kCubeLevels - 1 ? kWhiteIndex : k;
}

int SquaredDistance(int r1, int g1, int b1, int r2, int g2, int b2) {
  return (r1 - r2) * (r1 - r2) + (g1 - g2) * (g1 - g2) + (b1 - b2) * (b1 - b2);
}

// Index of the entry nearest to (r, g, b) among all of table (the first one on a tie).
// Coordinates may be scaled: table colours are multiplied by scale first.
int NearestEntry(const QList<QRgb>& table, int r, int g, int b, int scale) {
  int best = 0;
  int bestDistance = INT_MAX;
  for (int i = 0; i < table.size(); ++i) {
    const QRgb c = table[i];
    const int d = SquaredDistance(r, g, b, qRed(c) * scale, qGreen(c) * scale, qBlue(c) * scale);
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  return best;
}

// Every table colour takes its own bucket back, which makes the lookup exact for it.
void ClaimOwnBuckets(const QList<QRgb>& table, raster::ColorLookup& lookup) {
  for (int i = 0; i < table.size(); ++i) {
    const QRgb c = table[i];
    lookup.entries[raster::ColorLookup::Bucket(qRed(c), qGreen(c), qBlue(c))] =
        static_cast<uchar>(i);
  }
}

// Any table: each bucket takes the entry nearest to the bucket's centre (coordinates doubled:
// the bucket 4q..4q+3 has its centre at 8q + 3 / 2).
void FillByNearestSearch(const QList<QRgb>& table, raster::ColorLookup& lookup) {
  for (int v = 0; v < 256; ++v)
    lookup.Grey(v) = static_cast<uchar>(NearestEntry(table, v, v, v, 1));
  for (int r = 0; r < 64; ++r) {
    for (int g = 0; g < 64; ++g) {
      for (int b = 0; b < 64; ++b) {
        lookup.entries[(r << 12) | (g << 6) | b] =
            static_cast<uchar>(NearestEntry(table, 8 * r + 3, 8 * g + 3, 8 * b + 3, 2));
      }
    }
  }
  ClaimOwnBuckets(table, lookup);
}

// The fixed palette: the same result as a nearest search over all 256 entries, but the
// nearest cube colour comes from rounding each channel and the nearest grey from the mean,
// so only three candidates are compared per bucket.
void FillFixedPaletteLookup(const QList<QRgb>& palette, raster::ColorLookup& lookup) {
  // Grey entries by level, and for every doubled channel sum S the grey entry g minimising
  // |6g - S|, which is the grey nearest to any colour of that sum.
  std::vector<std::pair<int, int>> greys;  // level, index
  for (int i = 0; i < palette.size(); ++i) {
    const QRgb c = palette[i];
    if (qRed(c) == qGreen(c) && qGreen(c) == qBlue(c)) greys.emplace_back(qRed(c), i);
  }
  std::array<int, 3 * 510 + 1> greyForSum{};
  for (int s = 0; s < static_cast<int>(greyForSum.size()); ++s) {
    int bestDistance = INT_MAX;
    for (auto [level, index] : greys) {
      const int d = std::abs(6 * level - s);
      if (d < bestDistance || (d == bestDistance && index < greyForSum[s])) {
        bestDistance = d;
        greyForSum[s] = index;
      }
    }
  }
  for (int v = 0; v < 256; ++v) lookup.Grey(v) = static_cast<uchar>(greyForSum[6 * v]);

  std::array<int, 64> cubeLevel{};  // nearest cube level for each bucket centre
  for (int q = 0; q < 64; ++q) cubeLevel[q] = (8 * q + 3 + kCubeStep) / (2 * kCubeStep);
  const int inkR = 2 * qRed(kTemplateInk), inkG = 2 * qGreen(kTemplateInk),
            inkB = 2 * qBlue(kTemplateInk);
  for (int r = 0; r < 64; ++r) {
    for (int g = 0; g < 64; ++g) {
      for (int b = 0; b < 64; ++b) {
        const int cr = 8 * r + 3, cg = 8 * g + 3, cb = 8 * b + 3;
        const QRgb cube =
            qRgb(cubeLevel[r] * kCubeStep, cubeLevel[g] * kCubeStep, cubeLevel[b] * kCubeStep);
        const int cubeIndex = CubeColorIndex(cubeLevel[r], cubeLevel[g], cubeLevel[b]);
        const int greyIndex = greyForSum[cr + cg + cb];
        const int grey = 2 * qRed(palette[greyIndex]);
        int best = cubeIndex;
        int bestDistance =
            SquaredDistance(cr, cg, cb, 2 * qRed(cube), 2 * qGreen(cube), 2 * qBlue(cube));
        auto consider = [&](int index, int d) {
          if (d < bestDistance || (d == bestDistance && index < best)) {
            bestDistance = d;
            best = index;
          }
        };
        consider(greyIndex, SquaredDistance(cr, cg, cb, grey, grey, grey));
        consider(kTemplateInkIndex, SquaredDistance(cr, cg, cb, inkR, inkG, inkB));
        lookup.entries[(r << 12) | (g << 6) | b] = static_cast<uchar>(best);
      }
    }
  }
  ClaimOwnBuckets(palette, lookup);
}

}  // namespace

int TemplateInkIndex() {
  return kTemplateInkIndex;
}

const QList<QRgb>& FixedPalette() {
  static const QList<QRgb> palette = BuildFixedPalette();
  return palette;
}

uchar PaletteIndexFor(int red, int green, int blue) {
  return raster::FixedPaletteLookup()(red, green, blue);
}

uchar PaletteIndexFor(QRgb rgb) {
  return PaletteIndexFor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

const QList<QRgb>& FourBitPalette() {
  // The Windows 16-colour table with olive replaced by the template ink, so that template
  // coloured pixels of a 4-bit picture survive.
  static const QList<QRgb> palette = {kBlack,
                                      qRgb(128, 0, 0),
                                      qRgb(0, 128, 0),
                                      kTemplateInk,
                                      qRgb(0, 0, 128),
                                      qRgb(128, 0, 128),
                                      qRgb(0, 128, 128),
                                      qRgb(128, 128, 128),
                                      qRgb(192, 192, 192),
                                      qRgb(255, 0, 0),
                                      qRgb(0, 255, 0),
                                      qRgb(255, 255, 0),
                                      qRgb(0, 0, 255),
                                      qRgb(255, 0, 255),
                                      qRgb(0, 255, 255),
                                      kWhite};
  return palette;
}

namespace raster {

const ColorLookup& FixedPaletteLookup() {
  static const auto lookup = [] {
    auto table = std::make_unique<ColorLookup>();
    FillFixedPaletteLookup(FixedPalette(), *table);
    return table;
  }();
  return *lookup;
}

const ColorLookup& FourBitLookup() {
  static const auto lookup = [] {
    auto table = std::make_unique<ColorLookup>();
    FillByNearestSearch(FourBitPalette(), *table);
    return table;
  }();
  return *lookup;
}

}  // namespace raster
}  // namespace scoreink
