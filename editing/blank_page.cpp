#include "editing/blank_page.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "platform/raster/palette.h"
#include "platform/raster/palette_rows.h"
#include "platform/raster/pixel_format.h"

namespace scoreink {
namespace {

constexpr QSize kDefaultPageSize{770, 1101};  // pixels, whatever the screen

// The template as 8-bit indices of the fixed palette; no copy when it already is.
QImage TemplateIndices(const QImage& scoreTemplate) {
  if (PixelFormatOf(scoreTemplate) == PixelFormat::Bits8) return scoreTemplate;
  return ConvertedTo(scoreTemplate, PixelFormat::Bits8);
}

// Integer products and divisions truncating toward zero, as the page arithmetic always was.
int MarginOnScreen(int printerOffset, int screenDpi, int printerDpi) {
  return int(std::int64_t(printerOffset) * screenDpi / printerDpi);
}

}  // namespace

int MillimetresToPixels(int mm, int dpi) {
  // The product is a 32-bit integer (wrapping on overflow); the division is in extended
  // precision by 25.39999, not 25.4, so the page keeps its long-standing size.
  const auto product = static_cast<std::int32_t>(std::int64_t(mm) * std::int64_t(dpi));
  const long double quotient = static_cast<long double>(product) / 25.39999L;
  long double rounded = std::floor(quotient);
  const long double fraction = quotient - rounded;
  if (fraction > 0.5L || (fraction == 0.5L && std::fmod(rounded, 2.0L) != 0.0L)) rounded += 1.0L;
  rounded = std::clamp(rounded, static_cast<long double>(std::numeric_limits<int>::min()),
                       static_cast<long double>(std::numeric_limits<int>::max()));
  return static_cast<int>(rounded);
}

QSize BlankPageSize(const DeviceFacts& facts) {
  const ScreenFacts& screen = facts.screen;
  const PrinterFacts& printer = facts.printer;
  if (screen.dpiX <= 0 || screen.dpiY <= 0) return kDefaultPageSize;
  if (!printer.present || printer.dpiX <= 0 || printer.dpiY <= 0) return kDefaultPageSize;
  const int width = MillimetresToPixels(210, screen.dpiX) -
                    2 * MarginOnScreen(printer.offsetX, screen.dpiX, printer.dpiX);
  const int height = MillimetresToPixels(297, screen.dpiY) -
                     2 * MarginOnScreen(printer.offsetY, screen.dpiY, printer.dpiY);
  // A printer reporting margins wider than the sheet would give no page at all.
  if (width <= 0 || height <= 0) return kDefaultPageSize;
  return {width, height};
}

int BlankPage::SystemCount() const {
  const int systemHeight = scoreTemplate.height();
  if (systemHeight <= 0 || size.height() <= 0) return 0;
  return size.height() / systemHeight;
}

void BuildBlankPage(QImage& page, const BlankPage& blank) {
  page = NewBitmap(blank.size.width(), blank.size.height(), PixelFormat::Bits8);
  if (page.isNull()) return;
  const QImage indices = TemplateIndices(blank.scoreTemplate);
  if (indices.isNull()) return;
  const int w = std::min(indices.width(), page.width());
  const int h = indices.height();
  const int systems = blank.SystemCount();
  for (int k = 0; k < systems; ++k) {
    for (int row = 0; row < h; ++row)
      std::memcpy(page.scanLine(k * h + row), indices.constScanLine(row), size_t(w));
  }
}

QRect PaintBlankPage(QImage& surface, const QRect& rect, const BlankPage& blank) {
  const QRect target = rect.intersected(surface.rect());
  if (target.isEmpty() || !AcceptsPaletteRows(surface)) return {};
  const QImage indices = TemplateIndices(blank.scoreTemplate);

  // The page is the template repeated downward over whole systems, cut at the page's right,
  // and white everywhere else (also where the rectangle leaves the page).
  const int systemHeight = indices.isNull() ? 0 : indices.height();
  const int inkBottom = std::min(blank.SystemCount() * systemHeight, blank.size.height());
  const int inkRight = indices.isNull() ? 0 : std::min(indices.width(), blank.size.width());
  const int left = target.x();
  const int width = target.width();
  const int copyFrom = std::max(left, 0);
  const int copyTo = std::min(left + width, inkRight);

  std::vector<uchar> row(static_cast<size_t>(width));
  for (int y = target.y(); y < target.y() + target.height(); ++y) {
    std::fill(row.begin(), row.end(), uchar(kWhiteIndex));
    if (y >= 0 && y < inkBottom && copyTo > copyFrom) {
      const uchar* source = indices.constScanLine(y % systemHeight);
      std::memcpy(row.data() + (copyFrom - left), source + copyFrom, size_t(copyTo - copyFrom));
    }
    WritePaletteRow(surface, left, y, row.data(), width);
  }
  return target;
}

}  // namespace scoreink
