#include "platform/raster/picture_buffer.h"

#include <malloc.h>
#include <sys/mman.h>

#include <cstdlib>

namespace scoreink {

namespace {

constexpr size_t kHugePage = size_t(2) << 20;

void FreeBuffer(void* memory) {
  std::free(memory);
}

}  // namespace

QImage NewPictureMemory(int width, int height, QImage::Format format) {
  const qint64 bitsPerPixel = QImage::toPixelFormat(format).bitsPerPixel();
  const qint64 bytesPerLine = (qint64(width) * bitsPerPixel + 31) / 32 * 4;
  const qint64 bytes = bytesPerLine * height;
  if (width <= 0 || height <= 0) return QImage();
  if (bytes < qint64(8 * kHugePage)) return QImage(width, height, format);
  const size_t rounded = (size_t(bytes) + kHugePage - 1) / kHugePage * kHugePage;
  void* memory = std::aligned_alloc(kHugePage, rounded);
  if (!memory) return QImage();
  madvise(memory, rounded, MADV_HUGEPAGE);  // only advice: pages stay small where refused
  QImage image(static_cast<uchar*>(memory), width, height, bytesPerLine, format, FreeBuffer,
               memory);
  if (image.isNull()) std::free(memory);
  return image;
}

void KeepLargePicturesOutOfTheHeap() {
  mallopt(M_MMAP_THRESHOLD, 1 << 20);
}

}  // namespace scoreink
