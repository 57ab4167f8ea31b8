#pragma once
// Pictures as PDF image objects: 8-bit grey when every colour drawn is grey, the picture's own
// colour table as an indexed image otherwise (RGB for a picture without a table), and a stencil
// mask when only some pixels are to be drawn. The rows are made while qpdf's writer compresses
// them (Flate), so no converted copy of a picture is ever held.
#include <qpdf/QPDFObjectHandle.hh>

#include <QImage>

class QPDF;

namespace scoreink {

// pixels: Indexed8 (with its colour table), Grayscale8 or RGB888; any other format is taken
// as RGB888. mask: null (every pixel drawn) or Format_Mono of pixels' size, whose 1 bits are
// the pixels drawn; the others are written as paper, which compresses to almost nothing. The
// pictures are shared, not copied: they must not change until the document is written.
QPDFObjectHandle MakePdfImage(QPDF& pdf, const QImage& pixels, const QImage& mask = QImage());

// The same image of the whole picture, its rows compressed at once: the picture can be let go
// as soon as this returns (a document of many pages holds one page at a time).
QPDFObjectHandle MakePackedPdfImage(QPDF& pdf, const QImage& pixels);

}  // namespace scoreink
