#include "editing/staff/staff_samples.h"

#include <algorithm>
#include <cmath>

#include "editing/staff/staff_pixels.h"

namespace scoreink {
namespace {

// About this many columns are sampled across the page; fewer across a large scan, whose staves
// are as many and cross as many columns each, so that far less than the whole page is read.
constexpr int kSampledColumns = 320;
constexpr int kLargePageWidth = 2400;
constexpr int kLargePageColumns = 128;
// The largest staff space looked for, in pixels.
constexpr int kLargestSpace = 160;

int Brightness(QRgb c) {
  return BrightnessOf(qRed(c), qGreen(c), qBlue(c));
}

template <typename BrightnessAt>
void SampleRows(const QImage& picture, StaffSamples& s, BrightnessAt brightnessAt) {
  for (int y = 0; y < s.rows; ++y) {
    const uchar* row = picture.constScanLine(y);
    uchar* to = s.values.data() + y;
    for (int c = 0; c < s.columns; ++c, to += s.rows) {
      const uchar v = brightnessAt(row, y, s.first + c * s.step);
      *to = v;
      ++s.histogram[v];
    }
  }
}

}  // namespace

StaffSamples SampleColumns(const QImage& picture) {
  StaffSamples s;
  s.rows = picture.height();
  const int columns = picture.width() >= kLargePageWidth ? kLargePageColumns : kSampledColumns;
  s.step = std::max(1, (picture.width() + columns - 1) / columns);
  s.first = s.step / 2;
  s.columns = (picture.width() - s.first + s.step - 1) / s.step;
  s.values.resize(size_t(s.columns) * size_t(s.rows));
  switch (picture.format()) {
    case QImage::Format_Indexed8: {
      std::array<uchar, 256> lookup{};  // indices past the table read as black, as Qt does
      const QList<QRgb> table = picture.colorTable();
      for (int i = 0; i < std::min<int>(int(table.size()), 256); ++i)
        lookup[size_t(i)] = uchar(Brightness(table[i]));
      SampleRows(picture, s, [&](const uchar* row, int, int x) { return lookup[row[x]]; });
      break;
    }
    case QImage::Format_Grayscale8:
      SampleRows(picture, s, [](const uchar* row, int, int x) { return row[x]; });
      break;
    case QImage::Format_RGB888:
      SampleRows(picture, s, [](const uchar* row, int, int x) {
        const uchar* p = row + 3 * x;
        return uchar((p[0] * 77 + p[1] * 150 + p[2] * 29) >> 8);
      });
      break;
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
      SampleRows(picture, s, [](const uchar* row, int, int x) {
        return uchar(Brightness(reinterpret_cast<const QRgb*>(row)[x]));
      });
      break;
    default:  // formats the score never has: slow, but right
      SampleRows(picture, s, [&](const uchar*, int y, int x) {
        return uchar(Brightness(picture.pixel(x, y)));
      });
      break;
  }
  return s;
}

namespace {

struct InkSplit {
  int threshold = -1;
  int paper = 255;
};

// The brightness below which a sample is ink (Otsu's split of the histogram) and the mean of
// the paper; a threshold of -1 when the page holds no ink worth the name: hardly any, or
// hardly darker than the paper.
InkSplit InkThreshold(const std::array<int, 256>& histogram) {
  double total = 0;
  double sum = 0;
  for (int v = 0; v < 256; ++v) {
    total += histogram[size_t(v)];
    sum += double(v) * histogram[size_t(v)];
  }
  double dark = 0;
  double darkSum = 0;
  double best = -1;
  int split = -1;
  double darkMean = 0;
  double lightMean = 0;
  double darkShare = 0;
  for (int v = 0; v < 255; ++v) {
    dark += histogram[size_t(v)];
    darkSum += double(v) * histogram[size_t(v)];
    if (dark == 0 || dark == total) continue;
    const double m0 = darkSum / dark;
    const double m1 = (sum - darkSum) / (total - dark);
    const double between = dark * (total - dark) * (m1 - m0) * (m1 - m0);
    if (between > best) {
      best = between;
      split = v + 1;
      darkMean = m0;
      lightMean = m1;
      darkShare = dark / total;
    }
  }
  if (split < 0 || lightMean - darkMean < 60 || darkShare < 0.0005 || darkShare > 0.6) return {};
  return {split, int(std::lround(lightMean))};
}

// Neighbouring dark runs down the sampled columns: how far apart their centres lie (in half
// pixels) and how thick the upper one is. Pairs of lines of equal thickness, thinner than half
// their distance, are all a staff can give.
struct RunPair {
  int distance2;
  int thickness;
};

std::vector<RunPair> LinePairs(const StaffSamples& s) {
  std::vector<RunPair> pairs;
  for (int c = 0; c < s.columns; ++c) {
    const std::vector<InkRun> runs = InkRuns(s, c);
    for (size_t i = 1; i < runs.size(); ++i) {
      const InkRun& previous = runs[i - 1];
      const InkRun& run = runs[i];
      const int distance2 = 2 * run.start + run.length - 2 * previous.start - previous.length;
      const int thicker = std::max(run.length, previous.length);
      const int thinner = std::min(run.length, previous.length);
      if (distance2 <= 2 * kLargestSpace && 4 * thicker <= distance2 &&
          thicker - thinner <= std::max(1, thinner / 2))
        pairs.push_back({distance2, previous.length});
    }
  }
  return pairs;
}

// The most common distance between neighbouring lines and the usual thickness of those
// lines; a space of 0 when no distance is common enough for staves.
StaffSpacing SpacingOfPairs(const std::vector<RunPair>& pairs, int columns) {
  std::vector<int> counts(2 * kLargestSpace + 1, 0);
  for (const RunPair& p : pairs) ++counts[size_t(p.distance2)];
  // Lines 12 and 13 rows apart are one spacing: count each distance with its neighbours
  // within a pixel.
  int peak = -1;
  int peakCount = 0;
  for (int d = 2; d + 2 < int(counts.size()); ++d) {
    int around = 0;
    for (int k = -2; k <= 2; ++k) around += counts[size_t(d + k)];
    if (around > peakCount) {
      peakCount = around;
      peak = d;
    }
  }
  if (peak < 0 || peakCount < columns) return {};
  double weighted = 0;
  for (int k = -2; k <= 2; ++k) weighted += double(peak + k) * counts[size_t(peak + k)];
  StaffSpacing spacing;
  spacing.space = weighted / peakCount / 2;
  std::vector<int> thicknesses;
  const double tolerance = std::max(2.0, 0.2 * spacing.space);
  for (const RunPair& p : pairs)
    if (std::abs(p.distance2 - 2 * spacing.space) <= tolerance) thicknesses.push_back(p.thickness);
  if (thicknesses.empty()) return {};
  std::nth_element(thicknesses.begin(), thicknesses.begin() + thicknesses.size() / 2,
                   thicknesses.end());
  spacing.thickness = thicknesses[thicknesses.size() / 2];
  return spacing;
}

}  // namespace

std::vector<InkRun> InkRuns(const StaffSamples& samples, int c) {
  std::vector<InkRun> runs;
  const uchar* column = samples.Column(c);
  int y = 0;
  while (y < samples.rows) {
    if (!column[y]) {
      ++y;
      continue;
    }
    const int start = y;
    while (y < samples.rows && column[y]) ++y;
    runs.push_back({start, y - start});
  }
  return runs;
}

bool MarkInk(StaffSamples& samples) {
  const InkSplit split = InkThreshold(samples.histogram);
  if (split.threshold < 0) return false;
  // Ink is taken closer to the paper than the best split of the page's two tones: a soft
  // photo's thin staff lines are a light grey beside its black heads.
  samples.inkBelow =
      std::max(split.threshold, split.paper - (split.paper - split.threshold) * 3 / 5);
  samples.paper = split.paper;
  for (uchar& v : samples.values) v = v < samples.inkBelow ? 1 : 0;
  return true;
}

StaffSpacing CommonSpacing(const StaffSamples& samples) {
  return SpacingOfPairs(LinePairs(samples), samples.columns);
}

}  // namespace scoreink
