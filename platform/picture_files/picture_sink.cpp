#include "platform/picture_files/picture_sink.h"

#include <algorithm>

namespace scoreink {

namespace {

constexpr qint64 kBandBytes = qint64(512) << 10;

}  // namespace

int RowsPerBand(qint64 rowBytes) {
  return int(std::max<qint64>(1, kBandBytes / std::max<qint64>(1, rowBytes)));
}

BandRows RgbBand::Room(int width, int count) {
  const qsizetype stride = qsizetype(width) * 3;
  if (bytes_.size() < size_t(stride * count)) bytes_.resize(size_t(stride * count));
  return {bytes_.data(), stride};
}

}  // namespace scoreink
