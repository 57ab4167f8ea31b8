#pragma once
// Reads a BMP file from a random-access device. Plain uncompressed 8- and 24-bit files, the
// ones the program writes, are read row by row straight into the picture; every other
// variant goes through Qt's BMP reader with the program's own allocation limit.
#include <QIODevice>

#include "platform/picture_io.h"

namespace scoreink {

// 4- and 8-bit files come back as Format_Indexed8 with the file's colour table, all others
// as Format_RGB888. The device must be positioned at the start of the file. On failure the
// result's error holds the reason only (no headline).
PictureResult ReadBmpFrom(QIODevice& in);

}  // namespace scoreink
