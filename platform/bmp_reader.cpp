#include "platform/bmp_reader.h"

#include <QImageReader>
#include <algorithm>

#include "platform/bmp_header.h"
#include "platform/picture_buffer.h"
#include "platform/picture_messages.h"
#include "platform/rgb_swap.h"
#include "platform/row_order.h"

namespace scoreink {

namespace {

constexpr quint32 kBmpBitfields = 3;
constexpr qint64 kSmallPicturePixels = qint64(1) << 20;
constexpr qint64 kMostPixelsPerRunLengthByte = 1024;
constexpr qint64 kBandBytes = qint64(512) << 10;  // inside the second-level cache

PictureResult Failure(const QString& reason) {
  return PictureResult{QImage(), reason};
}

QString ReasonNoMemory(const BmpHeader& h) {
  return ReasonTooLarge(h.width, h.height) + QStringLiteral(" (メモリが足りない)");
}

// The files the program writes itself: read without Qt's detour through 32 bits a pixel.
bool IsPlainFile(const BmpHeader& h) {
  const bool windowsHeader = h.infoSize == 40 || h.infoSize == 108 || h.infoSize == 124;
  const qint64 tableEnd = kBmpFileHeaderSize + qint64(h.infoSize) + h.TableEntries() * 4;
  return windowsHeader && h.compression == kBmpRgb && (h.bitCount == 8 || h.bitCount == 24) &&
         h.pixelOffset >= tableEnd;
}

// An indexed picture whose pixels point past its colour table gets the table extended with
// black, so that no later lookup by index can run off the table.
void CoverAllIndices(QImage& image) {
  if (image.format() != QImage::Format_Indexed8 || image.colorCount() >= 256) return;
  uchar highest = 0;
  for (int y = 0; y < image.height(); ++y) {
    const uchar* row = image.constScanLine(y);
    highest = std::max(highest, *std::max_element(row, row + image.width()));
  }
  if (highest < image.colorCount()) return;
  QList<QRgb> table = image.colorTable();
  table.resize(highest + 1, qRgb(0, 0, 0));
  image.setColorTable(table);
}

bool ReadColorTable(QIODevice& in, qint64 start, const BmpHeader& h, QList<QRgb>& table) {
  const int entries = h.TableEntries();
  const int entrySize = h.TableEntrySize();
  QByteArray bytes(entries * entrySize, Qt::Uninitialized);
  if (!in.seek(start + kBmpFileHeaderSize + h.infoSize) ||
      in.read(bytes.data(), bytes.size()) != bytes.size())
    return false;
  table.resize(entries);
  const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
  for (int i = 0; i < entries; ++i, p += entrySize) table[i] = qRgb(p[2], p[1], p[0]);
  return true;
}

PictureResult ReadPlain(QIODevice& in, qint64 start, const BmpHeader& h) {
  QList<QRgb> table;
  if (h.bitCount == 8 && !ReadColorTable(in, start, h, table)) return Failure(ReasonTruncated());
  const auto format = h.bitCount == 8 ? QImage::Format_Indexed8 : QImage::Format_RGB888;
  QImage image = NewPictureMemory(int(h.width), int(h.height), format);
  if (image.isNull()) return Failure(ReasonNoMemory(h));
  if (h.bitCount == 8) image.setColorTable(table);
  // QImage pads its rows to 4 bytes like the file and keeps them in one block, so a band of
  // rows is read straight into place. A bottom-up file's band lands on the same picture rows
  // in reverse order and is turned round, and blue, green, red turned into red, green, blue,
  // while it is still in the cache.
  const qint64 stride = h.Stride();
  if (image.bytesPerLine() != stride) return Failure(ReasonNoMemory(h));
  if (!in.seek(start + h.pixelOffset)) return Failure(ReasonReadFailed(in));
  const qint64 rowsPerBand = std::max<qint64>(1, kBandBytes / stride);
  uchar* const bits = image.bits();
  for (qint64 done = 0; done < h.height;) {
    const qint64 count = std::min(rowsPerBand, h.height - done);
    uchar* band = bits + (h.topDown ? done : h.height - done - count) * stride;
    if (in.read(reinterpret_cast<char*>(band), count * stride) != count * stride)
      return Failure(in.atEnd() ? ReasonTruncated() : ReasonReadFailed(in));
    if (!h.topDown) ReverseRowOrder(band, count, stride);
    if (h.bitCount == 24)
      for (qint64 r = 0; r < count; ++r)
        CopySwappingRedBlue(band + r * stride, band + r * stride, h.width);
    done += count;
  }
  CoverAllIndices(image);
  return PictureResult{image, QString()};
}

PictureResult ReadWithQt(QIODevice& in, qint64 start, const BmpHeader& h) {
  if (!in.seek(start)) return Failure(ReasonReadFailed(in));
  QImageReader reader(&in, "bmp");
  reader.setAllocationLimit(int(kMaxPictureBytes >> 20));
  QImage image;
  if (!reader.read(&image)) return Failure(ReasonBrokenBmp(reader.errorString()));
  if ((h.bitCount == 4 || h.bitCount == 8) && image.format() == QImage::Format_Indexed8) {
    CoverAllIndices(image);
  } else if (image.format() != QImage::Format_RGB888) {
    image.convertTo(QImage::Format_RGB888);
    if (image.isNull()) return Failure(ReasonNoMemory(h));
  }
  return PictureResult{image, QString()};
}

}  // namespace

PictureResult ReadBmpFrom(QIODevice& in) {
  const qint64 start = in.pos();
  BmpHeader header;
  QString reason;
  if (!ReadBmpHeader(in, header, reason)) return Failure(reason);
  // Uncompressed pixels must all be there: Qt would show a cut-off file as half a picture.
  const qint64 available = in.size() - start;
  const bool uncompressed = header.compression == kBmpRgb || header.compression == kBmpBitfields;
  const qint64 needed = header.pixelOffset + (uncompressed ? header.Stride() * header.height : 1);
  if (needed > available) return Failure(ReasonTruncated());
  // Run-length data may end early and leave the rest blank, so a file of a few bytes could
  // claim a page of any size and keep the reader busy for seconds. Real files hold at least
  // a byte for every few hundred pixels; this bound is far below that.
  const qint64 pixels = header.width * header.height;
  if (!uncompressed && pixels > kSmallPicturePixels &&
      pixels / kMostPixelsPerRunLengthByte > available - header.pixelOffset)
    return Failure(ReasonTruncated());
  return IsPlainFile(header) ? ReadPlain(in, start, header) : ReadWithQt(in, start, header);
}

}  // namespace scoreink
