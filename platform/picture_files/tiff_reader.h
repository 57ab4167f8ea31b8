#pragma once
// Decodes one page of a TIFF file through libtiff, a band of rows at a time: strips and tiles,
// 1-, 8- and 16-bit grey, RGB, palette and CMYK, with the common compressions (none, LZW,
// deflate, PackBits, CCITT G3/G4, JPEG).
#include <QIODevice>
#include <QString>

#include "platform/picture_files/picture_sink.h"
#include "platform/picture_files/read_watch.h"

namespace scoreink {

// A file with more pages than this is refused: the count alone would take long.
inline constexpr int kMaxTiffPages = 9999;

// Reads page (0 = the first) of the file on the device. Returns an empty string on success,
// otherwise the reason only (no headline). With a watch: progress reported, and
// ReasonCancelled() once the watch asks to stop.
QString ReadTiffInto(QIODevice& in, PictureSink& sink, ReadWatch* watch, int page);

// The pages of the file, reading only the directories; 0 with reason set when the file is no
// TIFF, is broken, or has none or more than kMaxTiffPages.
int CountTiffPages(QIODevice& in, QString& reason);

}  // namespace scoreink
