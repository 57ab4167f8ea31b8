#include "editing/staff/staff_detection.h"

#include <algorithm>
#include <cmath>

#include "editing/staff/staff_marks.h"
#include "editing/staff/staff_pixels.h"
#include "editing/staff/staff_samples.h"
#include "editing/staff/staff_seeds.h"
#include "editing/staff/staff_tracking.h"

namespace scoreink {
namespace {

// Whether five lines with their middle at row y of column x share a line with one of the
// staves: ledger lines in step with a staff's outer lines are no staff of their own.
bool OnStaff(double x, double y, const std::vector<Staff>& staves, double space) {
  return std::any_of(staves.begin(), staves.end(), [&](const Staff& s) {
    return x >= s.left - space && x <= s.right + space &&
           std::abs(y - s.LineY(2, x)) < 4.5 * s.Space(x);
  });
}

bool Overlaps(const Staff& staff, const std::vector<Staff>& staves, double space) {
  return std::any_of(staff.points.begin(), staff.points.end(),
                     [&](const StaffPoint& p) { return OnStaff(p.x, p.y[2], staves, space); });
}

}  // namespace

StaffGeometry FindStaves(const QImage& picture) {
  if (picture.isNull() || picture.width() < 8 || picture.height() < 8) return {};
  StaffSamples samples = SampleColumns(picture);
  if (!MarkInk(samples)) return {};
  const StaffSpacing spacing = CommonSpacing(samples);
  if (spacing.space < 3) return {};

  // Each staff is followed from the best seed on it; the other seeds on it are spent.
  const PixelReader pixels(picture, samples.inkBelow, samples.paper);
  StaffGeometry geometry;
  // Seeds close to one that led nowhere lead nowhere either: they are not tried again, so that
  // a page full of chance seeds costs no more than one with staves.
  std::vector<StaffSeed> failed;
  const auto nearFailed = [&](const StaffSeed& seed) {
    return std::any_of(failed.begin(), failed.end(), [&](const StaffSeed& f) {
      return std::abs(f.x - seed.x) <= 4 * spacing.space &&
             std::abs(f.y[2] - seed.y[2]) < 0.5 * spacing.space;
    });
  };
  // Five lines in step with nothing written on them (a table of four rows, say) are no staff,
  // and the other seeds on them are spent too.
  std::vector<Staff> unwritten;
  for (const StaffSeed& seed : FindSeeds(samples, spacing)) {
    if (OnStaff(seed.x, seed.y[2], geometry.staves, spacing.space) ||
        OnStaff(seed.x, seed.y[2], unwritten, spacing.space) || nearFailed(seed))
      continue;
    std::optional<Staff> staff = FollowStaff(pixels, spacing, seed);
    if (!staff) {
      failed.push_back(seed);
    } else if (!HasMusicMarks(pixels, *staff)) {
      unwritten.push_back(std::move(*staff));
    } else if (!Overlaps(*staff, geometry.staves, spacing.space)) {
      geometry.staves.push_back(std::move(*staff));
    }
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
