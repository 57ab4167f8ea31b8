#pragma once
// The reasons that only PDF files give, in the tone of picture_messages.h. Pages are told as
// the user counts them (the first page is page 1).
#include <QString>

namespace scoreink {

// Poppler's own words in brackets, when it has any.
QString ReasonBrokenPdf(const QString& detail);
QString ReasonBrokenPdfPage(int page);
QString ReasonPdfLocked();
QString ReasonPdfWithoutPages();
QString ReasonNoSuchPdfPage(int page, int pages);
// The page's size at dpi in pixels, and the largest resolution at which it fits (0: none).
QString ReasonPdfPageTooLarge(int dpi, qint64 width, qint64 height, int fittingDpi);

}  // namespace scoreink
