#pragma once
// Helpers of the picture file tests: sample pictures, raw file bytes and the BMP header
// fields as a file holds them.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace scoreink::test {

// A picture with a different colour in every pixel (within what its format can hold).
QImage Rgb888Sample(int width, int height);
// Indexed8 with `colors` table entries, every index used.
QImage IndexedSample(int width, int height, int colors);

QByteArray FileBytes(const QString& path);
void WriteFileBytes(const QString& path, const QByteArray& bytes);

quint16 Le16At(const QByteArray& bytes, int offset);
quint32 Le32At(const QByteArray& bytes, int offset);

// Header fields of a BMP file with a BITMAPINFOHEADER.
struct BmpFields {
  quint32 fileSize, pixelOffset, infoSize;
  qint32 width, height;
  quint16 planes, bitCount;
  quint32 compression, colorsUsed;
};
BmpFields BmpFieldsOf(const QByteArray& bytes);

// True when every pixel of a and b has the same colour (formats may differ).
bool SameColors(const QImage& a, const QImage& b);

}  // namespace scoreink::test
