#include "platform/picture_files/bmp_writer.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/files/device_write.h"
#include "platform/picture_files/bmp_header.h"
#include "platform/picture_files/picture_messages.h"
#include "platform/raster/rgb_swap.h"

namespace scoreink {

namespace {

constexpr qint64 kChunkBytes = qint64(1) << 20;

bool WriteAll(QIODevice& out, const uchar* data, qint64 size) {
  return WriteFully(out, reinterpret_cast<const char*>(data), size);
}

// The colour table written for an indexed file: the image's table padded with black to the
// full size. An image without a table reads its indices as grey levels.
std::vector<uchar> ColorTableBytes(const QImage& image, int entries) {
  std::vector<uchar> bytes(size_t(entries) * 4, 0);
  const QList<QRgb> table = image.colorTable();
  for (int i = 0; i < entries; ++i) {
    const QRgb c = table.isEmpty() ? qRgb(i, i, i) : (i < table.size() ? table[i] : 0);
    bytes[size_t(i) * 4 + 0] = uchar(qBlue(c));
    bytes[size_t(i) * 4 + 1] = uchar(qGreen(c));
    bytes[size_t(i) * 4 + 2] = uchar(qRed(c));
  }
  return bytes;
}

void PackFourBit(const uchar* src, int width, uchar* dst) {
  for (int x = 0; x + 1 < width; x += 2)
    *dst++ = uchar(((src[x] & 0x0F) << 4) | (src[x + 1] & 0x0F));
  if (width & 1) *dst = uchar((src[width - 1] & 0x0F) << 4);
}

void Rgb32ToBgr(const uchar* line, int width, uchar* dst) {
  const auto* src = reinterpret_cast<const QRgb*>(line);
  for (int x = 0; x < width; ++x, dst += 3) {
    dst[0] = uchar(qBlue(src[x]));
    dst[1] = uchar(qGreen(src[x]));
    dst[2] = uchar(qRed(src[x]));
  }
}

// Fills the file rows for image rows [top, top + count) into chunk, bottom row first.
void FillRows(const QImage& image, int bits, int top, int count, qint64 stride, uchar* chunk) {
  const int width = image.width();
  const QImage::Format format = image.format();
  // Formats without a direct row copy are converted a chunk at a time.
  QImage converted;
  const bool direct = bits != 24 || format == QImage::Format_RGB888 ||
                      format == QImage::Format_RGB32 || format == QImage::Format_ARGB32;
  if (!direct) converted = image.copy(0, top, width, count).convertToFormat(QImage::Format_RGB888);
  for (int i = 0; i < count; ++i) {
    const int y = top + count - 1 - i;
    uchar* dst = chunk + i * stride;
    std::memset(dst + stride - 4, 0, 4);  // padding bytes are always zero
    const uchar* src = direct ? image.constScanLine(y) : converted.constScanLine(y - top);
    if (bits == 4) {
      PackFourBit(src, width, dst);
    } else if (bits == 8) {
      std::memcpy(dst, src, size_t(width));
    } else if (!direct || format == QImage::Format_RGB888) {
      CopySwappingRedBlue(src, dst, width);
    } else {
      Rgb32ToBgr(src, width, dst);
    }
  }
}

}  // namespace

int BmpBitCountFor(const QImage& image) {
  if (image.format() != QImage::Format_Indexed8) return 24;
  const int colors = image.colorCount();
  return colors > 0 && colors <= 16 ? 4 : 8;
}

QString WriteBmpTo(const QImage& image, QIODevice& out) {
  if (image.isNull()) return ReasonNothingToSave();
  const int bits = BmpBitCountFor(image);
  BmpHeader header;
  header.width = image.width();
  header.height = image.height();
  header.bitCount = bits;
  const qint64 stride = header.Stride();
  const int tableEntries = bits <= 8 ? 1 << bits : 0;
  const qint64 pixelOffset = kBmpFileHeaderSize + kBmpInfoHeaderSize + tableEntries * 4;
  const qint64 fileSize = pixelOffset + stride * header.height;
  if (fileSize > 0xFFFFFFFFLL) return ReasonTooLarge(header.width, header.height);

  uchar head[kBmpFileHeaderSize + kBmpInfoHeaderSize] = {};
  head[0] = 'B';
  head[1] = 'M';
  WriteLe32(head + 2, quint32(fileSize));
  WriteLe32(head + 10, quint32(pixelOffset));
  uchar* info = head + kBmpFileHeaderSize;
  WriteLe32(info, kBmpInfoHeaderSize);
  WriteLe32(info + 4, quint32(header.width));
  WriteLe32(info + 8, quint32(header.height));  // positive: bottom-up rows
  WriteLe16(info + 12, 1);
  WriteLe16(info + 14, quint16(bits));
  WriteLe32(info + 16, kBmpRgb);
  WriteLe32(info + 20, quint32(stride * header.height));
  WriteLe32(info + 24, quint32(qMax(0, image.dotsPerMeterX())));
  WriteLe32(info + 28, quint32(qMax(0, image.dotsPerMeterY())));
  WriteLe32(info + 32, quint32(tableEntries));
  if (!WriteAll(out, head, sizeof head)) return ReasonWriteFailed(out);
  if (tableEntries > 0) {
    const std::vector<uchar> table = ColorTableBytes(image, tableEntries);
    if (!WriteAll(out, table.data(), qint64(table.size()))) return ReasonWriteFailed(out);
  }

  // Rows go out bottom-up: each chunk covers the next band of image rows above the last one.
  const int rowsPerChunk = int(std::clamp<qint64>(kChunkBytes / stride, 1, header.height));
  std::vector<uchar> chunk(size_t(stride * rowsPerChunk));
  for (int bottom = image.height(); bottom > 0;) {
    const int count = std::min(rowsPerChunk, bottom);
    const int top = bottom - count;
    FillRows(image, bits, top, count, stride, chunk.data());
    if (!WriteAll(out, chunk.data(), stride * count)) return ReasonWriteFailed(out);
    bottom = top;
  }
  return QString();
}

}  // namespace scoreink
