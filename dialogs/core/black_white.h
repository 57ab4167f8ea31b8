#pragma once
// The import threshold: a picture turned into two colours by how close each pixel's grey is
// to the darkest grey of the picture. Whichever class covers fewer pixels (normally the
// drawing) gets the far colour, so a drawing comes out black on white whether it was dark on
// light or light on dark.
#include <QImage>
#include <QRgb>

namespace scoreink {

// Grey of a pixel: 0.114 blue + 0.587 green + 0.299 red in floating point, rounded to the
// nearest integer, halves to the even neighbour.
int GreyLevel(int red, int green, int blue);

// Two colours from picture, 24 bits (Format_RGB888), the picture's size:
//  - a pixel whose grey is within threshold (0..255) of the darkest grey gets nearColour,
//    any other pixel farColour;
//  - when more pixels got farColour than nearColour, the two are exchanged everywhere (equal
//    counts keep them).
// A 24-bit picture handed over with std::move is converted in place, without a second
// full-size buffer; an 8-bit one costs only the 24-bit result. Whole scan lines: one pass to
// learn the greys, one to write the colours, and a third only when the colours are exchanged.
// A null picture gives a null result.
QImage MakeBlackWhite(QImage picture, QRgb nearColour, QRgb farColour, int threshold);

}  // namespace scoreink
