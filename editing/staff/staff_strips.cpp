#include "editing/staff/staff_strips.h"

#include <algorithm>
#include <cmath>

namespace scoreink {
namespace {

// Part of a strip's columns a staff line must darken: text, whose letters leave gaps, does
// not.
constexpr double kLineCoverage = 0.8;

// A staff line seen in one strip of columns.
struct StripLine {
  double y;         // centre row
  double coverage;  // share of the strip's columns that it darkens
};

class StripScanner {
 public:
  StripScanner(const StaffSamples& s, const StaffSpacing& spacing, int c0, int c1)
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

  const StaffSamples& s_;
  const StaffSpacing& spacing_;
  int c0_;
  int c1_;
  std::vector<int> profile_;  // ink samples per row across the strip
  int window_ = 1;
};

}  // namespace

std::vector<StripStaff> StavesInStrip(const StaffSamples& samples, const StaffSpacing& spacing,
                                      int strip, int c0, int c1) {
  return StripScanner(samples, spacing, c0, c1).Staves(strip);
}

}  // namespace scoreink
