#pragma once
// Decodes a JPEG file through libjpeg, a band of rows at a time, as 24-bit rows.
#include <QIODevice>
#include <QString>

#include "platform/picture_sink.h"

namespace scoreink {

// Reads from the device's current position. Returns an empty string on success, otherwise
// the reason only (no headline).
QString ReadJpegInto(QIODevice& in, PictureSink& sink);

}  // namespace scoreink
