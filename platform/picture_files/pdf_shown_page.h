#pragma once
// Where a PDF page's pixels lie when the page is shown as the program renders it (Poppler:
// the crop box, clipped to the media box, turned by /Rotate, pixel (0, 0) at the top left as
// seen), so that what the user drew on those pixels can be put back onto the page in its own
// coordinates.
#include <qpdf/QPDFObjectHandle.hh>

#include <QRect>
#include <array>

namespace scoreink {

// The box shown, in the page's default coordinates, and the turn it is shown at.
struct ShownPage {
  double left = 0, bottom = 0, right = 612, top = 792;
  int rotate = 0;  // 0, 90, 180 or 270: clockwise, as /Rotate says
};

// Read as Poppler reads it: boxes and /Rotate inherited through the page tree, the nearest
// valid one winning, a missing media box taken as US Letter, a crop box no larger than the
// media box and clipped to it, a /Rotate that is no multiple of 90 taken as 0.
ShownPage ShownPageOf(QPDFObjectHandle page);

// The matrix (a b c d e f of the cm operator) that lays an image's unit square over area,
// pixels of the page shown at dpi, in the page's default coordinates: the image's first row
// on area's top row as seen.
std::array<double, 6> ImagePlacement(const ShownPage& page, const QRect& area, int dpi);

}  // namespace scoreink
