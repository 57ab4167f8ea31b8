#include "platform/raster/raster_coverage.h"

#include <algorithm>

namespace scoreink::raster {

PenFootprint::PenFootprint(int width) {
  if (width <= 1) {
    rows_.push_back({0, 0, 0});
    return;
  }
  // Pixel (dx, dy) belongs to the disc when its centre lies within width / 2 of the pen's
  // centre; in doubled units, with the centre at -1/2 for even widths.
  const int shift = width % 2 == 0 ? 1 : 0;
  const int lo = -(width / 2), hi = (width - 1) / 2;
  const long long limit = static_cast<long long>(width) * width;
  for (int dy = lo; dy <= hi; ++dy) {
    const long long ry = 2LL * dy + shift;
    int first = 1, last = 0;
    for (int dx = lo; dx <= hi; ++dx) {
      const long long rx = 2LL * dx + shift;
      if (rx * rx + ry * ry <= limit) {
        if (first > last) first = dx;
        last = dx;
      }
    }
    if (first <= last) rows_.push_back({dy, first, last});
  }
  reach_ = width / 2;
}

void Coverage::AddSpan(int y, int x0, int x1) {
  if (y < clip_.top() || y > clip_.bottom()) return;
  x0 = std::max(x0, clip_.left());
  x1 = std::min(x1, clip_.right());
  if (x0 > x1) return;
  spans_.push_back({y, x0, x1});
  normalised_ = false;
}

void Coverage::AddFootprint(int x, int y, const PenFootprint& pen) {
  for (const Span& row : pen.Rows()) AddSpan(y + row.y, x + row.x0, x + row.x1);
}

void Coverage::AddFootprintRun(int y, int x0, int x1, const PenFootprint& pen) {
  for (const Span& row : pen.Rows()) AddSpan(y + row.y, x0 + row.x0, x1 + row.x1);
}

const std::vector<Span>& Coverage::Spans() {
  if (normalised_) return spans_;
  std::sort(spans_.begin(), spans_.end(),
            [](const Span& a, const Span& b) { return a.y != b.y ? a.y < b.y : a.x0 < b.x0; });
  size_t kept = 0;
  for (const Span& span : spans_) {
    if (kept > 0 && spans_[kept - 1].y == span.y && span.x0 <= spans_[kept - 1].x1 + 1) {
      spans_[kept - 1].x1 = std::max(spans_[kept - 1].x1, span.x1);
    } else {
      spans_[kept++] = span;
    }
  }
  spans_.resize(kept);
  normalised_ = true;
  return spans_;
}

void Coverage::Subtract(Coverage& other) {
  const std::vector<Span>& mine = Spans();
  const std::vector<Span>& theirs = other.Spans();
  std::vector<Span> result;
  result.reserve(mine.size());
  size_t j = 0;
  for (Span span : mine) {
    while (j < theirs.size() &&
           (theirs[j].y < span.y || (theirs[j].y == span.y && theirs[j].x1 < span.x0))) {
      ++j;
    }
    // Cut away every span of other that overlaps this one, left to right.
    size_t k = j;
    while (span.x0 <= span.x1 && k < theirs.size() && theirs[k].y == span.y &&
           theirs[k].x0 <= span.x1) {
      if (theirs[k].x0 > span.x0) result.push_back({span.y, span.x0, theirs[k].x0 - 1});
      span.x0 = std::max(span.x0, theirs[k].x1 + 1);
      ++k;
    }
    if (span.x0 <= span.x1) result.push_back(span);
  }
  spans_ = std::move(result);
}

QRect Coverage::Bounds() {
  const std::vector<Span>& spans = Spans();
  if (spans.empty()) return QRect();
  int left = spans.front().x0, right = spans.front().x1;
  for (const Span& span : spans) {
    left = std::min(left, span.x0);
    right = std::max(right, span.x1);
  }
  return QRect(QPoint(left, spans.front().y), QPoint(right, spans.back().y));
}

}  // namespace scoreink::raster
