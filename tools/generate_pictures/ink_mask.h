#pragma once
// A two-colour drawing: each pixel is ink or background. The generator draws every picture
// as a mask first and gives it colours only when it writes the file.
#include <QPainterPath>
#include <QRectF>
#include <QSize>
#include <QTransform>
#include <string>
#include <vector>

namespace scoreink::tools {

class InkMask {
 public:
  InkMask(int width, int height);
  // One string per row, 'X' for ink and anything else for background; rows of equal length.
  static InkMask FromRows(const std::vector<std::string>& rows);

  int width() const { return width_; }
  int height() const { return height_; }
  // Background outside the mask.
  bool At(int x, int y) const;
  // Ignored outside the mask.
  void Set(int x, int y, bool ink = true);
  void FillRect(int x, int y, int w, int h, bool ink = true);
  // Adds the ink of other with its top-left at (x, y), clipped to this mask.
  void Paint(const InkMask& other, int x, int y);
  // Top row becomes bottom row.
  InkMask MirroredVertically() const;
  int InkCount() const;

 private:
  int width_;
  int height_;
  std::vector<bool> ink_;
};

// How a glyph outline becomes pixels.
struct Rendering {
  // A pixel is ink when the outline covers at least this fraction of it.
  double coverage = 0.5;
  // Width in pixels of a pen drawn along the outline: keeps hairlines (rest stems, flag
  // tails) from breaking apart at palette sizes.
  double embolden = 0;
};

// Fills path antialiased on a white RGB32 picture of the given size, after mapping it by
// transform, and keeps the pixels that the rendering counts as ink.
InkMask RenderPath(const QPainterPath& path, QSize size, const QTransform& transform,
                   Rendering rendering);

// Maps the path's bounding box onto box, each axis on its own.
QTransform BoxTransform(const QPainterPath& path, const QRectF& box);

// RenderPath with the path's bounding box stretched onto box (BoxTransform).
InkMask RenderPathInBox(const QPainterPath& path, QSize size, const QRectF& box,
                        Rendering rendering);

}  // namespace scoreink::tools
