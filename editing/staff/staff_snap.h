#pragma once
// Note heads sit on the lines and in the spaces of a staff: where a head placed near a staff
// moves to, and where its floating overlay goes for that in the zoomed view.
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <optional>

#include "editing/staff/staff_detection.h"

namespace scoreink {

// How far above the top line and below the bottom line heads still snap, in staff spaces:
// the places of up to three ledger lines.
inline constexpr int kLedgerSpaces = 3;

// The row that a note head centred at (x, y) (surface pixels) moves to: the nearest line or
// space of the staff under it, followed along the staff's skew; the ledger places up to
// kLedgerSpaces spaces out count too. std::nullopt far from every staff: above or below one by
// more than that (between systems), or beyond its ends.
std::optional<double> SnapToStaff(const StaffGeometry& staves, double x, double y);

// The control offset whose surface pixel, as the stamp maps it back (ToBitmapPoint), lies
// nearest to surfacePixel; at 100 percent and above it maps back exactly.
int ControlOffsetFor(int surfacePixel, int controlExtent, int bitmapExtent);

// The top (control pixels, as the overlay's own) at which a floating note head, whose centre
// lies at headCentre within its picture, has that centre on the nearest line or space. view is
// the score view's geometry beside the overlay. The overlay's own top when no staff is near.
int SnappedOverlayTop(const StaffGeometry& staves, QPoint overlayTopLeft, QPointF headCentre,
                      const QRect& view, QSize surfaceSize);

}  // namespace scoreink
