#pragma once
// Drawing the whole score stretched onto a printed page.
#include <QImage>
#include <QRect>
#include <QSize>

class QPainter;

namespace scoreink {

// Draws the whole bitmap stretched into rect of the canvas, independently in x and y (the
// aspect ratio is not kept). fast draws the nearest pixels; otherwise the picture is scaled
// smoothly. The bitmap is handed to the canvas in bands of rows converted to 32 bits one at
// a time, so a 600-dpi scan is never copied whole; pictures of any format are taken. The
// canvas's own settings are as before afterwards.
// False, with nothing drawn, for an empty bitmap, an empty rect or a canvas not painting;
// false too when a band could not be converted (no memory), after the bands before it.
bool PrintStretched(QPainter& canvas, const QRect& rect, const QImage& bitmap, bool fast);

// Rows of a picture this wide that go to the canvas at a time (about a million pixels).
int PrintBandRows(int width);

// Whether a picture of this size goes to the printer without loss. Small pages (the blank
// page at screen resolution is magnified about six times on paper, where compression noise
// would show) do; a large scan goes as high-quality JPEG, which the print engine encodes
// many times faster than a lossless copy of a grainy page.
bool PrintsLossless(const QSize& size);

}  // namespace scoreink
