// CopyRect and Draw: pixels of another picture onto the canvas, clipped to both pictures.
#include <array>
#include <cstring>
#include <vector>

#include "platform/raster/canvas.h"
#include "platform/raster/raster_index_rows.h"
#include "platform/raster/raster_pixel_target.h"
#include "platform/raster/raster_rgb_rows.h"

namespace scoreink {
namespace {

using raster::PixelTarget;
using raster::TargetKind;

bool IsWhite(const uchar* rgb) {
  return rgb[0] == 255 && rgb[1] == 255 && rgb[2] == 255;
}

int BytesPerPixel(TargetKind kind) {
  return kind == TargetKind::Indexed8 ? 1 : kind == TargetKind::Rgb24 ? 3 : 4;
}

bool SameLayout(const QImage& src, const QImage& dest) {
  if (src.format() != dest.format()) return false;
  return src.format() != QImage::Format_Indexed8 || src.colorTable() == dest.colorTable();
}

// Copies from (inside src) to the target with its top-left at to (the whole of it inside the
// target), leaving out white source pixels when skipWhite is set.
void CopyPixels(PixelTarget& target, const QImage& dest, const QImage& src, const QRect& from,
                QPoint to, bool skipWhite) {
  const int w = from.width();
  if (!skipWhite && SameLayout(src, dest)) {
    const int bpp = BytesPerPixel(target.Kind());
    for (int r = 0; r < from.height(); ++r) {
      std::memcpy(target.Row(to.y() + r) + bpp * to.x(),
                  src.constScanLine(from.top() + r) + bpp * from.left(),
                  static_cast<size_t>(bpp) * w);
    }
    return;
  }
  if (src.format() == QImage::Format_Indexed8 && target.Kind() == TargetKind::Indexed8) {
    const auto table = raster::RgbRows::FullTable(src);
    std::array<uchar, 256> map;
    std::array<bool, 256> skip;
    for (int i = 0; i < 256; ++i) {
      map[i] = static_cast<uchar>(target.ValueOf(table[i]));
      skip[i] = skipWhite && (table[i] & 0xFFFFFFu) == 0xFFFFFFu;
    }
    for (int r = 0; r < from.height(); ++r) {
      const uchar* in = src.constScanLine(from.top() + r) + from.left();
      uchar* out = target.Row(to.y() + r) + to.x();
      for (int x = 0; x < w; ++x) {
        if (!skip[in[x]]) out[x] = map[in[x]];
      }
    }
    return;
  }
  // Any other source: rows as RGB, then stored values for the whole row at once.
  raster::RgbRows rows(src, from.left(), w);
  std::vector<uchar> rgb(3 * static_cast<size_t>(w));
  std::vector<uchar> indices(target.Kind() == TargetKind::Indexed8 ? static_cast<size_t>(w) : 0);
  const raster::ColorLookup* lookup = target.Lookup();
  for (int r = 0; r < from.height(); ++r) {
    rows.Decode(from.top() + r, rgb.data());
    uchar* out = target.Row(to.y() + r);
    switch (target.Kind()) {
      case TargetKind::Indexed8:
        if (lookup) {
          raster::IndexRgb888Row(rgb.data(), indices.data(), w, *lookup);
        } else {
          for (int x = 0; x < w; ++x) {
            const uchar* p = &rgb[3 * static_cast<size_t>(x)];
            indices[x] = static_cast<uchar>(target.ValueOf(qRgb(p[0], p[1], p[2])));
          }
        }
        for (int x = 0; x < w; ++x) {
          if (!skipWhite || !IsWhite(&rgb[3 * static_cast<size_t>(x)]))
            out[to.x() + x] = indices[x];
        }
        break;
      case TargetKind::Rgb24:
        if (!skipWhite) {
          std::memcpy(out + 3 * to.x(), rgb.data(), rgb.size());
          break;
        }
        for (int x = 0; x < w; ++x) {
          const uchar* p = &rgb[3 * static_cast<size_t>(x)];
          if (!IsWhite(p)) std::memcpy(out + 3 * (to.x() + x), p, 3);
        }
        break;
      case TargetKind::Rgb32:
        for (int x = 0; x < w; ++x) {
          const uchar* p = &rgb[3 * static_cast<size_t>(x)];
          if (!skipWhite || !IsWhite(p)) {
            reinterpret_cast<QRgb*>(out)[to.x() + x] = qRgb(p[0], p[1], p[2]);
          }
        }
        break;
      case TargetKind::None:
        return;
    }
  }
}

// Clips the source rectangle to src and its place (to) to the target, then copies. Returns
// the rectangle written.
QRect ClippedCopy(QImage* target, const QImage& src, const QRect& srcRect, QPoint to,
                  bool skipWhite) {
  if (raster::TargetKindOf(target) == TargetKind::None || src.isNull()) return QRect();
  const QPoint offset = to - srcRect.topLeft();
  QRect from = srcRect & src.rect();
  from = (from.translated(offset) & target->rect()).translated(-offset);
  if (from.isEmpty()) return QRect();
  const QRect written = from.translated(offset);
  // Copying within one picture: take the source part aside first, as it may overlap.
  QImage own;
  if (&src == target) {
    own = src.copy(from);
    if (own.isNull()) return QRect();
  }
  PixelTarget pixels(*target);
  if (!pixels.IsValid()) return QRect();
  if (own.isNull()) {
    CopyPixels(pixels, *target, src, from, written.topLeft(), skipWhite);
  } else {
    CopyPixels(pixels, *target, own, own.rect(), written.topLeft(), skipWhite);
  }
  return written;
}

}  // namespace

void Canvas::CopyRect(const QRect& dest, const QImage& src, const QRect& srcRect) {
  if (dest.size() != srcRect.size() || srcRect.isEmpty()) return;
  dirty_ |= ClippedCopy(target_, src, srcRect, dest.topLeft(), false);
}

void Canvas::Draw(int x, int y, const QImage& src, bool transparentWhite) {
  dirty_ |= ClippedCopy(target_, src, src.rect(), QPoint(x, y), transparentWhite);
}

}  // namespace scoreink
