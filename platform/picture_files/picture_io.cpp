#include "platform/picture_files/picture_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <functional>

#include "platform/files/native_path.h"
#include "platform/picture_files/bmp_reader.h"
#include "platform/picture_files/bmp_writer.h"
#include "platform/picture_files/jpeg_decoder.h"
#include "platform/picture_files/jpeg_encoder.h"
#include "platform/picture_files/pdf_reader.h"
#include "platform/picture_files/pdf_writer.h"
#include "platform/picture_files/picture_messages.h"
#include "platform/picture_files/png_reader.h"
#include "platform/picture_files/png_writer.h"
#include "platform/picture_files/replacing_file_write.h"
#include "platform/picture_files/tiff_reader.h"
#include "platform/picture_files/tiff_writer.h"
#include "platform/picture_files/whole_picture.h"

namespace scoreink {

namespace {

using Reader = std::function<QString(QIODevice&, PictureSink&, ReadWatch*)>;
using Writer = std::function<QString(QIODevice&)>;

// What the first bytes say the file is, to tell the user when a name lies about it.
PictureKind KindFromContent(QIODevice& in) {
  const QByteArray head = in.peek(8);
  if (head.startsWith("BM")) return PictureKind::Bmp;
  if (head.startsWith("\xFF\xD8\xFF")) return PictureKind::Jpeg;
  if (head.startsWith("\x89PNG\r\n\x1A\n")) return PictureKind::Png;
  if (head.startsWith(QByteArray("II*\0", 4)) || head.startsWith(QByteArray("MM\0*", 4)))
    return PictureKind::Tiff;
  if (head.startsWith("%PDF-")) return PictureKind::Pdf;
  return PictureKind::Unknown;
}

QString MismatchNote(PictureKind content) {
  switch (content) {
    case PictureKind::Bmp:
      return QStringLiteral(" (中身はBMPのようだ)");
    case PictureKind::Jpeg:
      return QStringLiteral(" (中身はJPEGのようだ)");
    case PictureKind::Png:
      return QStringLiteral(" (中身はPNGのようだ)");
    case PictureKind::Tiff:
      return QStringLiteral(" (中身はTIFFのようだ)");
    case PictureKind::Pdf:
      return QStringLiteral(" (中身はPDFのようだ)");
    case PictureKind::Unknown:
      break;
  }
  return QString();
}

QString ReadWith(QIODevice& in, const QString& path, const Reader& read, const QString& notThisKind,
                 PictureSink& sink, ReadWatch* watch) {
  const PictureKind content = KindFromContent(in);
  QString reason = read(in, sink, watch);
  if (reason.isEmpty()) return reason;
  if (reason == ReasonCancelled()) return reason;
  if (reason == notThisKind) reason += MismatchNote(content);
  return ReadFailureMessage(path, reason);
}

// Opens path for reading only when it is (or links to) a plain file: a pipe would block the
// open and every read until someone writes to it, a device might never end. The open itself
// does not wait; the file is then read as usual. Names are the file's real bytes.
QString OpenPlainFile(const QString& path, QFile& file) {
  const int fd = ::open(NativePath(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return ReasonOpenForRead(errno);
  struct stat info;
  QString reason;
  if (::fstat(fd, &info) != 0)
    reason = ReasonOpenForRead(errno);
  else if (S_ISDIR(info.st_mode))
    reason = ReasonOpenForRead(EISDIR);
  else if (!S_ISREG(info.st_mode))
    reason = ReasonNotRegularFile();
  else if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
    reason = ReasonOpenForRead(errno);
  if (reason.isEmpty() && !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
    reason = ReasonOpenForRead(file);
  if (!reason.isEmpty() && !file.isOpen()) ::close(fd);
  return reason;
}

QString LoadWith(const QString& path, const Reader& read, const QString& notThisKind,
                 PictureSink& sink, ReadWatch* watch = nullptr) {
  QFile file;
  if (const QString reason = OpenPlainFile(path, file); !reason.isEmpty())
    return ReadFailureMessage(path, reason);
  return ReadWith(file, path, read, notThisKind, sink, watch);
}

PictureResult Whole(const std::function<QString(PictureSink&)>& read) {
  WholePicture whole;
  const QString error = read(whole);
  if (!error.isEmpty()) return PictureResult{QImage(), error};
  return PictureResult{whole.Take(), QString()};
}

PictureResult DecodeWith(const QByteArray& bytes, const Reader& read, const QString& notThisKind) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  return Whole([&](PictureSink& sink) {
    return ReadWith(buffer, QString(), read, notThisKind, sink, nullptr);
  });
}

WriteResult SaveWith(const QImage& image, const QString& path, const Writer& write) {
  if (image.isNull()) return WriteResult{WriteFailureMessage(path, ReasonNothingToSave())};
  const QString reason = WriteReplacingFile(path, write);
  return WriteResult{reason.isEmpty() ? QString() : WriteFailureMessage(path, reason)};
}

WriteResult Written(const QString& reason) {
  return WriteResult{reason.isEmpty() ? QString() : WriteFailureMessage(QString(), reason)};
}

// The reader of a kind of file, and its reason for a file that is not of that kind.
Reader ReaderOf(PictureKind kind, PagePick pick) {
  switch (kind) {
    case PictureKind::Bmp:
      return ReadBmpInto;
    case PictureKind::Jpeg:
      return ReadJpegInto;
    case PictureKind::Png:
      return ReadPngInto;
    case PictureKind::Tiff:
      return [pick](QIODevice& in, PictureSink& sink, ReadWatch* watch) {
        return ReadTiffInto(in, sink, watch, pick.page);
      };
    case PictureKind::Pdf:
      return [pick](QIODevice& in, PictureSink& sink, ReadWatch* watch) {
        return ReadPdfInto(in, sink, watch, pick.page, pick.dpi);
      };
    case PictureKind::Unknown:
      break;
  }
  return nullptr;
}

QString NotThisKind(PictureKind kind) {
  switch (kind) {
    case PictureKind::Bmp:
      return ReasonNotBmp();
    case PictureKind::Jpeg:
      return ReasonNotJpeg();
    case PictureKind::Png:
      return ReasonNotPng();
    case PictureKind::Tiff:
      return ReasonNotTiff();
    case PictureKind::Pdf:
      return ReasonNotPdf();
    case PictureKind::Unknown:
      break;
  }
  return ReasonUnknownExtension();
}

}  // namespace

PictureKind PictureKindFromName(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("bmp")) return PictureKind::Bmp;
  if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) return PictureKind::Jpeg;
  if (suffix == QLatin1String("png")) return PictureKind::Png;
  if (suffix == QLatin1String("tif") || suffix == QLatin1String("tiff")) return PictureKind::Tiff;
  if (suffix == QLatin1String("pdf")) return PictureKind::Pdf;
  return PictureKind::Unknown;
}

QString ReadPicture(const QString& path, PictureSink& sink, ReadWatch* watch, PagePick pick) {
  const PictureKind kind = PictureKindFromName(path);
  if (kind == PictureKind::Unknown) return ReadFailureMessage(path, ReasonUnknownExtension());
  return LoadWith(path, ReaderOf(kind, pick), NotThisKind(kind), sink, watch);
}

PageCount CountPages(const QString& path) {
  const PictureKind kind = PictureKindFromName(path);
  if (kind == PictureKind::Unknown)
    return PageCount{0, ReadFailureMessage(path, ReasonUnknownExtension())};
  QFile file;
  if (const QString reason = OpenPlainFile(path, file); !reason.isEmpty())
    return PageCount{0, ReadFailureMessage(path, reason)};
  QString reason;
  int pages = 1;
  if (kind == PictureKind::Tiff) pages = CountTiffPages(file, reason);
  if (kind == PictureKind::Pdf) pages = CountPdfPages(file, reason);
  if (!reason.isEmpty()) return PageCount{0, ReadFailureMessage(path, reason)};
  return PageCount{pages, QString()};
}

int LargestPdfDpiThatFits(const QString& path, int page) {
  QFile file;
  if (PictureKindFromName(path) != PictureKind::Pdf || !OpenPlainFile(path, file).isEmpty())
    return 0;
  return LargestPdfDpiThatFits(file, page);
}

PictureResult LoadPicture(const QString& path, PagePick pick) {
  return Whole([&](PictureSink& sink) { return ReadPicture(path, sink, nullptr, pick); });
}

PictureResult LoadBmp(const QString& path) {
  return Whole(
      [&](PictureSink& sink) { return LoadWith(path, ReadBmpInto, ReasonNotBmp(), sink); });
}

PictureResult LoadJpeg(const QString& path) {
  return Whole(
      [&](PictureSink& sink) { return LoadWith(path, ReadJpegInto, ReasonNotJpeg(), sink); });
}

PictureResult DecodePicture(const QByteArray& bytes, PictureKind kind, PagePick pick) {
  if (kind == PictureKind::Unknown)
    return PictureResult{QImage(), ReadFailureMessage(QString(), ReasonUnknownExtension())};
  return DecodeWith(bytes, ReaderOf(kind, pick), NotThisKind(kind));
}

PictureResult DecodeBmp(const QByteArray& bytes) {
  return DecodeWith(bytes, ReadBmpInto, ReasonNotBmp());
}

PictureResult DecodeJpeg(const QByteArray& bytes) {
  return DecodeWith(bytes, ReadJpegInto, ReasonNotJpeg());
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

WriteResult WritePng(const QImage& image, QIODevice& out) {
  return Written(WritePngTo(image, out));
}

WriteResult SavePng(const QImage& image, const QString& path) {
  return SaveWith(image, path, [&](QIODevice& out) { return WritePngTo(image, out); });
}

WriteResult SavePdfWithOverlays(const QString& source, const std::map<int, PageOverlays>& overlays,
                                int dpi, const QString& path) {
  const QString reason = WriteReplacingFile(
      path, [&](QIODevice& out) { return WritePdfWithOverlays(source, overlays, dpi, out); });
  return WriteResult{reason.isEmpty() ? QString() : WriteFailureMessage(path, reason)};
}

WriteResult SavePicturePdf(const QImage& picture, const QString& path) {
  return SaveWith(picture, path, [&](QIODevice& out) { return WritePicturePdf(picture, out); });
}

WriteResult SavePicturesPdf(int pages,
                            const std::function<QImage(int page, QString& reason)>& pageAt,
                            const QString& path) {
  const QString reason = WriteReplacingFile(
      path, [&](QIODevice& out) { return WritePicturesPdf(pages, pageAt, out); });
  return WriteResult{reason.isEmpty() ? QString() : WriteFailureMessage(path, reason)};
}

WriteResult SaveTiffPages(int pages, const std::function<QImage(int page, QString& reason)>& pageAt,
                          const QString& path) {
  const QString reason =
      WriteReplacingFile(path, [&](QIODevice& out) { return WriteTiffPages(pages, pageAt, out); });
  return WriteResult{reason.isEmpty() ? QString() : WriteFailureMessage(path, reason)};
}

}  // namespace scoreink
