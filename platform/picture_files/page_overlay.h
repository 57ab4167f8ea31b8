#pragma once
// What the user changed on one page of a document, laid over that page when the document is
// saved back: a rectangle of the page as it was shown, its pixels as the user left them, and a
// mask of the pixels the user changed (the page shows through everywhere else), so that what
// the user did not touch keeps the page's own sharpness.
#include <QImage>
#include <QRect>
#include <vector>

namespace scoreink {

struct PageOverlay {
  QRect area;     // in pixels of the page as shown (rendered at the document's resolution),
                  // from its top left
  QImage pixels;  // area's pixels: Format_Indexed8 with its colour table, or Format_RGB888
  QImage mask;    // Format_Mono of area's size: bit 1 where the user changed the pixel
};

using PageOverlays = std::vector<PageOverlay>;

}  // namespace scoreink
