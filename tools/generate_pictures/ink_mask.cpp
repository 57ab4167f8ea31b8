#include "ink_mask.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <stdexcept>

namespace scoreink::tools {

InkMask::InkMask(int width, int height)
    : width_(width), height_(height), ink_(static_cast<size_t>(width) * height, false) {}

InkMask InkMask::FromRows(const std::vector<std::string>& rows) {
  const int width = rows.empty() ? 0 : static_cast<int>(rows.front().size());
  InkMask mask(width, static_cast<int>(rows.size()));
  for (int y = 0; y < mask.height(); ++y) {
    if (static_cast<int>(rows[y].size()) != width) {
      throw std::invalid_argument("pattern rows differ in length");
    }
    for (int x = 0; x < width; ++x) mask.Set(x, y, rows[y][x] == 'X');
  }
  return mask;
}

bool InkMask::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
  return ink_[static_cast<size_t>(y) * width_ + x];
}

void InkMask::Set(int x, int y, bool ink) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  ink_[static_cast<size_t>(y) * width_ + x] = ink;
}

void InkMask::FillRect(int x, int y, int w, int h, bool ink) {
  for (int row = y; row < y + h; ++row) {
    for (int col = x; col < x + w; ++col) Set(col, row, ink);
  }
}

void InkMask::Paint(const InkMask& other, int x, int y) {
  for (int row = 0; row < other.height(); ++row) {
    for (int col = 0; col < other.width(); ++col) {
      if (other.At(col, row)) Set(x + col, y + row);
    }
  }
}

InkMask InkMask::MirroredVertically() const {
  InkMask mirrored(width_, height_);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) mirrored.Set(x, height_ - 1 - y, At(x, y));
  }
  return mirrored;
}

int InkMask::InkCount() const {
  return static_cast<int>(std::count(ink_.begin(), ink_.end(), true));
}

InkMask RenderPath(const QPainterPath& path, QSize size, const QTransform& transform,
                   Rendering rendering) {
  QImage canvas(size, QImage::Format_RGB32);
  canvas.fill(Qt::white);
  {
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(transform);
    // Glyph outlines and overlapping glyphs of a run both need the non-zero rule.
    QPainterPath filled = path;
    filled.setFillRule(Qt::WindingFill);
    painter.fillPath(filled, Qt::black);
    if (rendering.embolden > 0) {
      QPen pen(Qt::black, rendering.embolden);
      pen.setCosmetic(true);  // width in pixels, whatever the scale
      painter.strokePath(filled, pen);
    }
  }
  // A grey level at or below this counts as covered enough.
  const int limit = static_cast<int>(255.0 * (1.0 - rendering.coverage) + 0.5);
  InkMask mask(size.width(), size.height());
  for (int y = 0; y < size.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
    for (int x = 0; x < size.width(); ++x) mask.Set(x, y, qGray(row[x]) <= limit);
  }
  return mask;
}

QTransform BoxTransform(const QPainterPath& path, const QRectF& box) {
  const QRectF bounds = path.boundingRect();
  QTransform transform;
  transform.translate(box.left(), box.top());
  transform.scale(box.width() / bounds.width(), box.height() / bounds.height());
  transform.translate(-bounds.left(), -bounds.top());
  return transform;
}

InkMask RenderPathInBox(const QPainterPath& path, QSize size, const QRectF& box,
                        Rendering rendering) {
  return RenderPath(path, size, BoxTransform(path, box), rendering);
}

}  // namespace scoreink::tools
