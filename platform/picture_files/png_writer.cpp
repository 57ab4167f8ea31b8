#include "platform/picture_files/png_writer.h"

#include <png.h>

#include <csetjmp>
#include <vector>

#include "platform/files/device_write.h"
#include "platform/picture_files/picture_messages.h"

namespace scoreink {

namespace {

// A scanned page is mostly paper: a middle level packs it to about a thirtieth of its BMP in
// a fraction of the time the highest level takes.
constexpr int kCompressionLevel = 3;

// Everything the writing keeps lives here, outside the frames libpng's errors jump over.
struct PngWrite {
  png_structp png = nullptr;
  png_infop info = nullptr;
  QIODevice* out = nullptr;
  bool writeFailed = false;
  QString failure;
  std::vector<png_color> palette;
  QImage rgb;  // a picture that is neither Indexed8 nor 24-bit, as 24 bits

  ~PngWrite() { png_destroy_write_struct(&png, &info); }
};

void WriteBytes(png_structp png, png_bytep data, size_t length) {
  auto* write = static_cast<PngWrite*>(png_get_io_ptr(png));
  if (!WriteFully(*write->out, reinterpret_cast<const char*>(data), qint64(length))) {
    write->writeFailed = true;
    png_error(png, "write");
  }
}

void Flush(png_structp) {}

void OnError(png_structp png, png_const_charp message) {
  static_cast<PngWrite*>(png_get_error_ptr(png))->failure = QString::fromUtf8(message);
  png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

// Only trivial locals: libpng's errors jump out of here.
void WriteRows(PngWrite& w, const QImage& image) {
  const bool indexed = image.format() == QImage::Format_Indexed8;
  const QImage& rows = indexed ? image : w.rgb;
  png_set_IHDR(w.png, w.info, png_uint_32(rows.width()), png_uint_32(rows.height()), 8,
               indexed ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (indexed) png_set_PLTE(w.png, w.info, w.palette.data(), int(w.palette.size()));
  if (image.dotsPerMeterX() > 0 && image.dotsPerMeterY() > 0)
    png_set_pHYs(w.png, w.info, png_uint_32(image.dotsPerMeterX()),
                 png_uint_32(image.dotsPerMeterY()), PNG_RESOLUTION_METER);
  png_set_compression_level(w.png, kCompressionLevel);
  // Filters help photographs, not table indices.
  if (indexed) png_set_filter(w.png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  png_write_info(w.png, w.info);
  for (int y = 0; y < rows.height(); ++y)
    png_write_row(w.png, const_cast<png_bytep>(rows.constScanLine(y)));
  png_write_end(w.png, nullptr);
}

}  // namespace

QString WritePngTo(const QImage& image, QIODevice& out) {
  if (image.isNull()) return ReasonNothingToSave();
  PngWrite w;
  w.out = &out;
  if (image.format() == QImage::Format_Indexed8) {
    for (const QRgb c : image.colorTable().mid(0, 256))
      w.palette.push_back(png_color{png_byte(qRed(c)), png_byte(qGreen(c)), png_byte(qBlue(c))});
    if (w.palette.empty()) w.palette.push_back(png_color{0, 0, 0});
  } else {
    w.rgb = image.format() == QImage::Format_RGB888 ? image
                                                    : image.convertToFormat(QImage::Format_RGB888);
    if (w.rgb.isNull()) return ReasonNothingToSave();
  }
  w.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &w, OnError, OnWarning);
  if (w.png) w.info = png_create_info_struct(w.png);
  if (!w.png || !w.info) return QStringLiteral("書き込みに失敗した (メモリが足りない)");
  png_set_write_fn(w.png, &w, WriteBytes, Flush);
  if (setjmp(png_jmpbuf(w.png))) {
    if (w.writeFailed) return ReasonWriteFailed(out);
    return QStringLiteral("書き込みに失敗した (%1)").arg(w.failure);
  }
  WriteRows(w, image);
  return QString();
}

}  // namespace scoreink
