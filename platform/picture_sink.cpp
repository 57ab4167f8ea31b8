#include "platform/picture_sink.h"

#include <algorithm>

namespace scoreink {

namespace {

constexpr qint64 kBandBytes = qint64(512) << 10;

}  // namespace

int RowsPerBand(qint64 rowBytes) {
  return int(std::max<qint64>(1, kBandBytes / std::max<qint64>(1, rowBytes)));
}

}  // namespace scoreink
