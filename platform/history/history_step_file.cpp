#include "platform/history/history_step_file.h"

#include <QFile>
#include <QtEndian>
#include <cstring>

#include "platform/files/device_write.h"
#include "platform/picture_files/picture_limits.h"
#include "platform/picture_files/picture_messages.h"

namespace scoreink {

namespace {

constexpr char kMagic[4] = {'S', 'I', 'H', 'S'};
constexpr char kEnd[4] = {'E', 'N', 'D', '!'};
constexpr quint32 kVersion = 1;

class Out {
 public:
  void Bytes(const void* data, qsizetype n) { buffer_.append(static_cast<const char*>(data), n); }
  void U32(quint32 v) {
    v = qToLittleEndian(v);
    Bytes(&v, 4);
  }
  void U64(quint64 v) {
    v = qToLittleEndian(v);
    Bytes(&v, 8);
  }
  void Blob(const QByteArray& b) {
    U64(quint64(b.size()));
    buffer_.append(b);
  }
  QByteArray& Buffer() { return buffer_; }

 private:
  QByteArray buffer_;
};

class In {
 public:
  explicit In(const QByteArray& b) : b_(b) {}
  bool Bytes(void* to, qsizetype n) {
    if (n < 0 || b_.size() - at_ < n) return false;
    std::memcpy(to, b_.constData() + at_, size_t(n));
    at_ += n;
    return true;
  }
  bool U32(quint32& v) {
    if (!Bytes(&v, 4)) return false;
    v = qFromLittleEndian(v);
    return true;
  }
  bool I32(int& v) {
    quint32 u = 0;
    if (!U32(u)) return false;
    v = int(qint32(u));
    return true;
  }
  bool Blob(QByteArray& out, qint64 limit) {
    quint64 n = 0;
    if (!Bytes(&n, 8)) return false;
    n = qFromLittleEndian(n);
    if (n > quint64(limit) || qint64(n) > b_.size() - at_) return false;
    out = b_.mid(at_, qsizetype(n));
    at_ += qsizetype(n);
    return true;
  }
  bool AtEnd() const { return at_ == b_.size(); }

 private:
  const QByteArray& b_;
  qsizetype at_ = 0;
};

void WriteShape(Out& out, QSize size, QImage::Format format, const QList<QRgb>& colors) {
  out.U32(quint32(size.width()));
  out.U32(quint32(size.height()));
  out.U32(quint32(format));
  out.U32(quint32(colors.size()));
  for (const QRgb c : colors) out.U32(c);
}

bool ReadShape(In& in, QSize& size, QImage::Format& format, QList<QRgb>& colors) {
  int w = 0, h = 0, f = 0;
  quint32 count = 0;
  if (!in.I32(w) || !in.I32(h) || !in.I32(f) || !in.U32(count)) return false;
  if (w < 0 || h < 0 || f <= QImage::Format_Invalid || f >= QImage::NImageFormats || count > 256)
    return false;
  if ((w == 0) != (h == 0) || (w > 0 && !PictureSizeAllowed(w, h))) return false;
  size = QSize(w, h);
  format = QImage::Format(f);
  colors.resize(count);
  for (QRgb& c : colors) {
    if (!in.U32(c)) return false;
  }
  return true;
}

// A picture's rows without padding, compressed; a null picture as an empty shape.
void WriteWholePicture(Out& out, const QImage& picture) {
  WriteShape(out, picture.size(), picture.isNull() ? QImage::Format_Mono : picture.format(),
             picture.colorTable());
  if (picture.isNull()) return;
  const qsizetype rowBytes = (qsizetype(picture.width()) * picture.depth() + 7) / 8;
  QByteArray rows;
  rows.reserve(rowBytes * picture.height());
  for (int y = 0; y < picture.height(); ++y)
    rows.append(reinterpret_cast<const char*>(picture.constScanLine(y)), rowBytes);
  out.Blob(qCompress(rows, 1));
}

bool ReadWholePicture(In& in, QImage& picture) {
  QSize size;
  QImage::Format format;
  QList<QRgb> colors;
  if (!ReadShape(in, size, format, colors)) return false;
  if (size.isEmpty()) {
    picture = QImage();
    return true;
  }
  QByteArray packed;
  if (!in.Blob(packed, kMaxPictureBytes)) return false;
  QImage image(size, format);
  if (image.isNull()) return false;
  const qsizetype rowBytes = (qsizetype(image.width()) * image.depth() + 7) / 8;
  const QByteArray rows = qUncompress(packed);
  if (rows.size() != rowBytes * image.height()) return false;
  for (int y = 0; y < image.height(); ++y)
    std::memcpy(image.scanLine(y), rows.constData() + rowBytes * y, size_t(rowBytes));
  if (!colors.isEmpty()) image.setColorTable(colors);
  picture = std::move(image);
  return true;
}

}  // namespace

QString WriteHistoryStep(const HistoryStep& step, const QString& path) {
  Out out;
  out.Bytes(kMagic, 4);
  out.U32(kVersion);
  out.U32(step.whole ? 1 : 0);
  if (step.whole) {
    WriteWholePicture(out, step.wholeBefore);
    WriteWholePicture(out, step.wholeAfter);
  } else {
    WriteShape(out, step.size, step.format, step.colors);
    out.U32(quint32(step.tileSize));
    out.U32(quint32(step.tiles.size()));
    for (const int t : step.tiles) out.U32(quint32(t));
  }

  // The tiles go from the step straight to the file; only the small parts are gathered.
  QByteArray tail;
  if (!step.whole) {
    Out sizes;
    sizes.U64(quint64(step.after.size()));
    out.U64(quint64(step.before.size()));
    tail = sizes.Buffer();
  }
  // Always a new file: a file once written may have a second name (the recovery log's).
  QFile::remove(path);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return ReasonOpenForWrite(file);
  // Written in full or with the system's reason (a full disk takes part of a block silently).
  const auto put = [&file](const QByteArray& bytes) {
    return WriteFully(file, bytes.constData(), bytes.size());
  };
  bool written = put(out.Buffer());
  if (written && !step.whole) written = put(step.before) && put(tail) && put(step.after);
  written = written && WriteFully(file, kEnd, 4);
  QString reason;
  if (!written || !file.flush()) reason = ReasonWriteFailed(file);
  file.close();
  if (reason.isEmpty() && file.error() != QFileDevice::NoError) reason = ReasonWriteFailed(file);
  // Half a step is no step: a later read must not find a file that looks like one.
  if (!reason.isEmpty()) file.remove();
  return reason;
}

std::optional<HistoryStep> ReadHistoryStep(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.readAll();
  In in(bytes);
  char magic[4];
  quint32 version = 0, whole = 0;
  if (!in.Bytes(magic, 4) || std::memcmp(magic, kMagic, 4) != 0 || !in.U32(version) ||
      version != kVersion || !in.U32(whole) || whole > 1)
    return std::nullopt;

  HistoryStep step;
  step.whole = whole == 1;
  if (step.whole) {
    if (!ReadWholePicture(in, step.wholeBefore) || !ReadWholePicture(in, step.wholeAfter))
      return std::nullopt;
  } else {
    quint32 count = 0;
    if (!ReadShape(in, step.size, step.format, step.colors) || !in.I32(step.tileSize) ||
        step.tileSize < kMinHistoryTileSize || step.tileSize > kMaxHistoryTileSize ||
        !in.U32(count))
      return std::nullopt;
    const QImage probe(1, 1, step.format);
    if (probe.isNull() || probe.depth() < 8 || probe.depth() % 8 != 0) return std::nullopt;
    const TileGrid grid(step.size, probe.depth() / 8, step.tileSize);
    if (count > quint32(grid.Count())) return std::nullopt;
    qint64 expected = 0;
    step.tiles.resize(count);
    for (int& t : step.tiles) {
      if (!in.I32(t) || t < 0 || t >= grid.Count()) return std::nullopt;
      expected += grid.TileBytes(t);
    }
    // A step of the recovery log keeps only the tiles after it.
    if (!in.Blob(step.before, expected) || !in.Blob(step.after, expected) ||
        (step.before.size() != expected && !step.before.isEmpty()) || step.after.size() != expected)
      return std::nullopt;
  }
  char end[4];
  if (!in.Bytes(end, 4) || std::memcmp(end, kEnd, 4) != 0 || !in.AtEnd()) return std::nullopt;
  return step;
}

}  // namespace scoreink
