#pragma once
// The first steps of finding staves: the brightness of one to three hundred columns sampled across
// a picture, the split between ink and paper, and the distance between neighbouring lines that is
// most common down those columns.
#include <QImage>
#include <array>
#include <vector>

namespace scoreink {

// The sampled columns, one after the other: scan lines are read once, whole, and only the
// sampled bytes of each are kept.
struct StaffSamples {
  int columns = 0;
  int rows = 0;
  int first = 0;              // picture column of the first sample
  int step = 1;               // pixels between sampled columns
  std::vector<uchar> values;  // values[c * rows + y]: brightness, after MarkInk 1 for ink
  std::array<int, 256> histogram{};
  int inkBelow = 0;  // after MarkInk: the brightness below which a pixel is ink
  int paper = 255;   // after MarkInk: the usual brightness of the paper

  int X(int c) const { return first + c * step; }
  const uchar* Column(int c) const { return values.data() + size_t(c) * size_t(rows); }
};

// A run of ink down one sampled column (after MarkInk): its first row and how many rows.
struct InkRun {
  int start;
  int length;
  double Centre() const { return start + 0.5 * (length - 1); }
};

// The runs of ink down sampled column c, top to bottom.
std::vector<InkRun> InkRuns(const StaffSamples& samples, int c);

// About 320 columns evenly across picture (128 across a large scan) (any format; 8-bit, 24-bit and
// 32-bit pictures straight from their scan lines), with the histogram of their brightness.
StaffSamples SampleColumns(const QImage& picture);

// Turns the samples into ink (1) and paper (0) at the brightness that best splits them
// (Otsu's method). False, changing nothing, when the page holds no ink worth the name: hardly
// any, or hardly darker than the paper.
bool MarkInk(StaffSamples& samples);

struct StaffSpacing {
  double space = 0;      // centre of one line to the next
  double thickness = 0;  // rows
};

// The most common distance between neighbouring lines of equal thickness down the sampled
// columns, and the usual thickness of those lines; a space of 0 when no distance is common
// enough for staves.
StaffSpacing CommonSpacing(const StaffSamples& samples);

}  // namespace scoreink
