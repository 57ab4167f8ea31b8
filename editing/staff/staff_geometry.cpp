#include "editing/staff/staff_geometry.h"

#include <algorithm>

namespace scoreink {

Staff Staff::Straight(const std::array<double, 5>& lineY, double slope, int left, int right) {
  Staff staff;
  staff.left = left;
  staff.right = std::max(left, right);
  for (const int x : {staff.left, staff.right}) {
    StaffPoint point{double(x), {}};
    for (size_t k = 0; k < 5; ++k) point.y[k] = lineY[k] + slope * x;
    staff.points.push_back(point);
    if (staff.right == staff.left) break;
  }
  return staff;
}

double Staff::LineY(int line, double x) const {
  if (points.empty()) return 0;
  const size_t k = size_t(line);
  const size_t n = points.size();
  if (n == 1) return points[0].y[k];
  // The slope at point i: from its neighbours (Catmull-Rom), or of the end segment at the ends.
  auto slope = [&](size_t i) {
    const size_t a = i == 0 ? 0 : i - 1;
    const size_t b = i + 1 == n ? i : i + 1;
    const double run = points[b].x - points[a].x;
    return run > 0 ? (points[b].y[k] - points[a].y[k]) / run : 0.0;
  };
  if (x <= points[0].x) return points[0].y[k] + slope(0) * (x - points[0].x);
  if (x >= points[n - 1].x) return points[n - 1].y[k] + slope(n - 1) * (x - points[n - 1].x);
  const auto after = std::upper_bound(points.begin(), points.end(), x,
                                      [](double v, const StaffPoint& p) { return v < p.x; });
  const size_t i = size_t(after - points.begin()) - 1;
  const StaffPoint& p0 = points[i];
  const StaffPoint& p1 = points[i + 1];
  const double h = p1.x - p0.x;
  if (!(h > 0)) return p1.y[k];
  const double t = (x - p0.x) / h;
  // Cubic Hermite between the two points: the curve and its slope run on without a kink.
  const double t2 = t * t;
  const double t3 = t2 * t;
  return (2 * t3 - 3 * t2 + 1) * p0.y[k] + (t3 - 2 * t2 + t) * h * slope(i) +
         (-2 * t3 + 3 * t2) * p1.y[k] + (t3 - t2) * h * slope(i + 1);
}

double Staff::Space() const {
  if (points.empty()) return 0;
  double total = 0;
  for (const StaffPoint& p : points) total += (p.y[4] - p.y[0]) / 4;
  return total / double(points.size());
}

}  // namespace scoreink
