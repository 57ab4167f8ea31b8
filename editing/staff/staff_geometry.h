#pragma once
// Where the staves of a score lie: how thick their lines are, how far apart, and where the
// five lines of each staff run. A page that bends (a photo of an open book, a scan near the
// spine) bends its staves, so a staff's lines are known at points along it and joined
// smoothly between them.
//
// Rows are counted as pixel indices: a line covering rows 57 and 58 lies at 57.5.
#include <array>
#include <vector>

namespace scoreink {

// The staff space of the blank page: its lines lie 12 and 13 rows apart in turn.
inline constexpr double kBlankPageStaffSpace = 12.5;

// The centre rows of a staff's five lines at one column, top line first.
struct StaffPoint {
  double x = 0;
  std::array<double, 5> y{};
};

struct Staff {
  std::vector<StaffPoint> points;  // left to right; at least one
  int left = 0;                    // the columns the lines run over
  int right = 0;

  // Five straight parallel lines: lineY at column 0, rising slope rows per column.
  static Staff Straight(const std::array<double, 5>& lineY, double slope, int left, int right);

  // Centre row of a line (0 top .. 4 bottom) at column x: a smooth curve through the points,
  // going on straight beyond the first and the last.
  double LineY(int line, double x) const;
  // Distance between neighbouring lines at column x, and its mean along the staff.
  double Space(double x) const { return (LineY(4, x) - LineY(0, x)) / 4; }
  double Space() const;
};

struct StaffGeometry {
  double lineThickness = 0;   // rows
  double staffSpace = 0;      // distance between the centres of neighbouring lines
  std::vector<Staff> staves;  // top to bottom

  bool Found() const { return !staves.empty(); }
};

}  // namespace scoreink
