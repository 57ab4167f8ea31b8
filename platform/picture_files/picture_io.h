#pragma once
// Reading and writing picture files: BMP (all common variants read, 24/8/4-bit written),
// JPEG (libjpeg called directly), PNG (libpng: every colour type read, 8-bit palette written),
// TIFF (libtiff: any page of the file) and PDF (Poppler: any page, rendered at a chosen
// resolution). Bad input never crashes, hangs or allocates without bound: the size is checked
// from the header (for a PDF page: from its size at the resolution) before any pixel memory is
// taken.
#include <QByteArray>
#include <QIODevice>
#include <QImage>
#include <QString>
#include <functional>
#include <map>

#include "platform/picture_files/page_overlay.h"
#include "platform/picture_files/picture_limits.h"

namespace scoreink {

class PictureSink;
class ReadWatch;

struct PictureResult {
  QImage image;   // null on failure
  QString error;  // a clear, user-facing message on failure; empty on success
  bool ok() const { return !image.isNull(); }
};

struct WriteResult {
  QString error;  // empty on success
  bool ok() const { return error.isEmpty(); }
};

enum class PictureKind { Bmp, Jpeg, Png, Tiff, Pdf, Unknown };
// By extension, case-insensitive: ".bmp" -> Bmp; ".jpg", ".jpeg" -> Jpeg; ".png" -> Png;
// ".tif", ".tiff" -> Tiff; ".pdf" -> Pdf; else Unknown.
PictureKind PictureKindFromName(const QString& path);

// The resolutions a PDF page may be rendered at, in dots per inch, and the one chosen when the
// user has chosen none.
inline constexpr int kPdfResolutions[] = {150, 300, 600};
inline constexpr int kDefaultPdfDpi = 300;

// Which page of a file of several pages is read (0 = the first; files of one page have only
// page 0), and at what resolution a PDF page is rendered.
struct PagePick {
  int page = 0;
  int dpi = kDefaultPdfDpi;
};

// How many pages a file holds: 1 for BMP, JPEG and PNG, the pages of a TIFF or a PDF. Reads
// only what says the count (no page is decoded). pages is 0 and error the message
// LoadPicture would give when the file cannot be opened, is no file of its kind, or holds no
// page or too many.
struct PageCount {
  int pages = 0;
  QString error;
  bool ok() const { return error.isEmpty(); }
};
PageCount CountPages(const QString& path);

// The largest of kPdfResolutions at which page of the PDF at path stays within the picture
// limit; 0 when none does, or for any other file.
int LargestPdfDpiThatFits(const QString& path, int page);

// Loads by extension. Only a plain file (or a link to one) is opened; a pipe, a device or a
// folder is refused without waiting on it. BMP: 8- and 4-bit files come back as Format_Indexed8
// with the file's colour table, all others as Format_RGB888. JPEG (grey, colour, CMYK,
// progressive): always Format_RGB888. A file whose content does not match its extension is an
// error, and so is a file that ends before its picture does (never half a picture). Messages name
// the file: "画像ファイルを読めない: <file name>" and the reason on the next line.
PictureResult LoadPicture(const QString& path, PagePick pick = {});
// The same file read into sink a band of rows at a time (bmp_reader.h and jpeg_decoder.h
// say what rows each kind gives). Returns an empty string on success, otherwise the message
// LoadPicture would give; the sink may then hold part of a picture, which callers drop. With a
// watch the reading reports its progress, and stops with ReasonCancelled() (no headline) once
// the watch asks it to.
QString ReadPicture(const QString& path, PictureSink& sink, ReadWatch* watch = nullptr,
                    PagePick pick = {});
PictureResult LoadBmp(const QString& path);
PictureResult LoadJpeg(const QString& path);
PictureResult DecodeBmp(const QByteArray& bytes);
PictureResult DecodeJpeg(const QByteArray& bytes);
// Bytes of a file of the given kind (not Unknown), read as LoadPicture reads the file.
PictureResult DecodePicture(const QByteArray& bytes, PictureKind kind, PagePick pick = {});

// BMP in the image's own format: Indexed8 with 16 or fewer table entries -> 4-bit with a
// 16-entry table; other Indexed8 -> 8-bit with a 256-entry table; everything else -> 24-bit.
// Bottom-up rows, uncompressed. Rows are streamed: no whole-page copy is made.
// Save*: the new file replaces the old one only after every write, the flush and the close
// succeeded, so a full disk loses nothing; a write-protected file is refused, not replaced.
WriteResult WriteBmp(const QImage& image, QIODevice& out);
WriteResult SaveBmp(const QImage& image, const QString& path);

// JPEG: three colour components, baseline, the given quality, libjpeg's other defaults.
WriteResult WriteJpeg(const QImage& image, QIODevice& out, int quality = 90);
WriteResult SaveJpeg(const QImage& image, const QString& path, int quality = 90);

// PNG: an Indexed8 picture as an 8-bit palette PNG with its own colour table (the score, with
// the fixed palette, reads back identical); anything else as 8-bit RGB.
WriteResult WritePng(const QImage& image, QIODevice& out);
WriteResult SavePng(const QImage& image, const QString& path);

// Documents of several pages, written as every save is (never a torn file; source may be the
// target itself, which is replaced only once the new file is complete):
// the PDF at source with the overlays laid over its pages at dpi (pdf_writer.h),
WriteResult SavePdfWithOverlays(const QString& source, const std::map<int, PageOverlays>& overlays,
                                int dpi, const QString& path);
// a picture as a one-page PDF, pictures asked for one at a time as a PDF of a page each,
WriteResult SavePicturePdf(const QImage& picture, const QString& path);
WriteResult SavePicturesPdf(int pages,
                            const std::function<QImage(int page, QString& reason)>& pageAt,
                            const QString& path);
// and pages asked for one at a time as a multi-page TIFF (tiff_writer.h).
WriteResult SaveTiffPages(int pages, const std::function<QImage(int page, QString& reason)>& pageAt,
                          const QString& path);

}  // namespace scoreink
