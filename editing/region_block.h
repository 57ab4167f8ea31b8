#pragma once
// The block of the region move and copy tools: which rectangle a selection lifts, where the
// lifted block floats over the zoomed view, the user's ink it carries, and its dotted frame.
//
// Rectangles are right and bottom exclusive, as in surface_rules.h.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace scoreink {

// The rectangle a selection from `start` to `end` lifts: spanned by the two corners (smaller
// coordinates first) and cut to the surface, so that a release past the right or bottom edge
// lifts up to the edge. Empty when the selection has no width or height inside the surface.
QRect SelectedBlock(QPoint start, QPoint end, QSize surfaceSize);

// Where a block lifted from `block` (surface pixels) floats over the view `view` (control
// rectangle of the zoomed score): left = L * viewWidth div W + view left, width =
// w * viewWidth div W, and likewise vertically (truncating). An empty surface gives an empty
// rectangle at the view's top-left.
QRect BlockOverlayRect(const QRect& block, QSize surfaceSize, const QRect& view);

// The user's ink of `rect` of the surface: a new white 24-bit bitmap of rect's size holding
// exactly the pure-black pixels of the surface inside rect, nothing else (staff lines and
// key signatures are not black and stay behind). Parts of rect outside the surface stay
// white. Reads only the rectangle; the surface is neither copied nor converted. Null when
// rect is empty or the bitmap cannot be allocated.
QImage LiftBlackInk(const QImage& surface, const QRect& rect);

// Draws the block's frame onto its own bitmap: a one-pixel black dotted line from (0, 0)
// along the top, right, bottom and left edges back to (0, 0), every other pixel on. The
// bitmap must be 8-bit or 24-bit (a floating block is 24-bit).
void DrawBlockFrame(QImage& block);

}  // namespace scoreink
