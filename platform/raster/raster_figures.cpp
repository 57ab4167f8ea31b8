#include "platform/raster/raster_figures.h"

#include <algorithm>
#include <cmath>

namespace scoreink::raster {
namespace {

__extension__ using Wide = __int128;  // exact products for lines with absurd coordinates

// The rectangle in which a pen centre can still touch the clip.
QRect Reachable(const Coverage& coverage, const PenFootprint& pen) {
  const int r = pen.Reach() + 1;
  return coverage.Clip().adjusted(-r, -r, r, r);
}

// Point t of the line from a (t = 0) to a + (dx, dy) (t = n), n the larger of |dx| and |dy|:
// the minor coordinate is the exact share rounded half up, as Bresenham's steps give it.
struct LineSteps {
  long long ax, ay, dx, dy, n;

  static long long Share(long long t, long long d, long long n) {
    const Wide s = (Wide(2) * t * (d < 0 ? -d : d) + n) / (Wide(2) * n);
    return d < 0 ? -static_cast<long long>(s) : static_cast<long long>(s);
  }
  long long X(long long t) const { return ax + Share(t, dx, n); }
  long long Y(long long t) const { return ay + Share(t, dy, n); }
};

// Smallest t in [lo, hi] for which pred holds, hi + 1 if none; pred must be monotone.
template <class Pred>
long long FirstTrue(long long lo, long long hi, Pred pred) {
  long long end = hi + 1;
  while (lo < end) {
    const long long mid = lo + (end - lo) / 2;
    if (pred(mid)) {
      end = mid;
    } else {
      lo = mid + 1;
    }
  }
  return lo;
}

// Narrows [t0, t1] to the steps whose coordinate (monotone in t) lies in [lo, hi].
template <class Coord>
void ClipSteps(long long& t0, long long& t1, long long d, long long lo, long long hi, Coord c) {
  const long long first = t0, last = t1;
  if (d >= 0) {
    t0 = std::max(t0, FirstTrue(first, last, [&](long long t) { return c(t) >= lo; }));
    t1 = std::min(t1, FirstTrue(first, last, [&](long long t) { return c(t) > hi; }) - 1);
  } else {
    t0 = std::max(t0, FirstTrue(first, last, [&](long long t) { return c(t) <= hi; }));
    t1 = std::min(t1, FirstTrue(first, last, [&](long long t) { return c(t) < lo; }) - 1);
  }
}

bool DotOn(const FigurePen& pen, long long step) {
  return !pen.dotted || (pen.dotPhase + step) % 2 == 0;
}

// Row spans of the ellipse inscribed in box: pixel centres within the ellipse that touches
// the box's outer edges. False for a row without pixels.
bool EllipseRow(const QRect& box, int y, int& x0, int& x1) {
  if (y < box.top() || y > box.bottom()) return false;
  const double w = box.width(), h = box.height();
  const double v = (2.0 * y + 1.0 - box.top() - (box.bottom() + 1.0)) / h;
  long long k =
      static_cast<long long>(std::floor(w * std::sqrt(std::max(0.0, 1.0 - v * v)) + 1e-9));
  // 2x - left - right must equal +-k, so k takes the parity of the width minus one.
  if ((k - (box.width() - 1)) % 2 != 0) --k;
  if (k < 0) return false;
  const long long sum = static_cast<long long>(box.left()) + box.right();
  x0 = static_cast<int>((sum - k) / 2);
  x1 = static_cast<int>((sum + k) / 2);
  return true;
}

// Visits rows y0..y1 of the ellipse with the row's span and the part of it that lies inside
// the one-pixel outline (empty when inner.x0 > inner.x1).
template <class Visit>
void ForEachEllipseRow(const QRect& box, int y0, int y1, Visit visit) {
  for (int y = std::max(y0, box.top()); y <= std::min(y1, box.bottom()); ++y) {
    Span row{y, 0, -1}, above{}, below{};
    if (!EllipseRow(box, y, row.x0, row.x1)) continue;
    Span inner{y, 1, 0};
    if (EllipseRow(box, y - 1, above.x0, above.x1) && EllipseRow(box, y + 1, below.x0, below.x1)) {
      inner.x0 = std::max({row.x0 + 1, above.x0, below.x0});
      inner.x1 = std::min({row.x1 - 1, above.x1, below.x1});
    }
    visit(row, inner);
  }
}

}  // namespace

long long AddLine(Coverage& coverage, QPoint a, QPoint b, const FigurePen& pen) {
  const long long dx = static_cast<long long>(b.x()) - a.x();
  const long long dy = static_cast<long long>(b.y()) - a.y();
  const long long n = std::max(std::llabs(dx), std::llabs(dy));
  if (n == 0) return 0;  // a line to where the pen stands draws nothing
  const LineSteps line{a.x(), a.y(), dx, dy, n};
  const bool thin = pen.footprint.Reach() == 0;
  const QRect bounds = thin ? coverage.Clip() : Reachable(coverage, pen.footprint);
  long long t0 = 0, t1 = thin ? n - 1 : n;
  ClipSteps(t0, t1, dx, bounds.left(), bounds.right(), [&](long long t) { return line.X(t); });
  ClipSteps(t0, t1, dy, bounds.top(), bounds.bottom(), [&](long long t) { return line.Y(t); });
  for (long long t = t0; t <= t1; ++t) {
    const int x = static_cast<int>(line.X(t)), y = static_cast<int>(line.Y(t));
    if (!thin) {
      coverage.AddFootprint(x, y, pen.footprint);
    } else if (DotOn(pen, t)) {
      coverage.AddPoint(x, y);
    }
  }
  return n;
}

void AddRectangleOutline(Coverage& coverage, const QRect& box, const FigurePen& pen) {
  const QRect reach = Reachable(coverage, pen.footprint);
  const int rowFrom = std::max(box.top() + 1, reach.top());
  const int rowTo = std::min(box.bottom() - 1, reach.bottom());
  if (pen.dotted) {
    // Walking round the border changes x + y by one at each step.
    auto put = [&](int x, int y) {
      if (DotOn(pen, x - box.left() + y - box.top())) coverage.AddPoint(x, y);
    };
    const int from = std::max(box.left(), reach.left()), to = std::min(box.right(), reach.right());
    for (int x = from; x <= to; ++x) {
      put(x, box.top());
      if (box.bottom() != box.top()) put(x, box.bottom());
    }
    for (int y = rowFrom; y <= rowTo; ++y) {
      put(box.left(), y);
      if (box.right() != box.left()) put(box.right(), y);
    }
    return;
  }
  coverage.AddFootprintRun(box.top(), box.left(), box.right(), pen.footprint);
  coverage.AddFootprintRun(box.bottom(), box.left(), box.right(), pen.footprint);
  for (int y = rowFrom; y <= rowTo; ++y) {
    coverage.AddFootprint(box.left(), y, pen.footprint);
    coverage.AddFootprint(box.right(), y, pen.footprint);
  }
}

void AddRectangleInterior(Coverage& coverage, const QRect& box) {
  const int from = std::max(box.top() + 1, coverage.Clip().top());
  const int to = std::min(box.bottom() - 1, coverage.Clip().bottom());
  for (int y = from; y <= to; ++y) coverage.AddSpan(y, box.left() + 1, box.right() - 1);
}

void AddEllipseOutline(Coverage& coverage, const QRect& box, const FigurePen& pen) {
  const QRect reach = Reachable(coverage, pen.footprint);
  std::vector<QPoint> dots;
  ForEachEllipseRow(box, reach.top(), reach.bottom(), [&](const Span& row, const Span& inner) {
    const Span parts[2] = {{row.y, row.x0, inner.x0 > inner.x1 ? row.x1 : inner.x0 - 1},
                           {row.y, inner.x0 > inner.x1 ? row.x1 + 1 : inner.x1 + 1, row.x1}};
    for (const Span& part : parts) {
      if (part.x0 > part.x1) continue;
      if (pen.dotted) {
        for (int x = std::max(part.x0, reach.left()); x <= std::min(part.x1, reach.right()); ++x)
          dots.emplace_back(x, part.y);
      } else {
        coverage.AddFootprintRun(part.y, part.x0, part.x1, pen.footprint);
      }
    }
  });
  if (!pen.dotted) return;
  // Along the outline: the order of the pixels' angles around the centre.
  const double cx = (box.left() + box.right()) / 2.0, cy = (box.top() + box.bottom()) / 2.0;
  std::sort(dots.begin(), dots.end(), [&](QPoint p, QPoint q) {
    return std::atan2(p.y() - cy, p.x() - cx) < std::atan2(q.y() - cy, q.x() - cx);
  });
  for (size_t i = 0; i < dots.size(); ++i) {
    if (DotOn(pen, static_cast<long long>(i))) coverage.AddPoint(dots[i].x(), dots[i].y());
  }
}

void AddEllipseInterior(Coverage& coverage, const QRect& box) {
  ForEachEllipseRow(
      box, coverage.Clip().top(), coverage.Clip().bottom(),
      [&](const Span&, const Span& inner) { coverage.AddSpan(inner.y, inner.x0, inner.x1); });
}

std::vector<QPoint> BezierChain(const std::array<QPoint, 4>& p) {
  // Enough samples that neighbouring samples lie at most one pixel apart in x and in y:
  // the curve's speed never exceeds three times its longest control leg.
  long long leg = 0;
  for (int i = 0; i < 3; ++i) {
    leg = std::max({leg, std::llabs(static_cast<long long>(p[i + 1].x()) - p[i].x()),
                    std::llabs(static_cast<long long>(p[i + 1].y()) - p[i].y())});
  }
  constexpr long long kMaxSamples = 1 << 22;  // only for curves reaching far off any page
  const long long samples = std::clamp<long long>(3 * leg, 1, kMaxSamples);
  std::vector<QPoint> chain;
  auto add = [&](QPoint q) {
    if (!chain.empty() && chain.back() == q) return;
    // A pixel whose neighbours touch each other is a corner the curve does not need.
    while (chain.size() >= 2 && std::abs(chain[chain.size() - 2].x() - q.x()) <= 1 &&
           std::abs(chain[chain.size() - 2].y() - q.y()) <= 1) {
      chain.pop_back();
    }
    if (chain.empty() || chain.back() != q) chain.push_back(q);
  };
  for (long long i = 0; i <= samples; ++i) {
    const double t = static_cast<double>(i) / static_cast<double>(samples), u = 1.0 - t;
    const double w0 = u * u * u, w1 = 3 * u * u * t, w2 = 3 * u * t * t, w3 = t * t * t;
    const double x = w0 * p[0].x() + w1 * p[1].x() + w2 * p[2].x() + w3 * p[3].x();
    const double y = w0 * p[0].y() + w1 * p[1].y() + w2 * p[2].y() + w3 * p[3].y();
    add(QPoint(static_cast<int>(std::floor(x + 0.5)), static_cast<int>(std::floor(y + 0.5))));
  }
  return chain;
}

void AddBezier(Coverage& coverage, const std::array<QPoint, 4>& p, const FigurePen& pen) {
  // The curve lies inside its control points' hull: skip it when that is out of reach.
  QRect hull(p[0], p[0]);
  for (const QPoint& q : p) hull |= QRect(q, q);
  if (!hull.intersects(Reachable(coverage, pen.footprint))) return;
  const std::vector<QPoint> chain = BezierChain(p);
  const bool thin = pen.footprint.Reach() == 0;
  for (size_t i = 0; i < chain.size(); ++i) {
    if (!thin) {
      coverage.AddFootprint(chain[i].x(), chain[i].y(), pen.footprint);
    } else if (DotOn(pen, static_cast<long long>(i))) {
      coverage.AddPoint(chain[i].x(), chain[i].y());
    }
  }
}

}  // namespace scoreink::raster
