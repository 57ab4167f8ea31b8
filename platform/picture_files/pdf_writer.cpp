#include "platform/picture_files/pdf_writer.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QUtil.hh>

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/files/native_path.h"
#include "platform/picture_files/pdf_image.h"
#include "platform/picture_files/pdf_messages.h"
#include "platform/picture_files/pdf_output.h"
#include "platform/picture_files/pdf_page_changes.h"
#include "platform/picture_files/pdf_write_messages.h"
#include "platform/picture_files/picture_messages.h"

namespace scoreink {

namespace {

// A picture says its resolution in dots per metre; pages are measured in whole dots per inch.
constexpr int kDpiWhenNoneIsSaid = 300;

int DpiOf(int dotsPerMeter) {
  const int dpi = qRound(dotsPerMeter * 0.0254);
  return dpi > 0 ? dpi : kDpiWhenNoneIsSaid;
}

bool AnyChanged(const QImage& mask) {
  const int fullBytes = mask.width() / 8;
  const uchar lastBits = uchar(0xFF00 >> (mask.width() % 8));
  for (int y = 0; y < mask.height(); ++y) {
    const uchar* row = mask.constScanLine(y);
    for (int i = 0; i < fullBytes; ++i)
      if (row[i]) return true;
    if (lastBits && (row[fullBytes] & lastBits)) return true;
  }
  return false;
}

bool Whole(const PageOverlay& overlay) {
  const QSize size = overlay.area.size();
  const QImage::Format mask = overlay.mask.format();
  return !overlay.area.isEmpty() && overlay.pixels.size() == size && overlay.mask.size() == size &&
         (mask == QImage::Format_Mono || mask == QImage::Format_MonoLSB);
}

// The overlays of a page that change anything, masks as the image writer reads them; false
// when one of them does not fit together.
bool Drawn(const PageOverlays& overlays, PageOverlays& drawn) {
  for (PageOverlay overlay : overlays) {
    if (!Whole(overlay)) return false;
    if (overlay.mask.format() != QImage::Format_Mono)
      overlay.mask = overlay.mask.convertToFormat(QImage::Format_Mono);
    if (AnyChanged(overlay.mask)) drawn.push_back(std::move(overlay));
  }
  return true;
}

// Only a plain file is opened: a pipe would keep the save waiting.
QString OpenSource(QPDF& pdf, const QString& source) {
  switch (KindOfPath(source)) {
    case PathKind::Missing:
      return ReasonOpenForRead(ENOENT);
    case PathKind::Folder:
      return ReasonOpenForRead(EISDIR);
    case PathKind::Other:
      return ReasonNotRegularFile();
    case PathKind::RegularFile:
      break;
  }
  const QByteArray name = NativePath(source);
  FILE* file = std::fopen(name.constData(), "rbe");
  if (!file) return ReasonOpenForRead(errno);
  pdf.processFile(name.constData(), file, true);
  return QString();
}

QPDFObjectHandle Rectangle(double width, double height) {
  return QPDFObjectHandle::newFromRectangle(QPDFObjectHandle::Rectangle(0, 0, width, height));
}

// A page of the picture's size at its resolution, drawing image (the picture's) over it all.
void AddPicturePage(QPDF& pdf, const QImage& picture, QPDFObjectHandle image) {
  const double width = picture.width() * 72.0 / DpiOf(picture.dotsPerMeterX());
  const double height = picture.height() * 72.0 / DpiOf(picture.dotsPerMeterY());
  QPDFObjectHandle xobjects = QPDFObjectHandle::newDictionary();
  xobjects.replaceKey("/Picture", image);
  QPDFObjectHandle resources = QPDFObjectHandle::newDictionary();
  resources.replaceKey("/XObject", xobjects);
  QPDFObjectHandle page = QPDFObjectHandle::newDictionary();
  page.replaceKey("/Type", QPDFObjectHandle::newName("/Page"));
  page.replaceKey("/MediaBox", Rectangle(width, height));
  page.replaceKey("/Resources", resources);
  // Inset as the changes laid over a page are (pdf_shown_page.h), or the picture would be
  // drawn a pixel larger than the page and smoothed to fit.
  const double insetX = width / picture.width() / 64, insetY = height / picture.height() / 64;
  std::string placing = "q";
  for (const double v : {width - 2 * insetX, 0.0, 0.0, height - 2 * insetY, insetX, insetY})
    placing += ' ' + QUtil::double_to_string(v, 6, true);
  page.replaceKey("/Contents", pdf.newStream(placing + " cm /Picture Do Q\n"));
  QPDFPageDocumentHelper(pdf).addPage(QPDFPageObjectHelper(pdf.makeIndirectObject(page)), false);
}

}  // namespace

int PdfPageDpi(const QImage& picture) {
  return DpiOf(picture.dotsPerMeterX());
}

QString WritePdfWithOverlays(const QString& source, const std::map<int, PageOverlays>& overlays,
                             int dpi, QIODevice& out) {
  if (dpi <= 0) return ReasonBadPdfResolution(dpi);
  std::map<int, PageOverlays> drawn;
  for (const auto& [page, list] : overlays)
    if (!Drawn(list, drawn[page])) return ReasonBrokenPageChanges(page + 1);
  return CatchPdfFailures(out, [&]() -> QString {
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    if (const QString reason = OpenSource(pdf, source); !reason.isEmpty()) return reason;
    if (pdf.isEncrypted()) return ReasonPdfLockedForWriting();
    std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(pdf).getAllPages();
    if (pages.empty()) return ReasonPdfWithoutPages();
    const int count = int(pages.size());
    for (const auto& [page, list] : drawn) {
      if (page < 0 || page >= count) return ReasonNoSuchPdfPage(page + 1, count);
      if (!list.empty()) LayChangesOverPage(pdf, pages[size_t(page)], list, dpi);
    }
    WritePdfTo(pdf, out);
    return QString();
  });
}

QString WritePicturePdf(const QImage& picture, QIODevice& out) {
  if (picture.isNull()) return ReasonNothingToSave();
  return CatchPdfFailures(out, [&]() -> QString {
    QPDF pdf;
    pdf.emptyPDF();
    AddPicturePage(pdf, picture, MakePdfImage(pdf, picture));
    WritePdfTo(pdf, out);
    return QString();
  });
}

QString WritePicturesPdf(int pages, const std::function<QImage(int page, QString& reason)>& pageAt,
                         QIODevice& out) {
  if (pages <= 0) return ReasonNothingToSave();
  return CatchPdfFailures(out, [&]() -> QString {
    QPDF pdf;
    pdf.emptyPDF();
    for (int n = 0; n < pages; ++n) {
      QString reason;
      const QImage picture = pageAt(n, reason);
      if (picture.isNull()) return reason.isEmpty() ? ReasonPageNotReady(n) : reason;
      AddPicturePage(pdf, picture, MakePackedPdfImage(pdf, picture));
    }
    WritePdfTo(pdf, out);
    return QString();
  });
}

}  // namespace scoreink
