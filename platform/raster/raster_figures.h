#pragma once
// The pixels of the canvas's figures, gathered into a Coverage. Every figure visits only
// the part of it that can reach the coverage's clip, so a short stroke on a big page costs
// what the stroke costs, and a line thrown far outside costs nothing.
#include <QPoint>
#include <QRect>
#include <array>
#include <vector>

#include "platform/raster/raster_coverage.h"

namespace scoreink::raster {

// Pen as a figure sees it: its footprint, and whether a one-pixel pen is dotted (every
// other pixel along the figure on, starting with the first when dotPhase is even).
struct FigurePen {
  const PenFootprint& footprint;
  bool dotted = false;
  int dotPhase = 0;
};

// Line from a to b. A one-pixel pen steps as Bresenham's algorithm and leaves out b; a
// wider pen covers the union of its discs along the line, both ends included. Returns the
// number of steps (points) the line has, end excluded, for continuing a dot pattern.
long long AddLine(Coverage& coverage, QPoint a, QPoint b, const FigurePen& pen);

// Outline of the box (right and bottom inclusive here), centred on its border pixels.
void AddRectangleOutline(Coverage& coverage, const QRect& box, const FigurePen& pen);
// Pixels strictly inside the one-pixel border of the box.
void AddRectangleInterior(Coverage& coverage, const QRect& box);

// Ellipse inscribed in the box (right and bottom inclusive here): the outline with the pen,
// and the region that the outline encloses.
void AddEllipseOutline(Coverage& coverage, const QRect& box, const FigurePen& pen);
void AddEllipseInterior(Coverage& coverage, const QRect& box);

// One cubic Bezier from p[0] to p[3], as a chain of 8-connected pixels including both ends.
void AddBezier(Coverage& coverage, const std::array<QPoint, 4>& p, const FigurePen& pen);

// The chain of pixels the Bezier passes through: each one a king's step from the previous.
std::vector<QPoint> BezierChain(const std::array<QPoint, 4>& p);

}  // namespace scoreink::raster
