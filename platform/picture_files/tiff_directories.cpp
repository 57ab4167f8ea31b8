#include "platform/picture_files/tiff_directories.h"

#include <unordered_set>

#include "platform/picture_files/picture_messages.h"
#include "platform/picture_files/tiff_messages.h"

namespace scoreink {

namespace {

// Unsigned numbers of the file's byte order, read at offsets from the file's first byte.
class NumberReader {
 public:
  NumberReader(QIODevice& in, qint64 start, bool bigEndian)
      : in_(in), start_(start), size_(quint64(in.size() - start)), bigEndian_(bigEndian) {}

  // False when the bytes lie (partly) past the end of the file or cannot be read.
  bool At(quint64 offset, int bytes, quint64& value) {
    if (offset > size_ || quint64(bytes) > size_ - offset) return false;
    uchar b[8];
    if (!in_.seek(start_ + qint64(offset)) || in_.read(reinterpret_cast<char*>(b), bytes) != bytes)
      return false;
    value = 0;
    for (int i = 0; i < bytes; ++i)
      value = bigEndian_ ? value << 8 | b[i] : value | quint64(b[i]) << (8 * i);
    return true;
  }

 private:
  QIODevice& in_;
  qint64 start_;
  quint64 size_;
  bool bigEndian_;
};

// Classic TIFF counts entries in 2 bytes of 12-byte entries with 4-byte links; BigTIFF in 8
// bytes of 20-byte entries with 8-byte links.
struct Layout {
  int countBytes, entryBytes, linkBytes;
};
constexpr Layout kClassic{2, 12, 4};
constexpr Layout kBig{8, 20, 8};

TiffPages Walk(QIODevice& in, qint64 start, int most) {
  const QByteArray head = in.peek(16);
  if (head.isEmpty()) return {0, in.atEnd() ? ReasonEmptyFile() : ReasonReadFailed(in)};
  const bool little = head.startsWith("II"), big = head.startsWith("MM");
  if (!little && !big) return {0, ReasonNotTiff()};
  NumberReader read(in, start, big);
  quint64 version = 0, first = 0, offsetBytes = 0;
  if (!read.At(2, 2, version)) return {0, ReasonTruncated()};
  if (version != 42 && version != 43) return {0, ReasonNotTiff()};
  const Layout layout = version == 42 ? kClassic : kBig;
  if (version == 43 && (!read.At(4, 2, offsetBytes) || offsetBytes != 8))
    return {0, ReasonBrokenTiff(QString())};
  if (!read.At(version == 42 ? 4 : 8, layout.linkBytes, first)) return {0, ReasonTruncated()};
  std::unordered_set<quint64> seen;
  int pages = 0;
  for (quint64 at = first; at != 0; ++pages) {
    if (pages == most) return {0, ReasonTooManyTiffPages(most)};
    if (!seen.insert(at).second) return {0, ReasonTiffPagesInALoop()};
    quint64 entries = 0, next = 0;
    // Past a count this large the link lies past any file's end, and the sum cannot overflow.
    const bool found =
        read.At(at, layout.countBytes, entries) && entries < (quint64(1) << 40) &&
        read.At(at + quint64(layout.countBytes) + entries * quint64(layout.entryBytes),
                layout.linkBytes, next);
    if (!found) {
      if (pages == 0) return {0, ReasonTruncated()};
      break;
    }
    at = next;
  }
  if (pages == 0) return {0, ReasonTiffWithoutPages()};
  return {pages, QString()};
}

}  // namespace

TiffPages FindTiffPages(QIODevice& in, int most) {
  const qint64 start = in.pos();
  TiffPages pages = Walk(in, start, most);
  if (!in.seek(start) && pages.reason.isEmpty()) pages = {0, ReasonReadFailed(in)};
  return pages;
}

}  // namespace scoreink
