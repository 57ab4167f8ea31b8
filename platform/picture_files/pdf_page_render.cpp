#include "platform/picture_files/pdf_page_render.h"

#include <QImage>
#include <QVariant>
#include <algorithm>

#include "platform/picture_files/pdf_messages.h"
#include "platform/picture_files/picture_messages.h"

namespace scoreink {

namespace {

// Progress: rendering a row counts nine times as much as handing it to the sink.
constexpr qint64 kRenderWeight = 9;

bool StopAsked(const QVariant& watch) {
  return CancelledBy(reinterpret_cast<const ReadWatch*>(watch.value<quintptr>()));
}

// Opaque 32-bit pixels as red, green, blue bytes.
void Rgb32RowToRgb888(const QRgb* in, uchar* out, int width) {
  for (int x = 0; x < width; ++x, out += 3) {
    out[0] = uchar(qRed(in[x]));
    out[1] = uchar(qGreen(in[x]));
    out[2] = uchar(qBlue(in[x]));
  }
}

// The rows of one pass, which starts at row top of the page, into the sink in its own bands.
void Hand(const QImage& pass, int top, PictureSink& sink) {
  const int width = pass.width();
  const int rowsPerBand = RowsPerBand(qint64(width) * 3);
  for (int first = 0; first < pass.height(); first += rowsPerBand) {
    const int count = std::min(rowsPerBand, pass.height() - first);
    const BandRows room = sink.Room(top + first, count);
    for (int r = 0; r < count; ++r)
      Rgb32RowToRgb888(reinterpret_cast<const QRgb*>(pass.constScanLine(first + r)),
                       room.first + r * room.stride, width);
    sink.Filled(top + first, count);
  }
}

}  // namespace

QString RenderPdfPage(const Poppler::Page& page, int pageIndex, int dpi, PdfPixels pixels,
                      PictureSink& sink, ReadWatch* watch, qint64 maxPassBytes) {
  const int width = int(pixels.width);
  const int height = int(pixels.height);
  PictureShape shape;
  shape.size = QSize(width, height);
  shape.dotsPerMeterX = shape.dotsPerMeterY = qRound(dpi / 0.0254);
  if (!sink.Begin(shape))
    return ReasonTooLarge(width, height) + QStringLiteral(" (メモリが足りない)");
  const int rowsPerPass = int(std::clamp<qint64>(maxPassBytes / (qint64(width) * 4), 1, height));
  const qint64 total = qint64(height) * (kRenderWeight + 1);
  const QVariant payload = QVariant::fromValue(reinterpret_cast<quintptr>(watch));
  for (int top = 0; top < height; top += rowsPerPass) {
    const int count = std::min(rowsPerPass, height - top);
    ReportTo(watch, top * (kRenderWeight + 1), total);
    QImage pass = page.renderToImage(dpi, dpi, 0, top, width, count, Poppler::Page::Rotate0,
                                     nullptr, nullptr, StopAsked, payload);
    if (CancelledBy(watch)) return ReasonCancelled();
    if (pass.width() != width || pass.height() != count) return ReasonBrokenPdfPage(pageIndex + 1);
    if (pass.format() != QImage::Format_RGB32) pass.convertTo(QImage::Format_RGB32);
    ReportTo(watch, top * (kRenderWeight + 1) + count * kRenderWeight, total);
    Hand(pass, top, sink);
  }
  ReportTo(watch, total, total);
  return QString();
}

}  // namespace scoreink
