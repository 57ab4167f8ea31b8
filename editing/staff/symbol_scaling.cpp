#include "editing/staff/symbol_scaling.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"

namespace scoreink {
namespace {

// 1 where the symbol is pure black; symbols are small, so single pixels are read.
std::vector<float> BlackMask(const QImage& symbol) {
  std::vector<float> mask(size_t(symbol.width()) * size_t(symbol.height()), 0.0f);
  for (int y = 0; y < symbol.height(); ++y)
    for (int x = 0; x < symbol.width(); ++x)
      if ((PixelColor(symbol, x, y) & 0x00FFFFFFu) == 0)
        mask[size_t(y) * size_t(symbol.width()) + size_t(x)] = 1.0f;
  return mask;
}

// The mask between pixel centres, 0 outside the symbol; (u, v) in pixel units with the
// centre of pixel (0, 0) at (0, 0).
float Interpolated(const std::vector<float>& mask, int w, int h, double u, double v) {
  const int x0 = int(std::floor(u));
  const int y0 = int(std::floor(v));
  const float fx = float(u - x0);
  const float fy = float(v - y0);
  auto at = [&](int x, int y) {
    return x < 0 || y < 0 || x >= w || y >= h ? 0.0f : mask[size_t(y) * size_t(w) + size_t(x)];
  };
  const float top = at(x0, y0) * (1 - fx) + at(x0 + 1, y0) * fx;
  const float bottom = at(x0, y0 + 1) * (1 - fx) + at(x0 + 1, y0 + 1) * fx;
  return top * (1 - fy) + bottom * fy;
}

// A unit edge between a black pixel and the rest, from vertex (x, y) of the pixel grid one step
// along (dx, dy), with the black pixel on its left.
struct InkEdge {
  int x, y, dx, dy;
};

// The edges of the black pixels, listed by the grid vertex that each leaves from; a vertex
// where two black pixels touch only at their corners has two.
class InkEdges {
 public:
  InkEdges(const std::vector<float>& mask, int w, int h)
      : w_(w), leaving_(size_t(w + 1) * size_t(h + 1), {-1, -1}) {
    auto ink = [&](int x, int y) {
      return x >= 0 && y >= 0 && x < w && y < h && mask[size_t(y) * size_t(w) + size_t(x)] > 0;
    };
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        if (!ink(x, y)) continue;
        if (!ink(x, y - 1)) Add({x + 1, y, -1, 0});
        if (!ink(x, y + 1)) Add({x, y + 1, 1, 0});
        if (!ink(x - 1, y)) Add({x, y, 0, 1});
        if (!ink(x + 1, y)) Add({x + 1, y + 1, 0, -1});
      }
  }

  // Walks each loop of edges once; at a corner shared by two black pixels it turns right, onto
  // the other pixel, so that they stay one shape.
  template <typename Loop>
  void ForEachLoop(Loop&& loop) {
    std::vector<bool> used(edges_.size(), false);
    for (size_t first = 0; first < edges_.size(); ++first) {
      if (used[first]) continue;
      std::vector<QPointF> middles;
      for (int e = int(first); e >= 0 && !used[size_t(e)];) {
        used[size_t(e)] = true;
        const InkEdge& edge = edges_[size_t(e)];
        middles.emplace_back(edge.x + 0.5 * edge.dx, edge.y + 0.5 * edge.dy);
        const auto& next = leaving_[Vertex(edge.x + edge.dx, edge.y + edge.dy)];
        e = next[0];
        if (next[1] >= 0) {
          const InkEdge& a = edges_[size_t(next[0])];
          if (a.dx != -edge.dy || a.dy != edge.dx) e = next[1];
        }
      }
      loop(middles);
    }
  }

 private:
  size_t Vertex(int x, int y) const { return size_t(y) * size_t(w_ + 1) + size_t(x); }
  void Add(const InkEdge& edge) {
    auto& pair = leaving_[Vertex(edge.x, edge.y)];
    pair[pair[0] < 0 ? 0 : 1] = int(edges_.size());
    edges_.push_back(edge);
  }

  int w_;
  std::vector<InkEdge> edges_;
  std::vector<std::array<int, 2>> leaving_;
};

// A smooth outline around the symbol's pure-black pixels, in its pixels: the curve through the
// middles of the pixel edges between black and the rest, so that steps become slopes and
// diagonal neighbours stay joined. Filled, it has about the black pixels' area.
QPainterPath BlackOutline(const QImage& symbol) {
  QPainterPath outline;
  outline.setFillRule(Qt::WindingFill);
  if (symbol.isNull()) return outline;
  InkEdges edges(BlackMask(symbol), symbol.width(), symbol.height());
  // A quadratic B-spline on the edge middles: it touches the straight runs and rounds the steps.
  edges.ForEachLoop([&](const std::vector<QPointF>& p) {
    const size_t n = p.size();
    outline.moveTo((p[n - 1] + p[0]) / 2);
    for (size_t i = 0; i < n; ++i) outline.quadTo(p[i], (p[i] + p[(i + 1) % n]) / 2);
    outline.closeSubpath();
  });
  return outline;
}

}  // namespace

QRect BlackBounds(const QImage& symbol) {
  QRect bounds;
  for (int y = 0; y < symbol.height(); ++y)
    for (int x = 0; x < symbol.width(); ++x)
      if ((PixelColor(symbol, x, y) & 0x00FFFFFFu) == 0) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

QSize ScaledSymbolSize(QSize symbolSize, double factor) {
  // Beyond this QPainter cannot draw, and no stamp is that large.
  constexpr double kLargest = 32767;
  if (symbolSize.isEmpty() || !(factor > 0)) return {};
  const double w = std::max(1.0, std::round(symbolSize.width() * factor));
  const double h = std::max(1.0, std::round(symbolSize.height() * factor));
  if (w > kLargest || h > kLargest) return {};
  return QSize(int(w), int(h));
}

QImage OutlineBlackMask(const QPainterPath& outline, QSize symbolSize, double factor) {
  const QSize size = ScaledSymbolSize(symbolSize, factor);
  if (size.isEmpty()) return {};
  QImage cover(size, QImage::Format_Grayscale8);
  QImage out(size, QImage::Format_RGB32);
  if (cover.isNull() || out.isNull()) return {};
  cover.fill(0);
  {
    QPainter painter(&cover);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(double(size.width()) / symbolSize.width(),
                  double(size.height()) / symbolSize.height());
    painter.fillPath(outline, Qt::white);
  }
  for (int y = 0; y < size.height(); ++y) {
    const uchar* in = cover.constScanLine(y);
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < size.width(); ++x) row[x] = in[x] >= 128 ? kBlack : kWhite;
  }
  return out;
}

QImage ScaledBlackMask(const QImage& symbol, double factor) {
  if (symbol.isNull()) return {};
  const int w = symbol.width();
  const int h = symbol.height();
  const QSize size = ScaledSymbolSize(symbol.size(), factor);
  if (size.isEmpty()) return {};
  const int outW = size.width();
  const int outH = size.height();
  // Enlarged, the black pixels are traced to a smooth outline first: no blocks, no steps.
  if (factor > 1 && (outW != w || outH != h))
    return OutlineBlackMask(BlackOutline(symbol), symbol.size(), factor);
  QImage out(outW, outH, QImage::Format_RGB32);
  if (out.isNull()) return {};
  out.fill(kWhite);
  const std::vector<float> mask = BlackMask(symbol);
  if (outW == w && outH == h) {
    for (int y = 0; y < h; ++y) {
      auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
      for (int x = 0; x < w; ++x)
        if (mask[size_t(y) * size_t(w) + size_t(x)] > 0) row[x] = kBlack;
    }
    return out;
  }
  // Several points inside each new pixel, more when shrinking, so that thin strokes count.
  const int n = int(std::ceil(4 / std::min(factor, 1.0)));
  const double sx = double(w) / outW;
  const double sy = double(h) / outH;
  for (int i = 0; i < outH; ++i) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(i));
    for (int j = 0; j < outW; ++j) {
      float cover = 0;
      for (int b = 0; b < n; ++b) {
        const double v = (i + (b + 0.5) / n) * sy - 0.5;
        for (int a = 0; a < n; ++a)
          cover += Interpolated(mask, w, h, (j + (a + 0.5) / n) * sx - 0.5, v);
      }
      if (cover >= 0.5f * float(n * n)) row[j] = kBlack;
    }
  }
  return out;
}

}  // namespace scoreink
