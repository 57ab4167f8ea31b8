#pragma once
// Where a staff may be followed from: a sampled column that crosses five thin lines one staff
// space apart, with paper between them and no sixth line in step above or below (ruled paper,
// tables and tablature have more).
#include <array>
#include <vector>

#include "editing/staff/staff_samples.h"

namespace scoreink {

struct StaffSeed {
  int x = 0;                  // picture column
  std::array<double, 5> y{};  // centre rows of the five lines, top line first
  int support = 0;            // seeds in the neighbouring sampled columns that agree with it
};

// The seeds of all sampled columns (after MarkInk), the best supported first.
std::vector<StaffSeed> FindSeeds(const StaffSamples& samples, const StaffSpacing& spacing);

}  // namespace scoreink
