#include "platform/picture_files/jpeg_encoder.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/picture_files/jpeg_session.h"
#include "platform/picture_files/picture_messages.h"

namespace scoreink {

namespace {

constexpr int kRowsPerBatch = 16;

struct EncodeSession {
  jpeg_compress_struct cinfo = {};
  JpegErrors errors;
  JpegDeviceDestination destination;
  bool created = false;
  int quality = 90;
  JSAMPROW rows[kRowsPerBatch] = {};
  int rowCount = 0;

  j_common_ptr common() { return reinterpret_cast<j_common_ptr>(&cinfo); }
  ~EncodeSession() {
    if (created) jpeg_destroy_compress(&cinfo);
  }
};

EncodeSession& SessionOf(void* context) {
  return *static_cast<EncodeSession*>(context);
}

// The steps run between setjmp and a possible longjmp: plain calls only.

void StartStep(j_common_ptr, void* context) {
  EncodeSession& s = SessionOf(context);
  s.cinfo.in_color_space = JCS_RGB;
  s.cinfo.input_components = 3;
  jpeg_set_defaults(&s.cinfo);
  jpeg_set_quality(&s.cinfo, s.quality, TRUE);
  jpeg_start_compress(&s.cinfo, TRUE);
}

void WriteRowsStep(j_common_ptr, void* context) {
  EncodeSession& s = SessionOf(context);
  jpeg_write_scanlines(&s.cinfo, s.rows, JDIMENSION(s.rowCount));
}

void FinishStep(j_common_ptr, void* context) {
  jpeg_finish_compress(&SessionOf(context).cinfo);
}

// Rows in the order R, G, B. RGB888 rows are handed to libjpeg as they are; the others are
// converted a batch of rows at a time into a small buffer.
class RgbRows {
 public:
  explicit RgbRows(const QImage& image) : image_(image) {
    if (image.format() == QImage::Format_Indexed8) table_ = image.colorTable();
    if (image.format() != QImage::Format_RGB888)
      buffer_.resize(size_t(image.width()) * 3 * kRowsPerBatch);
  }

  // Fills rows[0..count) for image rows top, top + 1, ...
  void Fetch(int top, int count, JSAMPROW* rows) {
    const QImage::Format format = image_.format();
    const int width = image_.width();
    QImage converted;
    if (format != QImage::Format_RGB888 && format != QImage::Format_Indexed8 &&
        format != QImage::Format_RGB32 && format != QImage::Format_ARGB32)
      converted = image_.copy(0, top, width, count).convertToFormat(QImage::Format_RGB888);
    for (int i = 0; i < count; ++i) {
      const uchar* src = image_.constScanLine(top + i);
      if (format == QImage::Format_RGB888) {
        // libjpeg only reads the rows it is given.
        rows[i] = const_cast<JSAMPROW>(src);
        continue;
      }
      uchar* dst = buffer_.data() + size_t(i) * width * 3;
      rows[i] = dst;
      if (!converted.isNull()) {
        std::copy_n(converted.constScanLine(i), width * 3, dst);
      } else if (format == QImage::Format_Indexed8) {
        for (int x = 0; x < width; ++x, dst += 3) Put(ColorAt(src[x]), dst);
      } else {
        const auto* pixels = reinterpret_cast<const QRgb*>(src);
        for (int x = 0; x < width; ++x, dst += 3) Put(pixels[x], dst);
      }
    }
  }

 private:
  QRgb ColorAt(uchar index) const {
    if (table_.isEmpty()) return qRgb(index, index, index);
    return index < table_.size() ? table_[index] : qRgb(0, 0, 0);
  }
  static void Put(QRgb color, uchar* dst) {
    dst[0] = uchar(qRed(color));
    dst[1] = uchar(qGreen(color));
    dst[2] = uchar(qBlue(color));
  }

  const QImage& image_;
  QList<QRgb> table_;
  std::vector<uchar> buffer_;
};

QString ReasonFor(const EncodeSession& s, const QIODevice& out) {
  if (s.errors.failure == JpegFailure::WriteFailed) return ReasonWriteFailed(out);
  return QStringLiteral("JPEGにできない (%1)").arg(QString::fromLocal8Bit(s.errors.message));
}

}  // namespace

QString WriteJpegTo(const QImage& image, QIODevice& out, int quality) {
  if (image.isNull()) return ReasonNothingToSave();
  if (image.width() > JPEG_MAX_DIMENSION || image.height() > JPEG_MAX_DIMENSION)
    return ReasonTooLarge(image.width(), image.height());
  auto session = std::make_unique<EncodeSession>();
  EncodeSession& s = *session;
  s.cinfo.err = InstallJpegErrors(s.errors);
  jpeg_create_compress(&s.cinfo);
  s.created = true;
  UseDeviceDestination(&s.cinfo, s.destination, out);
  s.cinfo.image_width = JDIMENSION(image.width());
  s.cinfo.image_height = JDIMENSION(image.height());
  s.quality = quality;
  if (!RunJpegStep(s.common(), StartStep, &s)) return ReasonFor(s, out);

  RgbRows rows(image);
  for (int top = 0; top < image.height(); top += kRowsPerBatch) {
    s.rowCount = std::min(kRowsPerBatch, image.height() - top);
    rows.Fetch(top, s.rowCount, s.rows);
    if (!RunJpegStep(s.common(), WriteRowsStep, &s)) return ReasonFor(s, out);
  }
  if (!RunJpegStep(s.common(), FinishStep, &s)) return ReasonFor(s, out);
  return QString();
}

}  // namespace scoreink
