#pragma once
// One row of an uncompressed BMP file in the form the program keeps rows in: 4- and 8-bit
// rows as one table index a pixel, 1-, 16-, 24- and 32-bit rows as red, green, blue bytes.
#include <QList>
#include <QRgb>
#include <QtGlobal>

namespace scoreink {

// True for the bit counts whose rows are kept as table indices.
inline bool BmpRowsAreIndices(int bitCount) {
  return bitCount == 4 || bitCount == 8;
}

// Writes width pixels of the file row into out (width bytes for indices, 3 * width bytes
// otherwise). bitCount: 1 (the colours of the first two entries of table), 4, 8, 16 (five
// bits a colour, the top bit unused; each becomes its value times eight), 24 or 32 (blue,
// green, red and an unused byte).
void ExpandBmpRow(int bitCount, const uchar* fileRow, uchar* out, int width,
                  const QList<QRgb>& table);

}  // namespace scoreink
