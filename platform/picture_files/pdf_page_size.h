#pragma once
// How large a PDF page is in pixels at a resolution, worked out from its size in points
// (1/72 inch) before anything is rendered.
#include <QSizeF>
#include <QtGlobal>

namespace scoreink {

struct PdfPixels {
  qint64 width = 0;
  qint64 height = 0;
};

// Each side rounded to the nearest pixel, as Poppler sizes the page it renders. Sides past any
// picture the program opens (or not a number) come back as kFarTooManyPixels.
inline constexpr qint64 kFarTooManyPixels = qint64(1) << 40;
PdfPixels PdfPagePixels(QSizeF points, int dpi);

// The largest of kPdfResolutions at which a page of that size stays within the picture limit;
// 0 when none does.
int LargestDpiThatFits(QSizeF points);

}  // namespace scoreink
