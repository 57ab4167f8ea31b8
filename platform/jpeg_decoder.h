#pragma once
// Decodes a JPEG file through libjpeg into a Format_RGB888 picture.
#include <QIODevice>

#include "platform/picture_io.h"

namespace scoreink {

// Reads from the device's current position. On failure the result's error holds the reason
// only (no headline).
PictureResult ReadJpegFrom(QIODevice& in);

}  // namespace scoreink
