#include "editing/staff/staff_tracking.h"

#include <algorithm>
#include <cmath>

namespace scoreink {
namespace {

using Rows = std::array<double, 5>;

// The five lines measured across a band of columns around x.
struct Band {
  double x = 0;
  Rows y{};
  bool sixth = false;  // a line in step above or below too
};

// Least squares of row = middle + (k - 2) * space + shape[k] over the lines seen; false when
// fewer than three are.
bool FitInStep(const std::array<std::optional<double>, 5>& seen, const Rows& shape, double& middle,
               double& space) {
  double n = 0;
  double sk = 0;
  double sy = 0;
  double skk = 0;
  double sky = 0;
  for (size_t k = 0; k < 5; ++k) {
    if (!seen[k]) continue;
    const double kk = double(k) - 2;
    const double y = *seen[k] - shape[k];
    n += 1;
    sk += kk;
    sy += y;
    skk += kk * kk;
    sky += kk * y;
  }
  if (n < 3) return false;
  space = (n * sky - sk * sy) / (n * skk - sk * sk);
  middle = (sy - space * sk) / n;
  return true;
}

// How steeply the five lines rise together from one place to another: one line thrown off by
// a crossing does not tilt the others.
double CommonSlope(const Rows& from, double fromX, const Rows& to, double toX) {
  double rise = 0;
  for (size_t k = 0; k < 5; ++k) rise += (to[k] - from[k]) / 5;
  return toX != fromX ? rise / (toX - fromX) : 0;
}

class StaffFollower {
 public:
  StaffFollower(const PixelReader& pixels, const StaffSpacing& spacing)
      : px_(pixels),
        space_(spacing.space),
        thickness_(std::max(1.0, spacing.thickness)),
        thickest_(int(thickness_ + std::max(3.0, thickness_ / 2))),
        reach_(std::max(2.0, 0.4 * space_)),
        step_(std::max(4, int(std::lround(2 * space_)))),
        gapBands_(2),
        endGap_(std::max(4, int(std::lround(3 * space_)))) {}

  std::optional<Staff> Follow(const StaffSeed& seed) {
    Band start;
    if (!Measure(seed.x, seed.y, 0, start)) return std::nullopt;
    std::vector<Band> left = Side(start, -1);
    std::vector<Band> right = Side(start, +1);
    std::vector<Band> bands(left.rbegin(), left.rend());
    bands.push_back(start);
    bands.insert(bands.end(), right.begin(), right.end());
    if (bands.size() < 3) return std::nullopt;
    const int sixths =
        int(std::count_if(bands.begin(), bands.end(), [](const Band& b) { return b.sixth; }));
    if (2 * sixths > int(bands.size())) return std::nullopt;

    Staff staff;
    staff.left = End(bands, -1);
    staff.right = End(bands, +1);
    if (staff.right - staff.left < 6 * space_) return std::nullopt;
    for (const Band& b : bands) staff.points.push_back({b.x, b.y});
    AddEndPoint(staff, -1);
    AddEndPoint(staff, +1);
    return staff;
  }

 private:
  // Bands from `from` on in direction dir until the lines are lost for more than a few bands.
  std::vector<Band> Side(const Band& from, int dir) const {
    std::vector<Band> side;
    Band last = from;
    double slope = 0;
    int missed = 0;
    // The first step is half as long, as the slope is not known yet, and serves only to learn
    // it: points closer than a band make a poor slope at the ends of the curve.
    bool first = true;
    for (double x = from.x + dir * step_ / 2.0; x >= 0 && x < px_.Width(); x += dir * step_) {
      Rows predicted;
      for (size_t k = 0; k < 5; ++k) predicted[k] = last.y[k] + slope * (x - last.x);
      Band band;
      if (!Measure(x, predicted, slope, band)) {
        if (++missed > gapBands_) break;
        continue;
      }
      slope = CommonSlope(last.y, last.x, band.y, band.x);
      if (!first) side.push_back(band);
      first = false;
      last = band;
      missed = 0;
    }
    return side;
  }

  // The centre row of the thin dark run nearest row `near` in column x, or nothing.
  std::optional<double> LineAt(int x, double near) const {
    const int top = int(std::floor(near - reach_)) - thickest_;
    const int bottom = int(std::ceil(near + reach_)) + thickest_;
    std::optional<double> best;
    int y = top;
    while (y <= bottom) {
      if (!px_.Ink(x, y)) {
        ++y;
        continue;
      }
      const int first = y;
      while (y <= bottom && px_.Ink(x, y)) ++y;
      const int last = y - 1;
      if (first == top || last == bottom || last - first + 1 > thickest_) continue;
      // Weighed by darkness, one row beyond each end too: the grey edges of the line.
      double mass = 0;
      double moment = 0;
      for (int r = first - 1; r <= last + 1; ++r) {
        const double w = px_.Darkness(x, r);
        mass += w;
        moment += w * r;
      }
      const double centre = mass > 0 ? moment / mass : 0.5 * (first + last);
      if (std::abs(centre - near) <= reach_ &&
          (!best || std::abs(centre - near) < std::abs(*best - near)))
        best = centre;
    }
    return best;
  }

  // The five lines in three columns across the band around x: a line counts where at least two
  // columns agree on it, the band where at least three lines agree with each other on how far
  // they lie from where they were expected.
  bool Measure(double x, const Rows& predicted, double slope, Band& band) const {
    band.x = x;
    const int columns[3] = {int(std::lround(x - step_ / 3.0)), int(std::lround(x)),
                            int(std::lround(x + step_ / 3.0))};
    const double agree = std::max(1.0, 0.4 * thickness_);
    std::array<std::optional<double>, 5> seen{};
    for (size_t k = 0; k < 5; ++k) {
      double values[3];
      int n = 0;
      for (const int c : columns) {
        if (c < 0 || c >= px_.Width()) continue;
        const double shift = slope * (c - x);
        if (const auto y = LineAt(c, predicted[k] + shift)) values[n++] = *y - shift;
      }
      if (n < 2) continue;
      std::sort(values, values + std::min(n, 3));
      // The median of three, or two that agree.
      if (n == 2 && values[1] - values[0] > agree) continue;
      seen[k] = n == 3 ? values[1] : 0.5 * (values[0] + values[1]);
    }
    // Five lines in step: a middle row and a space, fitted to the lines seen, keeping the
    // small unevenness between the lines that the band before showed; a line far from the fit
    // (a beam or a word along it) is left out and the fit made again.
    Rows shape;
    const double predictedSpace = (predicted[4] - predicted[0]) / 4;
    for (size_t k = 0; k < 5; ++k)
      shape[k] = predicted[k] - (predicted[2] + (double(k) - 2) * predictedSpace);
    double middle = 0;
    double space = 0;
    for (int pass = 0; pass < 3; ++pass) {
      if (!FitInStep(seen, shape, middle, space)) return false;
      size_t worst = 5;
      double worstOff = agree;
      for (size_t k = 0; k < 5; ++k) {
        if (!seen[k]) continue;
        const double off = std::abs(*seen[k] - (middle + (double(k) - 2) * space + shape[k]));
        if (off > worstOff) {
          worstOff = off;
          worst = k;
        }
      }
      if (worst == 5) break;
      seen[worst].reset();
      if (pass == 2) return false;
    }
    if (std::abs(space - space_) > 0.2 * space_) return false;
    for (size_t k = 0; k < 5; ++k)
      band.y[k] = seen[k] ? *seen[k] : middle + (double(k) - 2) * space + shape[k];
    const double spaceHere = space;
    const int centre = int(std::lround(x));
    band.sixth = LineAt(centre, band.y[0] - spaceHere).has_value() ||
                 LineAt(centre, band.y[4] + spaceHere).has_value();
    return true;
  }

  // Whether line row y at column x is a line there: ink on it and paper on at least one side
  // (a bar line, a stem or a clef is dark on both).
  bool LineInColumn(int x, double y) const {
    const int row = int(std::lround(y));
    const int half = int(std::ceil(thickness_ / 2));
    bool ink = false;
    for (int r = row - half; r <= row + half && !ink; ++r) ink = px_.Ink(x, r);
    if (!ink) return false;
    const int clear = half + std::max(2, int(0.3 * space_));
    return !px_.Ink(x, row - clear) || !px_.Ink(x, row + clear);
  }

  // The last column in direction dir where four of the five lines still show, sought column by
  // column beyond the outermost band; bar lines and a system line right at the end belong to
  // the staff.
  int End(const std::vector<Band>& bands, int dir) const {
    const Band& outer = dir < 0 ? bands.front() : bands.back();
    const Band& inner = dir < 0 ? bands[1] : bands[bands.size() - 2];
    const double slope = CommonSlope(inner.y, inner.x, outer.y, outer.x);
    auto rowAt = [&](size_t k, int x) { return outer.y[k] + slope * (x - outer.x); };
    int present = int(std::lround(outer.x));
    for (int x = present; x >= 0 && x < px_.Width() && std::abs(x - present) <= endGap_; x += dir) {
      int lines = 0;
      for (size_t k = 0; k < 5; ++k) lines += LineInColumn(x, rowAt(k, x));
      if (lines >= 4) present = x;
    }
    // A bar line or a system line the lines end in, no wider than a thick bar line: wider dark
    // columns (a brace against a system line) are not the staff's.
    const int barWidth = int(0.5 * space_ + thickness_);
    for (int width = 1; width <= barWidth + 1; ++width) {
      const int x = present + dir * width;
      if (x < 0 || x >= px_.Width()) break;
      bool crossed = true;
      for (size_t k = 0; k < 5 && crossed; ++k) crossed = px_.Ink(x, int(std::lround(rowAt(k, x))));
      if (crossed) continue;
      present += dir * (width - 1);
      break;
    }
    return std::clamp(present, 0, px_.Width() - 1);
  }

  // The lines measured right inside an end, the band's outer column on the end itself, so
  // that the curve need not run on straight over a bent stretch; bands nearer to it than half
  // a band give way.
  void AddEndPoint(Staff& staff, int dir) const {
    std::vector<StaffPoint>& points = staff.points;
    const double x = (dir < 0 ? staff.left : staff.right) - dir * step_ / 3.0;
    const StaffPoint& outer = dir < 0 ? points.front() : points.back();
    if ((x - outer.x) * dir < -step_ / 2.0 || points.size() < 2) return;
    const StaffPoint& inner = dir < 0 ? points[1] : points[points.size() - 2];
    const double slope = CommonSlope(inner.y, inner.x, outer.y, outer.x);
    Rows predicted;
    for (size_t k = 0; k < 5; ++k) predicted[k] = outer.y[k] + slope * (x - outer.x);
    Band band;
    if (!Measure(x, predicted, slope, band)) return;
    const auto tooNear = [&](const StaffPoint& p) { return std::abs(p.x - x) < step_ / 2.0; };
    while (points.size() > 2 && tooNear(dir < 0 ? points.front() : points.back()))
      points.erase(dir < 0 ? points.begin() : points.end() - 1);
    const StaffPoint point{band.x, band.y};
    points.insert(dir < 0 ? points.begin() : points.end(), point);
  }

  const PixelReader& px_;
  double space_;
  double thickness_;
  int thickest_;
  double reach_;
  int step_;
  int gapBands_;
  int endGap_;
};

}  // namespace

std::optional<Staff> FollowStaff(const PixelReader& pixels, const StaffSpacing& spacing,
                                 const StaffSeed& seed) {
  return StaffFollower(pixels, spacing).Follow(seed);
}

}  // namespace scoreink
