#include "editing/staff/symbol_scaling.h"

#include <algorithm>
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

}  // namespace

QRect BlackBounds(const QImage& symbol) {
  QRect bounds;
  for (int y = 0; y < symbol.height(); ++y)
    for (int x = 0; x < symbol.width(); ++x)
      if ((PixelColor(symbol, x, y) & 0x00FFFFFFu) == 0) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

QImage ScaledBlackMask(const QImage& symbol, double factor) {
  if (symbol.isNull() || !(factor > 0)) return {};
  const int w = symbol.width();
  const int h = symbol.height();
  const int outW = std::max(1, int(std::lround(w * factor)));
  const int outH = std::max(1, int(std::lround(h * factor)));
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
  const int n = factor >= 1 ? 4 : int(std::ceil(4 / factor));
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
