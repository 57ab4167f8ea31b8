#pragma once
// Finding the staves of a score picture: how thick its staff lines are, how far apart they
// lie (the staff space), and where the five lines of each staff run, following a scan that
// is a little skewed. Tolerates grey paper, scanner noise, JPEG artefacts, and text, beams
// and slurs on the page; a picture without staves gives none.
//
// Rows are counted as pixel indices: a line covering rows 57 and 58 lies at 57.5.
#include <QImage>
#include <array>
#include <vector>

namespace scoreink {

// The staff space of the blank page: its lines lie 12 and 13 rows apart in turn.
inline constexpr double kBlankPageStaffSpace = 12.5;

// One staff: five straight lines with a common slope, top line first.
struct Staff {
  std::array<double, 5> lineY{};  // centre row of each line at column 0
  double slope = 0;               // rows per column: the skew of the scan
  int left = 0;                   // the columns the staff was seen in
  int right = 0;

  double LineY(int line, double x) const { return lineY[size_t(line)] + slope * x; }
  // Distance between neighbouring lines of this staff.
  double Space() const { return (lineY[4] - lineY[0]) / 4; }
};

struct StaffGeometry {
  double lineThickness = 0;   // rows
  double staffSpace = 0;      // distance between the centres of neighbouring lines
  std::vector<Staff> staves;  // top to bottom

  bool Found() const { return !staves.empty(); }
};

// Finds the staves of picture (any format; 8-bit, 24-bit and 32-bit pictures are read
// straight from their scan lines). Samples a few hundred columns across the page rather than
// every pixel. No staff, a blank or unreadable picture: an empty geometry.
StaffGeometry FindStaves(const QImage& picture);

}  // namespace scoreink
