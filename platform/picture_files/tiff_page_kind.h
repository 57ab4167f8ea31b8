#pragma once
// How a page goes into a TIFF file, from the colours its pixels use: a page of pure black and
// white as 1-bit fax (CCITT G4), a grey page as 8-bit grey, any other page in its own 8-bit
// table or as 24-bit colour.
#include <QImage>

namespace scoreink {

enum class TiffPageKind { BlackWhite, Grey, Palette, Rgb };

// A Format_Indexed8 page by the table entries its pixels use (an index past the table's end
// is black, as the picture shows it); a Format_RGB888 page by its pixels. Alpha is ignored.
// Any other format is Rgb.
TiffPageKind KindOfTiffPage(const QImage& page);

}  // namespace scoreink
