#pragma once
// The set of pixels a figure covers, gathered first and applied once per pixel afterwards:
// overlapping parts of one figure (the discs of a wide pen, the joins of a polyline) then
// count once, which is what lets a figure drawn twice in NotXor mode restore every pixel.
#include <QRect>
#include <vector>

namespace scoreink::raster {

// Pixels x0..x1 (inclusive) of row y.
struct Span {
  int y;
  int x0;
  int x1;
  bool operator==(const Span&) const = default;
};

// Row spans of the round pen of a given width, relative to the pixel it is centred on.
// Width 1 is the single pixel; an even width is centred half a pixel up and left.
class PenFootprint {
 public:
  explicit PenFootprint(int width);
  int Reach() const { return reach_; }  // no pixel lies further than this from the centre
  const std::vector<Span>& Rows() const { return rows_; }

 private:
  std::vector<Span> rows_;
  int reach_ = 0;
};

class Coverage {
 public:
  // Everything outside clip (the image) is dropped as it is added.
  explicit Coverage(const QRect& clip) : clip_(clip) {}

  const QRect& Clip() const { return clip_; }
  void AddSpan(int y, int x0, int x1);
  void AddPoint(int x, int y) { AddSpan(y, x, x); }
  void AddFootprint(int x, int y, const PenFootprint& pen);
  // The pen centred on each pixel of row y from x0 to x1.
  void AddFootprintRun(int y, int x0, int x1, const PenFootprint& pen);

  // Sorted by row and column, overlapping and touching spans merged: each pixel once.
  const std::vector<Span>& Spans();
  // Removes every pixel of other (both are normalised first).
  void Subtract(Coverage& other);
  bool IsEmpty() { return Spans().empty(); }
  QRect Bounds();

 private:
  QRect clip_;
  std::vector<Span> spans_;
  bool normalised_ = true;
};

}  // namespace scoreink::raster
