#pragma once
// Bitmap pixel formats as the program uses them, and the conversions between them.
//
//   Bits24: QImage::Format_RGB888.
//   Bits8:  QImage::Format_Indexed8 with the fixed palette (palette.h).
//   Bits4:  QImage::Format_Indexed8 with the 16-colour table; written as a 4-bit BMP.
// Conversions keep pure black, pure white and the template ink exact.
#include <QImage>

namespace scoreink {

enum class PixelFormat { Bits4, Bits8, Bits24, Other };

// Bits8 only for Indexed8 images whose colour table is the fixed palette; Bits4 only for
// Indexed8 images whose table is the 16-colour table; Bits24 for Format_RGB888.
PixelFormat PixelFormatOf(const QImage& image);

// A new bitmap of the given size and format, all white. Returns a null image when the
// size is not positive or the allocation fails.
QImage NewBitmap(int width, int height, PixelFormat format);

// Converts in place (no-op when already in that format). Any QImage format is accepted as
// input. Conversion to Bits8 or Bits4 maps each pixel to the nearest table colour through a
// lookup table; rows are processed whole.
void SetPixelFormat(QImage& image, PixelFormat format);

// Converted copy; the source is not touched.
QImage ConvertedTo(const QImage& image, PixelFormat format);

// Colour of one pixel as opaque RGB, whatever the format (slow path: single pixels only).
QRgb PixelColor(const QImage& image, int x, int y);

}  // namespace scoreink
