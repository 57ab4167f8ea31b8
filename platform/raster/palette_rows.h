#pragma once
// Writing rows of fixed-palette indices straight into a picture, whatever its pixel format,
// so that repaints from the blank page and key-signature strips never convert the page.
#include <QImage>

namespace scoreink {

// True for the formats WritePaletteRow can write without converting the picture: 8-bit with
// the fixed palette, Format_RGB888, and the 32-bit RGB formats.
bool AcceptsPaletteRows(const QImage& image);

// Writes count fixed-palette indices into row y of image, starting at column x. The caller
// guarantees AcceptsPaletteRows(image) and that the run lies inside the image.
void WritePaletteRow(QImage& image, int x, int y, const uchar* indices, int count);

}  // namespace scoreink
