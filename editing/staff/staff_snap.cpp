#include "editing/staff/staff_snap.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "editing/surface_rules.h"

namespace scoreink {
namespace {

// Beyond its ends a staff still takes symbols this many spaces out: its ends are found within
// a space, and a symbol dropped just past the last bar line is still meant for it.
constexpr int kEndSpaces = 2;

// Row of place m of a staff at column x, in half spaces from the top line: the lines at
// 0, 2 ... 8, the spaces between them, the ledger places beyond, spaced as the staff is there.
double PlaceRow(const Staff& staff, int m, double x) {
  const double half = staff.Space(x) / 2;
  if (m < 0) return staff.LineY(0, x) + m * half;
  if (m > 8) return staff.LineY(4, x) + (m - 8) * half;
  if (m % 2 == 0) return staff.LineY(m / 2, x);
  return 0.5 * (staff.LineY(m / 2, x) + staff.LineY(m / 2 + 1, x));
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

bool Allowed(StaffPlaces places, int m) {
  switch (places) {
    case StaffPlaces::None:
      return false;
    case StaffPlaces::LinesOrSpaces:
      return true;
    case StaffPlaces::Lines:
      return m % 2 == 0;
    case StaffPlaces::Spaces:
      return m % 2 != 0;
  }
  return false;
}

}  // namespace

std::optional<double> SnapToStaff(const StaffGeometry& staves, double x, double y,
                                  StaffPlaces places) {
  if (places == StaffPlaces::None) return std::nullopt;
  const Staff* under = nullptr;
  double underDistance = 0;
  for (const Staff& staff : staves.staves) {
    const double space = staff.Space(std::clamp(x, double(staff.left), double(staff.right)));
    const double reach = (kLedgerSpaces + 0.25) * space;
    if (x < staff.left - kEndSpaces * space || x > staff.right + kEndSpaces * space) continue;
    const double top = staff.LineY(0, x);
    const double bottom = staff.LineY(4, x);
    if (y < top - reach || y > bottom + reach) continue;
    const double distance = y < top ? top - y : (y > bottom ? y - bottom : 0);
    if (!under || distance < underDistance) {
      under = &staff;
      underDistance = distance;
    }
  }
  if (!under) return std::nullopt;
  std::optional<double> nearest;
  for (int m = -2 * kLedgerSpaces; m <= 8 + 2 * kLedgerSpaces; ++m) {
    if (!Allowed(places, m)) continue;
    const double row = PlaceRow(*under, m, x);
    if (!nearest || std::abs(row - y) < std::abs(*nearest - y)) nearest = row;
  }
  return nearest;
}

int ControlOffsetFor(int surfacePixel, int controlExtent, int bitmapExtent) {
  if (controlExtent <= 0 || bitmapExtent <= 0) return 0;
  const std::int64_t s = surfacePixel;
  const std::int64_t c = controlExtent;
  const std::int64_t b = bitmapExtent;
  // The first offset that maps to surfacePixel or beyond, and the one before it.
  const std::int64_t after = -FloorDiv(-s * c, b);
  const std::int64_t before = after - 1;
  const std::int64_t afterPixel = FloorDiv(after * b, c);
  const std::int64_t beforePixel = FloorDiv(before * b, c);
  return int(afterPixel - s <= s - beforePixel ? after : before);
}

int SnappedOverlayTop(const StaffGeometry& staves, QPoint overlayTopLeft, QPointF anchor,
                      StaffPlaces places, const QRect& view, QSize surfaceSize) {
  const QPoint at = ToBitmapPoint(overlayTopLeft - view.topLeft(), view.size(), surfaceSize);
  const std::optional<double> row =
      SnapToStaff(staves, at.x() + anchor.x(), at.y() + anchor.y(), places);
  if (!row) return overlayTopLeft.y();
  const int top = int(std::lround(*row - anchor.y()));
  return view.y() + ControlOffsetFor(top, view.height(), surfaceSize.height());
}

}  // namespace scoreink
