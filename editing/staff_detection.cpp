#include "editing/staff_detection.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace scoreink {
namespace {

// About this many columns are sampled across the page, whatever its width.
constexpr int kSampledColumns = 320;
// The largest staff space looked for, in pixels.
constexpr int kLargestSpace = 160;
// The steepest skew followed, as rows per column: a little over 1 degree.
constexpr double kSkewSlope = 0.021;
// Part of a strip's columns a staff line must darken: text, whose letters leave gaps, does
// not.
constexpr double kLineCoverage = 0.8;

// The darkness of sampled columns, one column after the other (scan lines are read once,
// whole, and only the sampled bytes of each are kept).
struct Samples {
  int columns = 0;
  int rows = 0;
  int first = 0;              // picture column of the first sample
  int step = 1;               // pixels between sampled columns
  std::vector<uchar> values;  // values[c * rows + y]: brightness, then 1 for ink, 0 for paper
  std::array<int, 256> histogram{};

  int X(int c) const { return first + c * step; }
  uchar* Column(int c) { return values.data() + size_t(c) * size_t(rows); }
  const uchar* Column(int c) const { return values.data() + size_t(c) * size_t(rows); }
};

int Brightness(QRgb c) {
  return (qRed(c) * 77 + qGreen(c) * 150 + qBlue(c) * 29) >> 8;
}

template <typename BrightnessAt>
void SampleRows(const QImage& picture, Samples& s, BrightnessAt brightnessAt) {
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

Samples SampleColumns(const QImage& picture) {
  Samples s;
  s.rows = picture.height();
  s.step = std::max(1, (picture.width() + kSampledColumns - 1) / kSampledColumns);
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

// The brightness below which a sample is ink (Otsu's split of the histogram), or -1 when the
// page holds no ink worth the name: hardly any, or hardly darker than the paper.
int InkThreshold(const std::array<int, 256>& histogram) {
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
  if (split < 0 || lightMean - darkMean < 60 || darkShare < 0.0005 || darkShare > 0.6) return -1;
  return split;
}

// Neighbouring dark runs down the sampled columns: how far apart their centres lie (in half
// pixels) and how thick the upper one is. Pairs of lines of equal thickness, thinner than half
// their distance, are all a staff can give.
struct RunPair {
  int distance2;
  int thickness;
};

std::vector<RunPair> LinePairs(const Samples& s) {
  std::vector<RunPair> pairs;
  for (int c = 0; c < s.columns; ++c) {
    const uchar* column = s.Column(c);
    int previousStart = -1;
    int previousLength = 0;
    int y = 0;
    while (y < s.rows) {
      if (!column[y]) {
        ++y;
        continue;
      }
      const int start = y;
      while (y < s.rows && column[y]) ++y;
      const int length = y - start;
      if (previousStart >= 0) {
        const int distance2 = 2 * start + length - 2 * previousStart - previousLength;
        const int thicker = std::max(length, previousLength);
        const int thinner = std::min(length, previousLength);
        if (distance2 <= 2 * kLargestSpace && 4 * thicker <= distance2 &&
            thicker - thinner <= std::max(1, thinner / 2))
          pairs.push_back({distance2, previousLength});
      }
      previousStart = start;
      previousLength = length;
    }
  }
  return pairs;
}

struct Spacing {
  double space = 0;
  double thickness = 0;
};

// The most common distance between neighbouring lines and the usual thickness of those
// lines; a space of 0 when no distance is common enough for staves.
Spacing CommonSpacing(const std::vector<RunPair>& pairs, int columns) {
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
  Spacing spacing;
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

// A staff line seen in one strip of columns.
struct StripLine {
  double y;         // centre row
  double coverage;  // share of the strip's columns that it darkens
};

// The five lines of a staff seen in one strip.
struct StripStaff {
  int strip;
  double x;  // picture column of the strip's middle
  std::array<double, 5> y;
};

class StripScanner {
 public:
  StripScanner(const Samples& s, const Spacing& spacing, int c0, int c1)
      : s_(s), spacing_(spacing), c0_(c0), c1_(c1), profile_(size_t(s.rows), 0) {
    for (int c = c0; c < c1; ++c) {
      const uchar* column = s.Column(c);
      for (int y = 0; y < s.rows; ++y) profile_[size_t(y)] += column[y];
    }
    // A window tall enough for a line drifting across the strip, and no taller than a space.
    const double drift = kSkewSlope * (c1 - c0) * s.step;
    window_ = std::clamp(int(std::lround(spacing.thickness + drift)) + 2, 1,
                         std::max(1, int(spacing.space) - 1));
  }

  std::vector<StripStaff> Staves(int strip) const {
    std::vector<StripStaff> found;
    const std::vector<StripLine> lines = Lines();
    size_t i = 0;
    while (i < lines.size()) {
      std::vector<size_t> run = EvenRunFrom(lines, i);
      if (run.size() < 5) {
        ++i;
        continue;
      }
      // More lines in step than five (a ledger line, a line of text): the five that darken
      // the most.
      size_t best = 0;
      double bestCover = -1;
      for (size_t k = 0; k + 5 <= run.size(); ++k) {
        double cover = 0;
        for (size_t m = k; m < k + 5; ++m) cover += lines[run[m]].coverage;
        if (cover > bestCover) {
          bestCover = cover;
          best = k;
        }
      }
      StripStaff staff{strip, 0.5 * (s_.X(c0_) + s_.X(c1_ - 1)), {}};
      for (size_t m = 0; m < 5; ++m) staff.y[m] = lines[run[best + m]].y;
      if (SpacesAreLight(staff)) found.push_back(staff);
      i = run[best + 4] + 1;
    }
    return found;
  }

 private:
  int Width() const { return c1_ - c0_; }

  // Rows where a window of rows holds about a line's worth of ink across the strip, each the
  // darkest in half a space around it.
  std::vector<StripLine> Lines() const {
    const int rows = s_.rows;
    std::vector<int> sums(size_t(std::max(0, rows - window_ + 1)), 0);
    int running = 0;
    for (int y = 0; y < rows; ++y) {
      running += profile_[size_t(y)];
      if (y >= window_) running -= profile_[size_t(y - window_)];
      if (y >= window_ - 1) sums[size_t(y - window_ + 1)] = running;
    }
    const double needed = 0.5 * Width() * std::max(1.0, spacing_.thickness);
    const int reach = std::max(1, int(0.4 * spacing_.space));
    std::vector<StripLine> lines;
    const int n = int(sums.size());
    for (int y = 0; y < n; ++y) {
      const int v = sums[size_t(y)];
      if (v < needed) continue;
      bool peak = true;
      for (int k = std::max(0, y - reach); k <= std::min(n - 1, y + reach) && peak; ++k)
        peak = k < y ? sums[size_t(k)] < v : sums[size_t(k)] <= v;
      if (!peak) continue;
      const double coverage = Coverage(y);
      if (coverage < kLineCoverage) continue;
      lines.push_back({Centre(y), coverage});
    }
    return lines;
  }

  // The middle of the line in the window at top: the rows darker than half its peak above the
  // paper, weighed by how much darker, so that a clef or a bar line crossing it, or the grey
  // edge of a skewed line, hardly moves it.
  double Centre(int top) const {
    const auto first = profile_.begin() + top;
    const auto [low, high] = std::minmax_element(first, first + window_);
    const double cut = 0.5 * (*high - *low);
    double mass = 0;
    double moment = 0;
    for (int r = top; r < top + window_; ++r) {
      const double above = profile_[size_t(r)] - *low;
      if (above < cut) continue;
      mass += above;
      moment += above * r;
    }
    return mass > 0 ? moment / mass : top + 0.5 * (window_ - 1);
  }

  // Share of the strip's columns with ink somewhere in rows top .. top + window.
  double Coverage(int top) const {
    int covered = 0;
    for (int c = c0_; c < c1_; ++c) {
      const uchar* column = s_.Column(c);
      for (int r = top; r < top + window_; ++r) {
        if (column[r]) {
          ++covered;
          break;
        }
      }
    }
    return double(covered) / Width();
  }

  // Lines from `from` on, each about one staff space below the one before.
  std::vector<size_t> EvenRunFrom(const std::vector<StripLine>& lines, size_t from) const {
    std::vector<size_t> run{from};
    const double tolerance = 0.2 * spacing_.space;
    while (true) {
      const double want = lines[run.back()].y + spacing_.space;
      size_t next = 0;
      double nearest = tolerance;
      for (size_t j = run.back() + 1; j < lines.size() && lines[j].y <= want + tolerance; ++j) {
        const double off = std::abs(lines[j].y - want);
        if (off <= nearest) {
          nearest = off;
          next = j;
        }
      }
      if (next == 0) return run;
      run.push_back(next);
    }
  }

  // Between the lines of a staff the paper shows, but for the notes: a band of text or a
  // blot is dark there too.
  bool SpacesAreLight(const StripStaff& staff) const {
    for (int k = 0; k < 4; ++k) {
      const double middle = 0.5 * (staff.y[size_t(k)] + staff.y[size_t(k) + 1]);
      const int half =
          std::max(0, int((staff.y[size_t(k) + 1] - staff.y[size_t(k)] - spacing_.thickness) / 4));
      const int top = std::max(0, int(std::lround(middle)) - half);
      const int bottom = std::min(s_.rows - 1, int(std::lround(middle)) + half);
      double ink = 0;
      for (int r = top; r <= bottom; ++r) ink += profile_[size_t(r)];
      if (ink / (bottom - top + 1) > 0.6 * Width()) return false;
    }
    return true;
  }

  const Samples& s_;
  const Spacing& spacing_;
  int c0_;
  int c1_;
  std::vector<int> profile_;  // ink samples per row across the strip
  int window_ = 1;
};

double Middle(const StripStaff& staff) {
  return staff.y[2];
}

// Least-squares fit of five parallel lines through the strips a staff was seen in; strips
// that disagree (a ledger line taken for the top line) are left out and the fit made again.
Staff FitStaff(std::vector<StripStaff> seen, double space) {
  Staff staff;
  for (int pass = 0; pass < 2; ++pass) {
    double xm = 0;
    std::array<double, 5> ym{};
    for (const StripStaff& s : seen) {
      xm += s.x;
      for (size_t k = 0; k < 5; ++k) ym[k] += s.y[k];
    }
    xm /= double(seen.size());
    for (double& y : ym) y /= double(seen.size());
    double sxy = 0;
    double sxx = 0;
    for (const StripStaff& s : seen) {
      sxx += 5 * (s.x - xm) * (s.x - xm);
      for (size_t k = 0; k < 5; ++k) sxy += (s.x - xm) * (s.y[k] - ym[k]);
    }
    staff.slope = sxx > 0 ? sxy / sxx : 0;
    for (size_t k = 0; k < 5; ++k) staff.lineY[k] = ym[k] - staff.slope * xm;
    if (pass == 1 || seen.size() <= 2) break;
    std::vector<StripStaff> agreeing;
    for (const StripStaff& s : seen) {
      double worst = 0;
      for (int k = 0; k < 5; ++k)
        worst = std::max(worst, std::abs(s.y[size_t(k)] - staff.LineY(k, s.x)));
      if (worst <= std::max(1.0, 0.2 * space)) agreeing.push_back(s);
    }
    if (agreeing.size() < 2 || agreeing.size() == seen.size()) break;
    seen = std::move(agreeing);
  }
  return staff;
}

}  // namespace

StaffGeometry FindStaves(const QImage& picture) {
  if (picture.isNull() || picture.width() < 8 || picture.height() < 8) return {};
  Samples samples = SampleColumns(picture);
  const int threshold = InkThreshold(samples.histogram);
  if (threshold < 0) return {};
  for (uchar& v : samples.values) v = v < threshold ? 1 : 0;

  const Spacing spacing = CommonSpacing(LinePairs(samples), samples.columns);
  if (spacing.space < 3) return {};

  // Strips about eight spaces wide: a skewed line moves little within one.
  const int stripColumns =
      std::clamp(int(std::lround(8 * spacing.space / samples.step)), 3, samples.columns);
  const int strips = std::max(1, samples.columns / stripColumns);
  std::vector<std::vector<StripStaff>> chains;
  for (int strip = 0; strip < strips; ++strip) {
    const int c0 = strip * stripColumns;
    const int c1 = strip + 1 == strips ? samples.columns : c0 + stripColumns;
    const StripScanner scanner(samples, spacing, c0, c1);
    for (const StripStaff& staff : scanner.Staves(strip)) {
      // The same staff in a strip shortly before, allowing for the skew in between.
      std::vector<StripStaff>* same = nullptr;
      double nearest = 0;
      for (std::vector<StripStaff>& chain : chains) {
        const StripStaff& last = chain.back();
        if (strip - last.strip > 3) continue;
        const double off = std::abs(Middle(staff) - Middle(last));
        const double allowed = 0.3 * spacing.space + kSkewSlope * (staff.x - last.x);
        if (off <= allowed && (!same || off < nearest)) {
          same = &chain;
          nearest = off;
        }
      }
      if (same)
        same->push_back(staff);
      else
        chains.push_back({staff});
    }
  }

  // A staff runs across much of the page; shorter finds are taken for chance.
  const size_t shortest = size_t(std::min(strips, std::max(2, (strips + 3) / 4)));
  StaffGeometry geometry;
  for (const std::vector<StripStaff>& chain : chains) {
    if (chain.size() < shortest) continue;
    Staff staff = FitStaff(chain, spacing.space);
    const int firstStrip = chain.front().strip;
    const int lastStrip = chain.back().strip;
    staff.left = samples.X(firstStrip * stripColumns);
    staff.right = lastStrip + 1 == strips ? picture.width() - 1
                                          : samples.X((lastStrip + 1) * stripColumns - 1);
    geometry.staves.push_back(staff);
  }
  if (geometry.staves.empty()) return {};

  // The staff space is what the staves agree on; one far from it is no staff of this page.
  std::vector<double> spaces;
  for (const Staff& s : geometry.staves) spaces.push_back(s.Space());
  std::nth_element(spaces.begin(), spaces.begin() + spaces.size() / 2, spaces.end());
  const double space = spaces[spaces.size() / 2];
  std::erase_if(geometry.staves,
                [space](const Staff& s) { return std::abs(s.Space() - space) > 0.15 * space; });
  const double middleX = 0.5 * picture.width();
  std::sort(geometry.staves.begin(), geometry.staves.end(),
            [middleX](const Staff& a, const Staff& b) {
              return a.LineY(0, middleX) < b.LineY(0, middleX);
            });
  double total = 0;
  for (const Staff& s : geometry.staves) total += s.Space();
  geometry.staffSpace = total / double(geometry.staves.size());
  geometry.lineThickness = spacing.thickness;
  return geometry;
}

}  // namespace scoreink
