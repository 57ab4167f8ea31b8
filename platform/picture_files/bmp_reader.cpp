#include "platform/picture_files/bmp_reader.h"

#include <QImageReader>
#include <algorithm>
#include <vector>

#include "platform/picture_files/bmp_header.h"
#include "platform/picture_files/bmp_rows.h"
#include "platform/picture_files/picture_limits.h"
#include "platform/picture_files/picture_messages.h"
#include "platform/raster/rgb_swap.h"
#include "platform/raster/row_order.h"

namespace scoreink {

namespace {

constexpr quint32 kBmpBitfields = 3;
constexpr qint64 kSmallPicturePixels = qint64(1) << 20;
constexpr qint64 kMostPixelsPerRunLengthByte = 1024;

QString ReasonNoMemory(const BmpHeader& h) {
  return ReasonTooLarge(h.width, h.height) + QStringLiteral(" (メモリが足りない)");
}

// The files read band by band: uncompressed, with a Windows header, pixels after the table.
// A 1- or 4-bit file with a longer table than its bits can use, or a 1-bit file with a single
// entry, is left to Qt, which reads such tables in its own way.
bool ReadByBands(const BmpHeader& h) {
  const bool windowsHeader = h.infoSize == 40 || h.infoSize == 108 || h.infoSize == 124;
  const qint64 tableEnd = kBmpFileHeaderSize + qint64(h.infoSize) + h.TableEntries() * 4;
  if (!windowsHeader || h.compression != kBmpRgb || h.pixelOffset < tableEnd) return false;
  switch (h.bitCount) {
    case 1:
    case 4:
      return h.colorsUsed <= (1u << h.bitCount) && h.TableEntries() >= 2;
    case 8:
    case 16:
    case 24:
    case 32:
      return true;
    default:
      return false;
  }
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

QString ReadBands(QIODevice& in, qint64 start, const BmpHeader& h, PictureSink& sink,
                  ReadWatch* watch) {
  PictureShape shape;
  shape.size = QSize(int(h.width), int(h.height));
  shape.kind = BmpRowsAreIndices(h.bitCount) ? RowKind::Indexed : RowKind::Rgb888;
  QList<QRgb> table;
  if (h.bitCount <= 8 && !ReadColorTable(in, start, h, table)) return ReasonTruncated();
  if (shape.kind == RowKind::Indexed) shape.table = table;
  shape.dotsPerMeterX = h.dotsPerMeterX;
  shape.dotsPerMeterY = h.dotsPerMeterY;
  if (!sink.Begin(shape)) return ReasonNoMemory(h);
  if (!in.seek(start + h.pixelOffset)) return ReasonReadFailed(in);

  const qint64 stride = h.Stride();
  const int width = int(h.width), height = int(h.height);
  // 8- and 24-bit rows keep their bytes: where the sink's rows are laid out like the file's,
  // a band is read straight into place, turned round when the file is bottom-up, and its
  // blue and red exchanged while it is still in the cache. Other rows are read into a band
  // of their own first.
  const bool sameBytes = h.bitCount == 8 || h.bitCount == 24;
  const int rowsPerBand =
      RowsPerBand(std::max<qint64>(stride, shape.kind == RowKind::Indexed ? width : 3 * width));
  std::vector<uchar> fileBand;
  for (int done = 0; done < height;) {
    if (CancelledBy(watch)) return ReasonCancelled();
    const int count = std::min(rowsPerBand, height - done);
    const int top = h.topDown ? done : height - done - count;
    const BandRows room = sink.Room(top, count);
    const bool inPlace = sameBytes && room.stride == stride;
    uchar* bytes = room.first;
    if (!inPlace) {
      fileBand.resize(size_t(count * stride));
      bytes = fileBand.data();
    }
    if (in.read(reinterpret_cast<char*>(bytes), count * stride) != count * stride)
      return in.atEnd() ? ReasonTruncated() : ReasonReadFailed(in);
    if (inPlace) {
      if (!h.topDown) ReverseRowOrder(bytes, count, stride);
      if (h.bitCount == 24)
        for (int r = 0; r < count; ++r)
          CopySwappingRedBlue(bytes + r * stride, bytes + r * stride, width);
    } else {
      for (int r = 0; r < count; ++r) {
        const uchar* fileRow = bytes + (h.topDown ? r : count - 1 - r) * stride;
        ExpandBmpRow(h.bitCount, fileRow, room.first + r * room.stride, width, table);
      }
    }
    sink.Filled(top, count);
    done += count;
    ReportTo(watch, done, height);
  }
  return QString();
}

QString ReadWithQt(QIODevice& in, qint64 start, const BmpHeader& h, PictureSink& sink) {
  if (!in.seek(start)) return ReasonReadFailed(in);
  QImageReader reader(&in, "bmp");
  reader.setAllocationLimit(int(kMaxPictureBytes >> 20));
  QImage image;
  if (!reader.read(&image)) return ReasonBrokenBmp(reader.errorString());
  const bool indexed =
      (h.bitCount == 4 || h.bitCount == 8) && image.format() == QImage::Format_Indexed8;
  if (!indexed && image.format() != QImage::Format_RGB888) {
    image.convertTo(QImage::Format_RGB888);
    if (image.isNull()) return ReasonNoMemory(h);
  }
  sink.TakeWhole(std::move(image));
  return QString();
}

}  // namespace

QString ReadBmpInto(QIODevice& in, PictureSink& sink, ReadWatch* watch) {
  const qint64 start = in.pos();
  BmpHeader header;
  QString reason;
  if (!ReadBmpHeader(in, header, reason)) return reason;
  // Uncompressed pixels must all be there: Qt would show a cut-off file as half a picture.
  const qint64 available = in.size() - start;
  const bool uncompressed = header.compression == kBmpRgb || header.compression == kBmpBitfields;
  const qint64 needed = header.pixelOffset + (uncompressed ? header.Stride() * header.height : 1);
  if (needed > available) return ReasonTruncated();
  // Run-length data may end early and leave the rest blank, so a file of a few bytes could
  // claim a page of any size and keep the reader busy for seconds. Real files hold at least
  // a byte for every few hundred pixels; this bound is far below that.
  const qint64 pixels = header.width * header.height;
  if (!uncompressed && pixels > kSmallPicturePixels &&
      pixels / kMostPixelsPerRunLengthByte > available - header.pixelOffset)
    return ReasonTruncated();
  if (ReadByBands(header)) return ReadBands(in, start, header, sink, watch);
  if (CancelledBy(watch)) return ReasonCancelled();
  return ReadWithQt(in, start, header, sink);
}

}  // namespace scoreink
