#include "platform/picture_io.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <functional>

#include "platform/bmp_reader.h"
#include "platform/bmp_writer.h"
#include "platform/jpeg_decoder.h"
#include "platform/jpeg_encoder.h"
#include "platform/picture_messages.h"
#include "platform/replacing_file_write.h"

namespace scoreink {

namespace {

using Reader = std::function<PictureResult(QIODevice&)>;
using Writer = std::function<QString(QIODevice&)>;

// What the first bytes say the file is, to tell the user when a name lies about it.
PictureKind KindFromContent(QIODevice& in) {
  const QByteArray head = in.peek(3);
  if (head.startsWith("BM")) return PictureKind::Bmp;
  if (head.startsWith("\xFF\xD8\xFF")) return PictureKind::Jpeg;
  return PictureKind::Unknown;
}

QString MismatchNote(PictureKind content) {
  if (content == PictureKind::Bmp) return QStringLiteral(" (中身はBMPのようだ)");
  if (content == PictureKind::Jpeg) return QStringLiteral(" (中身はJPEGのようだ)");
  return QString();
}

PictureResult ReadWith(QIODevice& in, const QString& path, const Reader& read,
                       const QString& notThisKind) {
  const PictureKind content = KindFromContent(in);
  PictureResult result = read(in);
  if (!result.ok()) {
    QString reason = result.error;
    if (reason == notThisKind) reason += MismatchNote(content);
    result.error = ReadFailureMessage(path, reason);
  }
  return result;
}

PictureResult LoadWith(const QString& path, const Reader& read, const QString& notThisKind) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))  // Qt refuses folders here too
    return PictureResult{QImage(), ReadFailureMessage(path, ReasonOpenForRead(file))};
  return ReadWith(file, path, read, notThisKind);
}

PictureResult DecodeWith(const QByteArray& bytes, const Reader& read, const QString& notThisKind) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  return ReadWith(buffer, QString(), read, notThisKind);
}

WriteResult SaveWith(const QImage& image, const QString& path, const Writer& write) {
  if (image.isNull()) return WriteResult{WriteFailureMessage(path, ReasonNothingToSave())};
  const QString reason = WriteReplacingFile(path, write);
  return WriteResult{reason.isEmpty() ? QString() : WriteFailureMessage(path, reason)};
}

WriteResult Written(const QString& reason) {
  return WriteResult{reason.isEmpty() ? QString() : WriteFailureMessage(QString(), reason)};
}

}  // namespace

PictureKind PictureKindFromName(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("bmp")) return PictureKind::Bmp;
  if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) return PictureKind::Jpeg;
  return PictureKind::Unknown;
}

PictureResult LoadPicture(const QString& path) {
  switch (PictureKindFromName(path)) {
    case PictureKind::Bmp:
      return LoadBmp(path);
    case PictureKind::Jpeg:
      return LoadJpeg(path);
    case PictureKind::Unknown:
      break;
  }
  return PictureResult{QImage(), ReadFailureMessage(path, ReasonUnknownExtension())};
}

PictureResult LoadBmp(const QString& path) {
  return LoadWith(path, ReadBmpFrom, ReasonNotBmp());
}

PictureResult LoadJpeg(const QString& path) {
  return LoadWith(path, ReadJpegFrom, ReasonNotJpeg());
}

PictureResult DecodeBmp(const QByteArray& bytes) {
  return DecodeWith(bytes, ReadBmpFrom, ReasonNotBmp());
}

PictureResult DecodeJpeg(const QByteArray& bytes) {
  return DecodeWith(bytes, ReadJpegFrom, ReasonNotJpeg());
}

WriteResult WriteBmp(const QImage& image, QIODevice& out) {
  return Written(WriteBmpTo(image, out));
}

WriteResult SaveBmp(const QImage& image, const QString& path) {
  return SaveWith(image, path, [&](QIODevice& out) { return WriteBmpTo(image, out); });
}

WriteResult WriteJpeg(const QImage& image, QIODevice& out, int quality) {
  return Written(WriteJpegTo(image, out, quality));
}

WriteResult SaveJpeg(const QImage& image, const QString& path, int quality) {
  return SaveWith(image, path, [&](QIODevice& out) { return WriteJpegTo(image, out, quality); });
}

}  // namespace scoreink
