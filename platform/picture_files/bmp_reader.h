#pragma once
// Reads a BMP file from a random-access device. Uncompressed files with a Windows header, of
// any bit count, are read band by band by the program itself; every other variant (run-length
// data, bit fields, OS/2 headers) goes whole through Qt's BMP reader with the program's own
// allocation limit.
#include <QIODevice>
#include <QString>

#include "platform/picture_files/picture_sink.h"
#include "platform/picture_files/read_watch.h"

namespace scoreink {

// 4- and 8-bit files come as table indices with the file's colour table, all others as
// 24-bit rows (TakeWhole: Format_Indexed8 for 4- and 8-bit files, Format_RGB888 otherwise).
// The device must be positioned at the start of the file. Returns an empty string on
// success, otherwise the reason only (no headline). With a watch, progress is reported after
// every band of rows, and the reading stops with ReasonCancelled() between bands once the
// watch asks it to.
QString ReadBmpInto(QIODevice& in, PictureSink& sink, ReadWatch* watch = nullptr);

}  // namespace scoreink
