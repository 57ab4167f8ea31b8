#include "platform/picture_files/png_reader.h"

#include <png.h>

#include <QImage>
#include <csetjmp>
#include <vector>

#include "platform/picture_files/picture_limits.h"
#include "platform/picture_files/picture_messages.h"

namespace scoreink {

namespace {

// Ancillary chunks (text, colour profiles) may take no more than this each.
constexpr png_alloc_size_t kMaxChunkBytes = png_alloc_size_t(8) << 20;

// How the file's rows come out after libpng's transformations.
struct Plan {
  PictureShape shape;
  bool alpha = false;  // RGBA rows, laid on white here
};

// Everything the reading keeps lives here, outside the frames libpng's errors jump over.
struct PngRead {
  png_structp png = nullptr;
  png_infop info = nullptr;
  QIODevice* in = nullptr;
  Plan plan;
  QString failure;  // libpng's message, or why the file ended early
  bool truncated = false;
  std::vector<uchar> row;  // one row with alpha, before it is laid on white
  QImage whole;            // an interlaced picture, which comes in passes over all rows
  std::vector<uchar*> rows;

  ~PngRead() { png_destroy_read_struct(&png, &info, nullptr); }
};

void ReadBytes(png_structp png, png_bytep data, size_t length) {
  auto* read = static_cast<PngRead*>(png_get_io_ptr(png));
  if (read->in->read(reinterpret_cast<char*>(data), qint64(length)) != qint64(length)) {
    read->truncated = true;
    png_error(png, "truncated");
  }
}

void OnError(png_structp png, png_const_charp message) {
  static_cast<PngRead*>(png_get_error_ptr(png))->failure = QString::fromUtf8(message);
  png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

// Rows with alpha (4 bytes a pixel) laid on white paper as 24-bit rows, in place.
void OnWhite(const uchar* rgba, uchar* rgb, int width) {
  for (int x = 0; x < width; ++x, rgba += 4, rgb += 3) {
    const int a = rgba[3];
    for (int c = 0; c < 3; ++c) rgb[c] = uchar((rgba[c] * a + 255 * (255 - a) + 127) / 255);
  }
}

// Sets libpng's transformations: palette and grey files stay table indices (one byte a pixel),
// everything else becomes 8-bit RGB, with alpha when the file has any. Into r.plan.
void PlanRows(PngRead& r) {
  Plan& plan = r.plan;
  const png_uint_32 width = png_get_image_width(r.png, r.info);
  const png_uint_32 height = png_get_image_height(r.png, r.info);
  const int type = png_get_color_type(r.png, r.info);
  const int depth = png_get_bit_depth(r.png, r.info);
  const bool transparency = png_get_valid(r.png, r.info, PNG_INFO_tRNS) != 0;
  plan.shape.size = QSize(int(width), int(height));
  png_uint_32 resX = 0, resY = 0;
  int unit = 0;
  if (png_get_pHYs(r.png, r.info, &resX, &resY, &unit) && unit == PNG_RESOLUTION_METER) {
    plan.shape.dotsPerMeterX = int(std::min<png_uint_32>(resX, 1000000));
    plan.shape.dotsPerMeterY = int(std::min<png_uint_32>(resY, 1000000));
  }
  if (type == PNG_COLOR_TYPE_PALETTE) {
    // The table with each entry's transparency laid on white: exact, and one byte a pixel.
    png_colorp palette = nullptr;
    int entries = 0;
    png_get_PLTE(r.png, r.info, &palette, &entries);
    png_bytep alphas = nullptr;
    int alphaCount = 0;
    if (transparency) png_get_tRNS(r.png, r.info, &alphas, &alphaCount, nullptr);
    for (int i = 0; i < entries; ++i) {
      const int a = i < alphaCount ? alphas[i] : 255;
      const auto on = [a](int c) { return (c * a + 255 * (255 - a) + 127) / 255; };
      plan.shape.table.append(qRgb(on(palette[i].red), on(palette[i].green), on(palette[i].blue)));
    }
    plan.shape.kind = RowKind::Indexed;
    if (depth < 8) png_set_packing(r.png);
    return;
  }
  if (type == PNG_COLOR_TYPE_GRAY && !transparency) {
    plan.shape.kind = RowKind::Indexed;
    for (int v = 0; v < 256; ++v) plan.shape.table.append(qRgb(v, v, v));
    if (depth < 8) png_set_expand_gray_1_2_4_to_8(r.png);
    if (depth == 16) png_set_scale_16(r.png);
    return;
  }
  plan.shape.kind = RowKind::Rgb888;
  if (depth == 16) png_set_scale_16(r.png);
  if (depth < 8) png_set_expand(r.png);
  if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(r.png);
  if (transparency) png_set_tRNS_to_alpha(r.png);
  plan.alpha = transparency || (type & PNG_COLOR_MASK_ALPHA) != 0;
}

// The rows of a file that is not interlaced, band after band. Only trivial locals: libpng's
// errors jump out of here.
QString ReadBands(PngRead& r, const Plan& plan, PictureSink& sink, ReadWatch* watch) {
  const int width = plan.shape.size.width(), height = plan.shape.size.height();
  const int bytesPerPixel = plan.shape.kind == RowKind::Indexed ? 1 : 3;
  if (plan.alpha) r.row.resize(size_t(width) * 4);
  const int rowsPerBand = RowsPerBand(qint64(width) * bytesPerPixel);
  for (int top = 0; top < height; top += rowsPerBand) {
    if (CancelledBy(watch)) return ReasonCancelled();
    const int count = std::min(rowsPerBand, height - top);
    const BandRows room = sink.Room(top, count);
    for (int i = 0; i < count; ++i) {
      uchar* out = room.first + room.stride * i;
      if (plan.alpha) {
        png_read_row(r.png, r.row.data(), nullptr);
        OnWhite(r.row.data(), out, width);
      } else {
        png_read_row(r.png, out, nullptr);
      }
    }
    sink.Filled(top, count);
    ReportTo(watch, top + count, height);
  }
  return QString();
}

// An interlaced file's passes go over every row: the picture is read whole, then handed over.
QString ReadWhole(PngRead& r, const Plan& plan, PictureSink& sink) {
  const int width = plan.shape.size.width(), height = plan.shape.size.height();
  const QImage::Format format = plan.shape.kind == RowKind::Indexed ? QImage::Format_Indexed8
                                : plan.alpha                        ? QImage::Format_RGBA8888
                                                                    : QImage::Format_RGB888;
  r.whole = QImage(width, height, format);
  if (r.whole.isNull())
    return ReasonTooLarge(width, height) + QStringLiteral(" (メモリが足りない)");
  r.rows.resize(size_t(height));
  for (int y = 0; y < height; ++y) r.rows[size_t(y)] = r.whole.scanLine(y);
  png_read_image(r.png, r.rows.data());
  if (plan.alpha) {
    QImage rgb(width, height, QImage::Format_RGB888);
    if (rgb.isNull()) return ReasonTooLarge(width, height) + QStringLiteral(" (メモリが足りない)");
    for (int y = 0; y < height; ++y) OnWhite(r.whole.constScanLine(y), rgb.scanLine(y), width);
    r.whole = std::move(rgb);
  }
  if (plan.shape.kind == RowKind::Indexed) r.whole.setColorTable(plan.shape.table);
  r.whole.setDotsPerMeterX(plan.shape.dotsPerMeterX);
  r.whole.setDotsPerMeterY(plan.shape.dotsPerMeterY);
  sink.TakeWhole(std::move(r.whole));
  return QString();
}

QString ReadAfterHeader(PngRead& r, PictureSink& sink, ReadWatch* watch) {
  png_set_sig_bytes(r.png, 8);
  png_read_info(r.png, r.info);
  const png_uint_32 width = png_get_image_width(r.png, r.info);
  const png_uint_32 height = png_get_image_height(r.png, r.info);
  if (!PictureSizeAllowed(width, height)) return ReasonTooLarge(width, height);
  PlanRows(r);
  const int passes = png_set_interlace_handling(r.png);
  png_read_update_info(r.png, r.info);
  if (passes > 1) return ReadWhole(r, r.plan, sink);
  if (!sink.Begin(r.plan.shape))
    return ReasonTooLarge(width, height) + QStringLiteral(" (メモリが足りない)");
  return ReadBands(r, r.plan, sink, watch);
}

}  // namespace

QString ReadPngInto(QIODevice& in, PictureSink& sink, ReadWatch* watch) {
  png_byte signature[8];
  const qint64 got = in.read(reinterpret_cast<char*>(signature), 8);
  if (got <= 0) return ReasonEmptyFile();
  if (got < 8 || png_sig_cmp(signature, 0, 8) != 0) return ReasonNotPng();
  PngRead r;
  r.in = &in;
  r.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &r, OnError, OnWarning);
  if (!r.png) return ReasonTooLarge(0, 0);
  r.info = png_create_info_struct(r.png);
  if (!r.info) return ReasonTooLarge(0, 0);
  png_set_read_fn(r.png, &r, ReadBytes);
  png_set_user_limits(r.png, PNG_UINT_31_MAX, PNG_UINT_31_MAX);
  png_set_chunk_malloc_max(r.png, kMaxChunkBytes);
  if (setjmp(png_jmpbuf(r.png))) {
    if (r.truncated) return ReasonTruncated();
    return QStringLiteral("PNGの中身が壊れている (%1)").arg(r.failure);
  }
  return ReadAfterHeader(r, sink, watch);
}

}  // namespace scoreink
