#pragma once
// Decodes a JPEG file through libjpeg, a band of rows at a time, as 24-bit rows. A file whose
// scans would take the decoder too long (jpeg_scan_plan.h) is refused before any pixel memory is
// taken; libjpeg gets the memory that the file's own buffers need, up to a bound.
#include <QIODevice>
#include <QString>

#include "platform/picture_files/picture_sink.h"
#include "platform/picture_files/read_watch.h"

namespace scoreink {

// Reads from the device's current position. Returns an empty string on success, otherwise
// the reason only (no headline). With a watch: progress reported, and ReasonCancelled() once
// the watch asks to stop.
QString ReadJpegInto(QIODevice& in, PictureSink& sink, ReadWatch* watch = nullptr);

// libjpeg's own buffers may take up to this much: a picture of three full-size components
// decoded from several scans keeps two bytes for each of its pixels' coefficients, 1.5 times
// the largest picture the program opens.
inline constexpr qint64 kMaxJpegBufferBytes = (qint64(1) << 30) * 3 / 2;

}  // namespace scoreink
