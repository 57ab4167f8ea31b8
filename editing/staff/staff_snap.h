#pragma once
// Note heads sit on the lines and in the spaces of a staff: where a symbol placed near a staff
// moves to, and where its floating overlay goes for that in the zoomed view.
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <optional>

#include "editing/staff/staff_detection.h"

namespace scoreink {

// How far above the top line and below the bottom line symbols still snap, in staff spaces:
// the places of up to four ledger lines.
inline constexpr int kLedgerSpaces = 4;

// The places of a staff a symbol may take.
enum class StaffPlaces {
  None,           // placed where it is dropped
  LinesOrSpaces,  // heads, accidentals
  Lines,          // a head drawn with its ledger line through it
  Spaces,         // augmentation dots
};

// The row that a symbol whose anchor lies at (x, y) (surface pixels) moves to: the nearest of
// the allowed places of the staff under it, followed along the staff's skew and bend; the
// ledger places up to kLedgerSpaces spaces out count too. std::nullopt far from every staff:
// above or below one by more than that (between systems), or beyond its ends; and for None.
std::optional<double> SnapToStaff(const StaffGeometry& staves, double x, double y,
                                  StaffPlaces places = StaffPlaces::LinesOrSpaces);

// The control offset whose surface pixel, as the stamp maps it back (ToBitmapPoint), lies
// nearest to surfacePixel; at 100 percent and above it maps back exactly.
int ControlOffsetFor(int surfacePixel, int controlExtent, int bitmapExtent);

// The top (control pixels, as the overlay's own) at which a floating symbol, whose anchor lies
// at anchor within its picture, has that anchor on the nearest allowed place. view is the
// score view's geometry beside the overlay. The overlay's own top when no staff is near.
int SnappedOverlayTop(const StaffGeometry& staves, QPoint overlayTopLeft, QPointF anchor,
                      StaffPlaces places, const QRect& view, QSize surfaceSize);

}  // namespace scoreink
