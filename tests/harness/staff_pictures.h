#pragma once
// Score pages the tests draw themselves, with the truth about their staves and heads: staff
// systems at a chosen staff space and line thickness, with notes, a beam and a slur, optionally
// text, grey paper, noise, a skew, a bend, blur, 1-bit lines broken by gaps, marks crossing the
// lines near the ends, uneven systems, ledger heads and a JPEG round trip; and pages without
// any staff.
#include <QImage>
#include <QSize>
#include <array>
#include <vector>

namespace scoreink::test {

struct StaffPageRecipe {
  double space = 12.5;  // centre of one line to the next
  int thickness = 2;
  double skewDegrees = 0;      // the whole page turned about its centre
  int paper = 255;             // paper brightness
  double noise = 0;            // standard deviation of the grain added to every pixel
  bool jpeg = false;           // written and read back through the program's JPEG codec
  bool text = false;           // a title and lyrics between the staves
  int ink = 0;                 // ink brightness: 0 is the user's black
  double bend = 0;             // staff spaces the middle of the page sags below its sides
  double blur = 0;             // radius in pixels of the blur of a soft scan
  bool oneBit = false;         // black and white only, the lines broken by gaps of a few pixels
  bool crossings = false;      // text, hairpins, beams and slurs across the lines near both ends
  bool unevenSystems = false;  // the first staff indented after a name, the last one short
  bool ledgerHeads = false;    // heads up to four spaces above and below, and in the last bar
  bool tablature = false;      // every other staff six lines with fret numbers: no staff
  int lineGrey = -1;           // staff lines lighter than the ink (a soft photo); -1: ink
};

// How far column x of a page `width` wide sags when its middle sags by `depth` rows.
inline double PageSag(double depth, int width, double x) {
  const double u = x / width;
  return 4 * depth * u * (1 - u);
}

struct DrawnStaff {
  std::array<double, 5> lineY{};  // centre row of each line at column 0, before the sag
  double slope = 0;
  int left = 0;  // the columns the lines run over
  int right = 0;
  double sag = 0;  // rows the middle of the page sags (see PageSag)
  int width = 1;   // of the page
  double LineY(int line, double x) const {
    return lineY[size_t(line)] + slope * x + PageSag(sag, width, x);
  }
};

// A note head as drawn: its centre in pixel-index coordinates and its place in half spaces
// from the top line (0 top line, 8 bottom line, negative above, over 8 below).
struct DrawnHead {
  int staff;
  double x;
  double y;
  int place;
};

struct StaffPage {
  QImage picture;  // 8 bits with the fixed palette, as an opened score is
  std::vector<DrawnStaff> staves;
  std::vector<DrawnHead> heads;
};

StaffPage DrawStaffPage(const StaffPageRecipe& recipe);

// Pages with no staff at all: lined writing paper has many even lines and a margin line, a
// table ruled rows with text and column rules, short tables four rows between five rules and
// no column rules, graph paper a grid; percussion staves have one
// line and tablature six, with notes or fret numbers on them.
enum class StafflessPage {
  Blank,
  GreyNoise,
  Text,
  Photo,
  RuledPaper,
  Table,
  ShortTables,
  Grid,
  SingleLineStaff,
  TablatureStaff
};
QImage DrawStafflessPage(StafflessPage kind);

}  // namespace scoreink::test
