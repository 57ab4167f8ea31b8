#pragma once
// Score pages the tests draw themselves, with the truth about their staves: staff systems at
// a chosen staff space and line thickness, with notes, a beam and a slur, optionally text,
// grey paper, noise, a skew and a JPEG round trip; and pages without any staff.
#include <QImage>
#include <QSize>
#include <array>
#include <vector>

namespace scoreink::test {

struct StaffPageRecipe {
  double space = 12.5;  // centre of one line to the next
  int thickness = 2;
  double skewDegrees = 0;  // the whole page turned about its centre
  int paper = 255;         // paper brightness
  double noise = 0;        // standard deviation of the grain added to every pixel
  bool jpeg = false;       // written and read back through the program's JPEG codec
  bool text = false;       // a title and lyrics between the staves
  int ink = 0;             // ink brightness: 0 is the user's black
};

struct DrawnStaff {
  std::array<double, 5> lineY{};  // centre row of each line at column 0
  double slope = 0;
  int left = 0;  // the columns the lines run over
  int right = 0;
  double LineY(int line, double x) const { return lineY[size_t(line)] + slope * x; }
};

struct StaffPage {
  QImage picture;  // 8 bits with the fixed palette, as an opened score is
  std::vector<DrawnStaff> staves;
};

StaffPage DrawStaffPage(const StaffPageRecipe& recipe);

// Pages with no staff at all.
enum class StafflessPage { Blank, GreyNoise, Text, Photo };
QImage DrawStafflessPage(StafflessPage kind);

}  // namespace scoreink::test
