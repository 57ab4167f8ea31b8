#pragma once
// Following a staff from a seed to both of its ends: every few staff spaces the five lines are
// found again near where the last ones point, through beams, slurs, text and heads that cross
// them, gaps in broken lines and the bend of a page; the ends are then sought column by
// column, reading only the rows of the lines.
#include <optional>

#include "editing/staff/staff_geometry.h"
#include "editing/staff/staff_pixels.h"
#include "editing/staff/staff_samples.h"
#include "editing/staff/staff_seeds.h"

namespace scoreink {

// The staff through seed, or nothing when its lines cannot be followed for a few spaces or
// when a sixth line runs in step with them along most of it (tablature, ruled paper).
std::optional<Staff> FollowStaff(const PixelReader& pixels, const StaffSpacing& spacing,
                                 const StaffSeed& seed);

}  // namespace scoreink
