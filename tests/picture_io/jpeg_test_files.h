#pragma once
// JPEG files made with libjpeg itself, in the variants other programs write: grey, CMYK
// with and without Adobe's inverted inks, YCCK, progressive; and ways to spoil them.
#include <QByteArray>
#include <QImage>

namespace scoreink::test {

// Progressive444: progressive with full-resolution colour (no subsampling), whose decoder keeps
// the most coefficients of the whole picture.
enum class JpegVariant {
  Colour,
  Grey,
  PlainCmyk,
  AdobeCmyk,
  AdobeYcck,
  Progressive,
  Progressive444
};

// Encodes an RGB888 picture; every variant decodes back to (about) the same colours.
QByteArray EncodeTestJpeg(const QImage& rgb, JpegVariant variant, int quality = 90);

// A progressive file with its first scan (the DC scan, which reads the same bits whatever
// came before) repeated `times` more times before the end marker. libjpeg warns about the
// odd sequence and decodes every copy over the whole picture.
QByteArray WithFirstScanRepeated(const QByteArray& progressive, int times);

// The file with the width and height of its frame header replaced.
QByteArray WithFrameSize(const QByteArray& jpeg, int width, int height);

// Offset of the first marker 0xFF code, or -1.
int MarkerOffset(const QByteArray& jpeg, uchar code);

// Mean and largest difference of the colour channels of two equally sized pictures.
struct ColorDifference {
  double mean;
  int largest;
};
ColorDifference DifferenceOf(const QImage& a, const QImage& b);

}  // namespace scoreink::test
