#pragma once
// Rules of the score surface that every tool shares: mapping view points to surface pixels,
// rectangles given by their edges, stamping pure-black ink, repainting from the blank page,
// and the geometry of the floating overlay.
//
// Rectangles are QRects built from left, top, right, bottom with right and bottom EXCLUSIVE:
// RectFromEdges(l, t, r, b) has width r - l. Never read QRect::right()/bottom() as the
// exclusive edge (they are inclusive); use x() + width() and y() + height().
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "editing/blank_page.h"

namespace scoreink {

// Surface pixel under a point of the stretched view: x = X * W div controlWidth, likewise y
// (truncating toward zero). A view of zero width or height maps to 0 on that axis.
QPoint ToBitmapPoint(QPoint control, QSize controlSize, QSize bitmapSize);

// QRect of the given edges, right and bottom exclusive. right <= left or bottom <= top gives
// an empty rectangle.
QRect RectFromEdges(int left, int top, int right, int bottom);

// The rectangle spanned by two corners, smaller coordinates first; equal values give an
// empty extent.
QRect NormalizeRect(int x1, int y1, int x2, int y2);

// Copies exactly the pure-black pixels (red, green and blue all 0) of sourceRect of source as
// black into destRect of dest; no other pixel is written and nothing is blended.
//  - The rectangles must have equal, positive sizes; otherwise nothing is written.
//  - Parts of either rectangle outside its picture are clipped away: nothing outside dest is
//    ever written and nothing outside source is read.
//  - An 8-bit dest keeps its format and gets its black index (index 0 with the fixed
//    palette), which is what a round trip through 24 bits and back gives. RGB888 and 32-bit
//    dests get black in place. Any other dest format is first set to 24 bits. Whole scan
//    lines are used; the page is never copied or converted otherwise.
//  - source and dest must be different pictures.
// Returns the rectangle of dest that the stamp covered (empty when nothing was stamped).
QRect StampBlack(const QImage& source, QImage& dest, const QRect& sourceRect,
                 const QRect& destRect);

// Repaints the rectangle spanned by (x1, y1) and (x2, y2) (right and bottom exclusive once
// normalised) from the blank page: user ink, key signatures and white strokes in it give way
// to the blank staff. The surface ends at 8 bits with the fixed palette (converted first only
// when it was not). Returns the rectangle repainted, clipped to the surface.
QRect RestoreFromTemplate(QImage& surface, int x1, int y1, int x2, int y2, const BlankPage& blank);

// Stamps a floating symbol: overlayOffset is the overlay's top-left minus the top-left of the
// score view (control pixels), viewSize the zoomed view's size. The offset maps to surface
// pixels as ToBitmapPoint does; the symbol's black pixels land there at its own size, clipped
// to the surface. The surface ends at 8 bits. Returns the rectangle stamped.
QRect StampSymbol(QImage& surface, const QImage& symbol, QPoint overlayOffset, QSize viewSize);
// The same with the symbol's top-left given in surface pixels.
QRect StampSymbolAt(QImage& surface, const QImage& symbol, QPoint at);

// Where a symbol released at control point `release` of the view floats: its zoomed size,
// centred on the release, the left raised to leftLimit and the top to 0 (both in control
// pixels; the right and bottom are not limited here, the stamp clips instead).
QRect SymbolOverlayRect(QPoint release, QPoint viewTopLeft, QSize symbolSize, int zoomPercent,
                        int leftLimit);

// Control pixels right of the view's left edge that a dragged overlay must keep.
inline constexpr int kOverlayLeftMargin = 26;

// New top-left of an overlay dragged with the pointer at `pointer` (relative to the overlay):
// centred on the pointer, then kept inside the view, its left at least kOverlayLeftMargin in
// from the view's left (that bound wins when both apply) and its top at least the view's top.
QPoint OverlayDragPosition(const QRect& overlay, QPoint pointer, const QRect& view);

// A point of a gesture being dragged: x raised to leftLimit, y to 0, then x lowered to W - 1
// and y to H - 1, in this order.
QPoint ClampGesturePoint(QPoint point, int leftLimit, QSize surfaceSize);

// The release point of a gesture: only x is raised to leftLimit.
QPoint ClampReleasePoint(QPoint point, int leftLimit);

}  // namespace scoreink
