#include "editing/staff/staff_seeds.h"

#include <algorithm>
#include <cmath>

namespace scoreink {
namespace {

// Whether a run no thicker than `thickest` is centred within tolerance of row `want`.
bool ThinRunNear(const std::vector<InkRun>& runs, double want, double tolerance, int thickest) {
  return std::any_of(runs.begin(), runs.end(), [&](const InkRun& r) {
    return r.length <= thickest && std::abs(r.Centre() - want) <= tolerance;
  });
}

// Five thin runs in step in one column, each following the one before with nothing between.
void SeedsOfColumn(const std::vector<InkRun>& runs, int x, const StaffSpacing& spacing,
                   std::vector<StaffSeed>& seeds) {
  const int thickest = int(std::max(2 * spacing.thickness, spacing.thickness + 3));
  const double tolerance = std::max(1.5, 0.2 * spacing.space);
  auto thin = [&](size_t i) { return runs[i].length <= thickest; };
  for (size_t i = 0; i + 4 < runs.size(); ++i) {
    bool five = true;
    for (size_t k = i; k < i + 5 && five; ++k) {
      five = thin(k) && (k == i || std::abs(runs[k].Centre() - runs[k - 1].Centre() -
                                            spacing.space) <= tolerance);
    }
    if (!five) continue;
    const double step = (runs[i + 4].Centre() - runs[i].Centre()) / 4;
    const bool sixth = ThinRunNear(runs, runs[i].Centre() - step, tolerance, thickest) ||
                       ThinRunNear(runs, runs[i + 4].Centre() + step, tolerance, thickest);
    if (sixth) continue;
    StaffSeed seed;
    seed.x = x;
    for (size_t k = 0; k < 5; ++k) seed.y[k] = runs[i + k].Centre();
    seeds.push_back(seed);
    i += 4;
  }
}

}  // namespace

std::vector<StaffSeed> FindSeeds(const StaffSamples& samples, const StaffSpacing& spacing) {
  std::vector<std::vector<StaffSeed>> byColumn(size_t(samples.columns));
  for (int c = 0; c < samples.columns; ++c)
    SeedsOfColumn(InkRuns(samples, c), samples.X(c), spacing, byColumn[size_t(c)]);
  // A seed that its neighbours see too is a staff rather than chance: tried first.
  std::vector<StaffSeed> seeds;
  for (int c = 0; c < samples.columns; ++c) {
    for (StaffSeed seed : byColumn[size_t(c)]) {
      for (int d = std::max(0, c - 2); d <= std::min(samples.columns - 1, c + 2); ++d) {
        if (d == c) continue;
        const double allowed = 0.3 * spacing.space + 0.25 * std::abs(d - c) * samples.step;
        for (const StaffSeed& other : byColumn[size_t(d)])
          if (std::abs(other.y[2] - seed.y[2]) <= allowed) ++seed.support;
      }
      seeds.push_back(seed);
    }
  }
  std::stable_sort(seeds.begin(), seeds.end(),
                   [](const StaffSeed& a, const StaffSeed& b) { return a.support > b.support; });
  return seeds;
}

}  // namespace scoreink
