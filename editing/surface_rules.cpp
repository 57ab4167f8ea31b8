#include "editing/surface_rules.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"

namespace scoreink {
namespace {

int MapAxis(int value, int controlExtent, int bitmapExtent) {
  if (controlExtent <= 0) return 0;
  return int(std::int64_t(value) * bitmapExtent / controlExtent);
}

bool IsRgb32(QImage::Format format) {
  return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
         format == QImage::Format_ARGB32_Premultiplied;
}

// Visits every pixel of region (source coordinates) and blackens its counterpart in dest,
// offset by `offset`, where the source pixel is pure black. Whole scan lines, no copies.
template <typename IsBlack, typename SetBlack>
void StampRows(const QImage& source, QImage& dest, const QRect& region, QPoint offset,
               IsBlack isBlack, SetBlack setBlack) {
  const int x0 = region.x();
  const int x1 = region.x() + region.width();
  const qsizetype fromStride = source.bytesPerLine();
  const qsizetype toStride = dest.bytesPerLine();
  const uchar* from = source.constBits() + region.y() * fromStride;
  uchar* to = dest.bits() + (region.y() + offset.y()) * toStride;
  for (int y = 0; y < region.height(); ++y, from += fromStride, to += toStride) {
    for (int x = x0; x < x1; ++x) {
      if (isBlack(from, x)) setBlack(to, x + offset.x());
    }
  }
}

template <typename SetBlack>
void StampFromSource(const QImage& source, QImage& dest, const QRect& region, QPoint offset,
                     SetBlack setBlack) {
  if (source.format() == QImage::Format_Indexed8) {
    std::array<bool, 256> black{};
    const QList<QRgb> table = source.colorTable();
    for (int i = 0; i < std::min<int>(int(table.size()), 256); ++i)
      black[size_t(i)] = (table[i] & 0x00FFFFFFu) == 0;
    StampRows(
        source, dest, region, offset, [&black](const uchar* row, int x) { return black[row[x]]; },
        setBlack);
  } else if (source.format() == QImage::Format_RGB888) {
    StampRows(
        source, dest, region, offset,
        [](const uchar* row, int x) {
          const uchar* p = row + 3 * x;
          return (p[0] | p[1] | p[2]) == 0;
        },
        setBlack);
  } else {  // 32-bit RGB: the colour channels decide, alpha is not looked at
    StampRows(
        source, dest, region, offset,
        [](const uchar* row, int x) {
          return (reinterpret_cast<const QRgb*>(row)[x] & 0x00FFFFFFu) == 0;
        },
        setBlack);
  }
}

// Index of pure black in an 8-bit picture's colour table, or -1.
int BlackIndexOf(const QImage& image) {
  const QList<QRgb> table = image.colorTable();
  for (int i = 0; i < int(table.size()); ++i) {
    if ((table[i] & 0x00FFFFFFu) == 0) return i;
  }
  return -1;
}

}  // namespace

QPoint ToBitmapPoint(QPoint control, QSize controlSize, QSize bitmapSize) {
  return {MapAxis(control.x(), controlSize.width(), bitmapSize.width()),
          MapAxis(control.y(), controlSize.height(), bitmapSize.height())};
}

QRect RectFromEdges(int left, int top, int right, int bottom) {
  return QRect(left, top, std::max(right - left, 0), std::max(bottom - top, 0));
}

QRect NormalizeRect(int x1, int y1, int x2, int y2) {
  return RectFromEdges(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
}

QRect StampBlack(const QImage& source, QImage& dest, const QRect& sourceRect,
                 const QRect& destRect) {
  if (sourceRect.size() != destRect.size() || sourceRect.width() <= 0 || sourceRect.height() <= 0 ||
      source.isNull() || dest.isNull())
    return {};
  QPoint offset = destRect.topLeft() - sourceRect.topLeft();
  QRect region = sourceRect.intersected(source.rect()).intersected(dest.rect().translated(-offset));
  if (region.isEmpty()) return {};
  const QRect written = region.translated(offset);

  // Uncommon source formats: only the part being stamped is converted, never the page.
  QImage converted;
  const QImage* from = &source;
  if (source.format() != QImage::Format_Indexed8 && source.format() != QImage::Format_RGB888 &&
      !IsRgb32(source.format())) {
    converted = source.copy(region).convertToFormat(QImage::Format_RGB888);
    if (converted.isNull()) return {};
    offset = written.topLeft();
    region = converted.rect();
    from = &converted;
  }

  if (dest.format() == QImage::Format_Indexed8) {
    int black = BlackIndexOf(dest);
    if (black < 0) {  // a table without black: the 24-bit round trip would give the palette's
      SetPixelFormat(dest, PixelFormat::Bits8);
      black = kBlackIndex;
    }
    const auto index = uchar(black);
    StampFromSource(*from, dest, region, offset, [index](uchar* row, int x) { row[x] = index; });
    return written;
  }
  if (!IsRgb32(dest.format()) && dest.format() != QImage::Format_RGB888)
    SetPixelFormat(dest, PixelFormat::Bits24);
  if (dest.format() == QImage::Format_RGB888) {
    StampFromSource(*from, dest, region, offset, [](uchar* row, int x) {
      uchar* p = row + 3 * x;
      p[0] = p[1] = p[2] = 0;
    });
  } else {
    StampFromSource(*from, dest, region, offset,
                    [](uchar* row, int x) { reinterpret_cast<QRgb*>(row)[x] = kBlack; });
  }
  return written;
}

QRect RestoreFromTemplate(QImage& surface, int x1, int y1, int x2, int y2, const BlankPage& blank) {
  if (surface.isNull()) return {};
  if (PixelFormatOf(surface) != PixelFormat::Bits8) SetPixelFormat(surface, PixelFormat::Bits8);
  return PaintBlankPage(surface, NormalizeRect(x1, y1, x2, y2), blank);
}

QRect StampSymbol(QImage& surface, const QImage& symbol, QPoint overlayOffset, QSize viewSize) {
  return StampSymbolAt(surface, symbol, ToBitmapPoint(overlayOffset, viewSize, surface.size()));
}

QRect StampSymbolAt(QImage& surface, const QImage& symbol, QPoint at) {
  if (surface.isNull() || symbol.isNull()) return {};
  const QRect stamped = StampBlack(symbol, surface, symbol.rect(), QRect(at, symbol.size()));
  SetPixelFormat(surface, PixelFormat::Bits8);
  return stamped;
}

QRect SymbolOverlayRect(QPoint release, QPoint viewTopLeft, QSize symbolSize, int zoomPercent,
                        int leftLimit) {
  const int w = symbolSize.width() * zoomPercent / 100;
  const int h = symbolSize.height() * zoomPercent / 100;
  int left = viewTopLeft.x() + release.x() - w / 2;
  int top = viewTopLeft.y() + release.y() - h / 2;
  if (left < leftLimit) left = leftLimit;
  if (top < 0) top = 0;
  return QRect(left, top, w, h);
}

QPoint OverlayDragPosition(const QRect& overlay, QPoint pointer, const QRect& view) {
  int left = overlay.x() + pointer.x() - overlay.width() / 2;
  int top = overlay.y() + pointer.y() - overlay.height() / 2;
  left = std::min(left, view.x() + view.width() - overlay.width());
  left = std::max(left, view.x() + kOverlayLeftMargin);
  top = std::min(top, view.y() + view.height() - overlay.height());
  top = std::max(top, view.y());
  return {left, top};
}

QPoint ClampGesturePoint(QPoint point, int leftLimit, QSize surfaceSize) {
  int x = point.x();
  int y = point.y();
  if (x < leftLimit) x = leftLimit;
  if (y < 0) y = 0;
  if (x > surfaceSize.width() - 1) x = surfaceSize.width() - 1;
  if (y > surfaceSize.height() - 1) y = surfaceSize.height() - 1;
  return {x, y};
}

QPoint ClampReleasePoint(QPoint point, int leftLimit) {
  return {std::max(point.x(), leftLimit), point.y()};
}

}  // namespace scoreink
