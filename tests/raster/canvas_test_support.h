#pragma once
// Pictures and pixel sets shared by the canvas tests.
#include <QImage>
#include <QPoint>
#include <QRandomGenerator>
#include <set>
#include <utility>

#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"

namespace scoreink::test {

using PixelSet = std::set<std::pair<int, int>>;  // (x, y)

// The three formats the canvas draws into.
enum class Surface { Bits8, Bits24, Rgb32 };

inline const char* SurfaceName(Surface s) {
  return s == Surface::Bits8 ? "8-bit" : s == Surface::Bits24 ? "24-bit" : "32-bit";
}

inline QImage WhiteSurface(Surface s, int w, int h) {
  if (s == Surface::Bits8) return NewBitmap(w, h, PixelFormat::Bits8);
  QImage image = NewBitmap(w, h, PixelFormat::Bits24);
  return s == Surface::Rgb32 ? image.convertToFormat(QImage::Format_RGB32) : image;
}

// Random pixels: any palette index on 8 bits, any colour otherwise.
inline QImage NoiseSurface(Surface s, int w, int h, quint32 seed) {
  QImage image = WhiteSurface(s, w, h);
  QRandomGenerator random(seed);
  for (int y = 0; y < h; ++y) {
    uchar* row = image.scanLine(y);
    const int bytes = s == Surface::Bits8 ? w : s == Surface::Bits24 ? 3 * w : 4 * w;
    for (int i = 0; i < bytes; ++i) row[i] = static_cast<uchar>(random.bounded(256));
    if (s == Surface::Rgb32)
      for (int x = 0; x < w; ++x) row[4 * x + 3] = 0xFF;
  }
  return image;
}

// Pixels that are not white.
inline PixelSet Marked(const QImage& image) {
  PixelSet marked;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (PixelColor(image, x, y) != kWhite) marked.insert({x, y});
  return marked;
}

inline PixelSet Box(int x0, int y0, int x1, int y1) {  // inclusive
  PixelSet box;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) box.insert({x, y});
  return box;
}

// Number of 8-connected groups of the set.
inline int Groups(const PixelSet& pixels) {
  PixelSet left = pixels;
  int groups = 0;
  while (!left.empty()) {
    ++groups;
    std::vector<std::pair<int, int>> todo{*left.begin()};
    left.erase(left.begin());
    while (!todo.empty()) {
      const auto [x, y] = todo.back();
      todo.pop_back();
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
          if (auto it = left.find({x + dx, y + dy}); it != left.end()) {
            todo.push_back(*it);
            left.erase(it);
          }
    }
  }
  return groups;
}

}  // namespace scoreink::test
