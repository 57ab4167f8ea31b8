#include "platform/picture_files/tiff_writer.h"

#include <tiffio.h>

#include <algorithm>
#include <vector>

#include "platform/picture_files/picture_messages.h"
#include "platform/picture_files/tiff_file.h"
#include "platform/picture_files/tiff_page_kind.h"
#include "platform/picture_files/tiff_page_rows.h"
#include "platform/picture_files/tiff_writer_messages.h"

namespace scoreink {

namespace {

// Strips of about this many bytes before compression: large enough that deflate and G4 lose
// little at their edges, small enough that a reader can take a page a band at a time.
constexpr int kStripBytes = 256 * 1024;

bool SetResolution(TIFF* tiff, const QImage& page) {
  if (page.dotsPerMeterX() <= 0 || page.dotsPerMeterY() <= 0) return true;
  return TIFFSetField(tiff, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH) &&
         TIFFSetField(tiff, TIFFTAG_XRESOLUTION, float(page.dotsPerMeterX() * 0.0254)) &&
         TIFFSetField(tiff, TIFFTAG_YRESOLUTION, float(page.dotsPerMeterY() * 0.0254));
}

// The page's own table, 16 bits a channel, padded with black to 256 entries.
bool SetColorMap(TIFF* tiff, const QImage& page) {
  std::vector<uint16_t> red(256, 0), green(256, 0), blue(256, 0);
  const QList<QRgb> table = page.colorTable();
  for (int i = 0; i < int(std::min<qsizetype>(table.size(), 256)); ++i) {
    red[size_t(i)] = uint16_t(qRed(table[i]) * 257);
    green[size_t(i)] = uint16_t(qGreen(table[i]) * 257);
    blue[size_t(i)] = uint16_t(qBlue(table[i]) * 257);
  }
  return TIFFSetField(tiff, TIFFTAG_COLORMAP, red.data(), green.data(), blue.data());
}

bool SetKindTags(TIFF* tiff, const QImage& page, TiffPageKind kind) {
  const bool fax = kind == TiffPageKind::BlackWhite;
  const bool colour = kind == TiffPageKind::Rgb;
  uint16_t photometric = PHOTOMETRIC_MINISBLACK;
  if (fax) photometric = PHOTOMETRIC_MINISWHITE;
  if (kind == TiffPageKind::Palette) photometric = PHOTOMETRIC_PALETTE;
  if (colour) photometric = PHOTOMETRIC_RGB;
  return TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, fax ? 1 : 8) &&
         TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, colour ? 3 : 1) &&
         TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, photometric) &&
         TIFFSetField(tiff, TIFFTAG_COMPRESSION,
                      fax ? COMPRESSION_CCITTFAX4 : COMPRESSION_ADOBE_DEFLATE) &&
         (kind != TiffPageKind::Palette || SetColorMap(tiff, page));
}

bool SetPageTags(TIFF* tiff, const QImage& page, TiffPageKind kind, int bytesPerRow, int n,
                 int pages) {
  return TIFFSetField(tiff, TIFFTAG_SUBFILETYPE, FILETYPE_PAGE) &&
         TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, uint32_t(page.width())) &&
         TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, uint32_t(page.height())) &&
         TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG) &&
         TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP,
                      uint32_t(std::max(1, kStripBytes / std::max(1, bytesPerRow)))) &&
         TIFFSetField(tiff, TIFFTAG_PAGENUMBER, uint16_t(n), uint16_t(pages)) &&
         SetKindTags(tiff, page, kind) && SetResolution(tiff, page);
}

QString WritePage(TiffFile& file, const QImage& page, int n, int pages) {
  TIFF* tiff = file.tiff();
  const TiffPageKind kind = KindOfTiffPage(page);
  TiffPageRows rows(page, kind);
  if (!SetPageTags(tiff, page, kind, rows.BytesPerRow(), n, pages)) return file.WriteFailure();
  for (int y = 0; y < page.height(); ++y) {
    // libtiff takes a non-const row; without a predictor neither encoder used here writes to it.
    if (TIFFWriteScanline(tiff, const_cast<uchar*>(rows.Row(y)), uint32_t(y), 0) < 0)
      return file.WriteFailure();
  }
  if (!TIFFWriteDirectory(tiff)) return file.WriteFailure();
  return QString();
}

}  // namespace

QString WriteTiffPages(int pages, const std::function<QImage(int page, QString& reason)>& pageAt,
                       QIODevice& out) {
  if (pages <= 0) return ReasonNothingToSave();
  if (!out.isReadable()) return ReasonTiffDeviceNotReadable();
  TiffFile file(out);
  if (!file.Create()) return file.WriteFailure();
  for (int n = 0; n < pages; ++n) {
    QString reason;
    QImage page = pageAt(n, reason);
    if (page.isNull()) return reason.isEmpty() ? ReasonPageNotReady(n) : reason;
    // Pages come as Format_Indexed8 or Format_RGB888; anything else is written as 24 bits.
    if (page.format() != QImage::Format_Indexed8 && page.format() != QImage::Format_RGB888)
      page = page.convertToFormat(QImage::Format_RGB888);
    if (page.isNull()) return ReasonPageNotReady(n);
    if (reason = WritePage(file, page, n, pages); !reason.isEmpty()) return reason;
  }
  return QString();
}

}  // namespace scoreink
