#include "platform/picture_files/picture_limits.h"

namespace scoreink {

bool PictureSizeAllowed(qint64 width, qint64 height) {
  if (width <= 0 || height <= 0) return false;
  // Each side alone already past the limit: refuse before the product could overflow.
  const qint64 maxPixels = kMaxPictureBytes / 4;
  if (width > maxPixels || height > maxPixels) return false;
  return width * height <= maxPixels;
}

}  // namespace scoreink
