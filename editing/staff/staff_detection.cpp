#include "editing/staff/staff_detection.h"

#include <algorithm>
#include <cmath>

#include "editing/staff/staff_samples.h"
#include "editing/staff/staff_strips.h"

namespace scoreink {
namespace {

double Middle(const StripStaff& staff) {
  return staff.y[2];
}

// Least-squares fit of five parallel lines through the strips a staff was seen in; strips
// that disagree (a ledger line taken for the top line) are left out and the fit made again.
struct StraightFit {
  std::array<double, 5> lineY{};
  double slope = 0;
  double LineY(int k, double x) const { return lineY[size_t(k)] + slope * x; }
};

StraightFit FitStaff(std::vector<StripStaff> seen, double space) {
  StraightFit staff;
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
  StaffSamples samples = SampleColumns(picture);
  if (!MarkInk(samples)) return {};
  const StaffSpacing spacing = CommonSpacing(samples);
  if (spacing.space < 3) return {};

  // Strips about eight spaces wide: a skewed line moves little within one.
  const int stripColumns =
      std::clamp(int(std::lround(8 * spacing.space / samples.step)), 3, samples.columns);
  const int strips = std::max(1, samples.columns / stripColumns);
  std::vector<std::vector<StripStaff>> chains;
  for (int strip = 0; strip < strips; ++strip) {
    const int c0 = strip * stripColumns;
    const int c1 = strip + 1 == strips ? samples.columns : c0 + stripColumns;
    for (const StripStaff& staff : StavesInStrip(samples, spacing, strip, c0, c1)) {
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
    const StraightFit fit = FitStaff(chain, spacing.space);
    const int firstStrip = chain.front().strip;
    const int lastStrip = chain.back().strip;
    const int left = samples.X(firstStrip * stripColumns);
    const int right = lastStrip + 1 == strips ? picture.width() - 1
                                              : samples.X((lastStrip + 1) * stripColumns - 1);
    geometry.staves.push_back(Staff::Straight(fit.lineY, fit.slope, left, right));
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
