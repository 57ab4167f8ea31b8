#pragma once
// The reasons that only TIFF files give (the generic ones are in picture_messages.h).
#include <QString>

namespace scoreink {

// libtiff refused the file; detail is libtiff's own words, when it said any.
QString ReasonBrokenTiff(const QString& detail);
// A kind of TIFF that is read nowhere here (floating-point samples, 16-bit palettes ...).
QString ReasonUnreadableTiff(const QString& detail);
QString ReasonTooManyTiffPages(int most);
// The chain of pages leads back to a page already seen: a reader that followed it would never
// end.
QString ReasonTiffPagesInALoop();
QString ReasonTiffWithoutPages();
// page counts from 0; the user sees it from 1.
QString ReasonNoSuchTiffPage(int page, int pages);

}  // namespace scoreink
