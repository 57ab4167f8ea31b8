#pragma once
// Conversion into a picture that already exists, for callers that keep a buffer of the right
// size and format (and for measuring the conversion apart from the allocation).
#include <QImage>

namespace scoreink::raster {

// Writes every pixel of source, converted, into target. target must have source's size and
// be one of the program's formats (Bits24, Bits8 or Bits4, see pixel_format.h). Returns
// false, leaving target untouched, otherwise.
bool ConvertPixels(const QImage& source, QImage& target);

}  // namespace scoreink::raster
