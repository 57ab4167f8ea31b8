// Feeds arbitrary bytes to every picture reader: BMP, JPEG, PNG, TIFF (its first and second
// page) and PDF (rendered at 150 dpi). Each gives a picture or a message, never both, never
// neither; whatever a reader accepts must write back as a BMP and as a PNG that read back to the
// same pixels.
#include <QBuffer>
#include <QCoreApplication>
#include <cstdint>
#include <cstdlib>

#include "platform/picture_files/picture_io.h"

namespace {

using scoreink::PictureKind;
using scoreink::PictureResult;
using scoreink::WriteResult;

void CheckRoundTrip(const QImage& image, WriteResult (*write)(const QImage&, QIODevice&),
                    PictureKind kind) {
  QBuffer out;
  out.open(QIODevice::WriteOnly);
  if (!write(image, out).ok()) std::abort();
  const PictureResult back = scoreink::DecodePicture(out.data(), kind);
  if (!back.ok() || back.image.size() != image.size()) std::abort();
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (back.image.pixel(x, y) != image.pixel(x, y)) std::abort();
}

void Check(const PictureResult& result) {
  if (result.ok() == !result.error.isEmpty()) std::abort();  // exactly one of the two
  // Keep each run short: large pictures were already exercised by the reader.
  if (!result.ok() || qint64(result.image.width()) * result.image.height() > 1 << 20) return;
  CheckRoundTrip(result.image, scoreink::WriteBmp, PictureKind::Bmp);
  CheckRoundTrip(result.image, scoreink::WritePng, PictureKind::Png);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static QCoreApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes =
      QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
  Check(scoreink::DecodeBmp(bytes));
  Check(scoreink::DecodeJpeg(bytes));
  Check(scoreink::DecodePicture(bytes, PictureKind::Png));
  Check(scoreink::DecodePicture(bytes, PictureKind::Tiff, {0}));
  Check(scoreink::DecodePicture(bytes, PictureKind::Tiff, {1}));
  Check(scoreink::DecodePicture(bytes, PictureKind::Pdf, {0, 150}));
  return 0;
}
