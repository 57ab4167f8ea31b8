// Feeds arbitrary bytes to the BMP and JPEG readers. Whatever they accept must write back as
// a BMP that reads back to the same pixels.
#include <QBuffer>
#include <QCoreApplication>
#include <cstdint>
#include <cstdlib>

#include "platform/picture_files/picture_io.h"

namespace {

void CheckBmpRoundTrip(const QImage& image) {
  // Keep each run short: large pictures were already exercised by the reader.
  if (qint64(image.width()) * image.height() > 1 << 20) return;
  QBuffer out;
  out.open(QIODevice::WriteOnly);
  if (!scoreink::WriteBmp(image, out).ok()) std::abort();
  const scoreink::PictureResult back = scoreink::DecodeBmp(out.data());
  if (!back.ok() || back.image.size() != image.size()) std::abort();
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (back.image.pixel(x, y) != image.pixel(x, y)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static QCoreApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes =
      QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
  for (const scoreink::PictureResult& result :
       {scoreink::DecodeBmp(bytes), scoreink::DecodeJpeg(bytes)}) {
    if (result.ok() == !result.error.isEmpty()) std::abort();  // exactly one of the two
    if (result.ok()) CheckBmpRoundTrip(result.image);
  }
  return 0;
}
