#include "platform/picture_files/pdf_page_size.h"

#include <iterator>

#include "platform/picture_files/picture_io.h"
#include "platform/picture_files/picture_limits.h"

namespace scoreink {

namespace {

qint64 Pixels(double points, int dpi) {
  const double pixels = points * dpi / 72.0 + 0.5;
  if (!(pixels < double(kFarTooManyPixels))) return kFarTooManyPixels;  // NaN too
  return pixels < 0 ? 0 : qint64(pixels);
}

}  // namespace

PdfPixels PdfPagePixels(QSizeF points, int dpi) {
  return {Pixels(points.width(), dpi), Pixels(points.height(), dpi)};
}

int LargestDpiThatFits(QSizeF points) {
  for (auto dpi = std::rbegin(kPdfResolutions); dpi != std::rend(kPdfResolutions); ++dpi) {
    const PdfPixels pixels = PdfPagePixels(points, *dpi);
    if (PictureSizeAllowed(pixels.width, pixels.height)) return *dpi;
  }
  return 0;
}

}  // namespace scoreink
