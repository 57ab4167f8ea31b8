#include "platform/picture_files/pdf_reader.h"

#include "platform/picture_files/pdf_document.h"
#include "platform/picture_files/pdf_messages.h"
#include "platform/picture_files/pdf_page_render.h"
#include "platform/picture_files/pdf_page_size.h"
#include "platform/picture_files/picture_limits.h"
#include "platform/picture_files/picture_messages.h"

namespace scoreink {

QString ReadPdfInto(QIODevice& in, PictureSink& sink, ReadWatch* watch, int page, int dpi,
                    qint64 maxPassBytes) {
  const OpenedPdf pdf = OpenPdf(in);
  if (!pdf.reason.isEmpty()) return pdf.reason;
  QString reason;
  const std::unique_ptr<Poppler::Page> opened = OpenPdfPage(*pdf.document, page, reason);
  if (!opened) return reason;
  const QSizeF points = opened->pageSizeF();
  const PdfPixels pixels = PdfPagePixels(points, dpi);
  if (pixels.width <= 0 || pixels.height <= 0) return ReasonBadSize(pixels.width, pixels.height);
  if (!PictureSizeAllowed(pixels.width, pixels.height))
    return ReasonPdfPageTooLarge(dpi, pixels.width, pixels.height, LargestDpiThatFits(points));
  reason = RenderPdfPage(*opened, page, dpi, pixels, sink, watch, maxPassBytes);
  return reason.isEmpty() ? ReasonIfCut(pdf) : reason;
}

int CountPdfPages(QIODevice& in, QString& reason) {
  const OpenedPdf pdf = OpenPdf(in);
  reason = pdf.reason;
  return pdf.document ? pdf.document->numPages() : 0;
}

int LargestPdfDpiThatFits(QIODevice& in, int page) {
  const OpenedPdf pdf = OpenPdf(in);
  if (!pdf.document) return 0;
  QString reason;
  const std::unique_ptr<Poppler::Page> opened = OpenPdfPage(*pdf.document, page, reason);
  return opened ? LargestDpiThatFits(opened->pageSizeF()) : 0;
}

}  // namespace scoreink
