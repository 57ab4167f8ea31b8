#pragma once
// The two headers at the start of a Windows bitmap file, as far as the program reads and
// writes them. All numbers in the file are little-endian.
#include <QIODevice>
#include <QString>
#include <QtGlobal>

namespace scoreink {

inline constexpr int kBmpFileHeaderSize = 14;
inline constexpr int kBmpInfoHeaderSize = 40;  // BITMAPINFOHEADER
inline constexpr quint32 kBmpRgb = 0;          // BI_RGB: uncompressed

struct BmpHeader {
  quint32 fileSize = 0;     // bfSize as the file claims it
  quint32 pixelOffset = 0;  // bfOffBits
  quint32 infoSize = 0;     // biSize: 12 (OS/2), 40, 52, 56, 64, 108 or 124
  qint64 width = 0;
  qint64 height = 0;     // always positive here; see topDown
  bool topDown = false;  // negative biHeight: first row in the file is the top row
  int bitCount = 0;      // 1, 4, 8, 16, 24 or 32
  quint32 compression = 0;
  quint32 colorsUsed = 0;    // biClrUsed (0: the full table for the bit count)
  qint32 dotsPerMeterX = 0;  // biXPelsPerMeter, biYPelsPerMeter (0 in OS/2 files)
  qint32 dotsPerMeterY = 0;

  // Bytes of one row in the file, padded to 4 bytes.
  qint64 Stride() const { return ((width * bitCount + 31) / 32) * 4; }
  // Number of colour table entries that follow the header for 1-, 4- and 8-bit files.
  int TableEntries() const;
  // Bytes of one colour table entry: 3 in OS/2 files, 4 otherwise.
  int TableEntrySize() const { return infoSize == 12 ? 3 : 4; }
};

// Reads both headers from the device's current position. On failure returns false and a
// user-facing reason; the size is checked against the program's picture limit here, so no
// caller allocates for a file that claims a huge picture.
bool ReadBmpHeader(QIODevice& in, BmpHeader& header, QString& reason);

// Little-endian helpers for header fields.
inline quint16 ReadLe16(const uchar* p) {
  return quint16(p[0] | (p[1] << 8));
}
inline quint32 ReadLe32(const uchar* p) {
  return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}
inline void WriteLe16(uchar* p, quint16 v) {
  p[0] = uchar(v);
  p[1] = uchar(v >> 8);
}
inline void WriteLe32(uchar* p, quint32 v) {
  for (int i = 0; i < 4; ++i) p[i] = uchar(v >> (8 * i));
}

}  // namespace scoreink
