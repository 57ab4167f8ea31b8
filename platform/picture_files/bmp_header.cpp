#include "platform/picture_files/bmp_header.h"

#include "platform/picture_files/picture_limits.h"
#include "platform/picture_files/picture_messages.h"

namespace scoreink {

int BmpHeader::TableEntries() const {
  if (bitCount > 8) return 0;
  const quint32 full = 1u << bitCount;
  return int(colorsUsed == 0 || colorsUsed > full ? full : colorsUsed);
}

bool ReadBmpHeader(QIODevice& in, BmpHeader& header, QString& reason) {
  uchar file[kBmpFileHeaderSize];
  const qint64 got = in.read(reinterpret_cast<char*>(file), sizeof file);
  if (got == 0) {
    reason = ReasonEmptyFile();
    return false;
  }
  if (got < 2 || file[0] != 'B' || file[1] != 'M') {
    reason = ReasonNotBmp();
    return false;
  }
  if (got < kBmpFileHeaderSize) {
    reason = ReasonTruncated();
    return false;
  }
  header.fileSize = ReadLe32(file + 2);
  header.pixelOffset = ReadLe32(file + 10);

  uchar info[64] = {};
  if (in.read(reinterpret_cast<char*>(info), 4) != 4) {
    reason = ReasonTruncated();
    return false;
  }
  header.infoSize = ReadLe32(info);
  // The fields read below all sit in the first 40 bytes of the longer headers.
  const qint64 wanted = header.infoSize == 12 ? 12 : kBmpInfoHeaderSize;
  if (header.infoSize != 12 && header.infoSize < quint32(kBmpInfoHeaderSize)) {
    reason = ReasonBrokenBmp(QStringLiteral("header size %1").arg(header.infoSize));
    return false;
  }
  if (in.read(reinterpret_cast<char*>(info) + 4, wanted - 4) != wanted - 4) {
    reason = ReasonTruncated();
    return false;
  }
  qint64 height = 0;
  if (header.infoSize == 12) {
    header.width = ReadLe16(info + 4);
    height = qint16(ReadLe16(info + 6));
    header.bitCount = ReadLe16(info + 10);
  } else {
    header.width = qint32(ReadLe32(info + 4));
    height = qint32(ReadLe32(info + 8));
    header.bitCount = ReadLe16(info + 14);
    header.compression = ReadLe32(info + 16);
    header.dotsPerMeterX = qint32(ReadLe32(info + 24));
    header.dotsPerMeterY = qint32(ReadLe32(info + 28));
    header.colorsUsed = ReadLe32(info + 32);
  }
  // Compressed pixels in a JPEG or PNG stream carry no bit count of their own.
  const bool embedded = header.compression == 4 || header.compression == 5;
  switch (header.bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
      break;
    default:
      if (!(embedded && header.bitCount == 0)) {
        reason = ReasonBadBitCount(header.bitCount);
        return false;
      }
  }
  header.topDown = height < 0;
  header.height = height < 0 ? -height : height;
  if (header.width <= 0 || header.height <= 0) {
    reason = ReasonBadSize(header.width, height);
    return false;
  }
  if (!PictureSizeAllowed(header.width, header.height)) {
    reason = ReasonTooLarge(header.width, header.height);
    return false;
  }
  return true;
}

}  // namespace scoreink
