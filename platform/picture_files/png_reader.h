#pragma once
// Decodes a PNG file through libpng, a band of rows at a time: every colour type and bit depth,
// interlaced or not. Grey and colour come as 24-bit rows (16-bit samples cut to their high
// byte); transparency is laid on white paper.
#include <QIODevice>
#include <QString>

#include "platform/picture_files/picture_sink.h"
#include "platform/picture_files/read_watch.h"

namespace scoreink {

// Reads from the device's current position. Returns an empty string on success, otherwise the
// reason only (no headline). With a watch: progress reported, and ReasonCancelled() once the
// watch asks to stop.
QString ReadPngInto(QIODevice& in, PictureSink& sink, ReadWatch* watch = nullptr);

}  // namespace scoreink
