#pragma once
// How large a picture the program agrees to decode: checked from a file's header, before any
// pixel memory is taken.
#include <QtGlobal>

namespace scoreink {

// Largest picture, counted at 4 bytes a pixel.
inline constexpr qint64 kMaxPictureBytes = qint64(1) << 30;  // 1 GiB
// Whether a picture of that size is within kMaxPictureBytes (false for an empty size).
bool PictureSizeAllowed(qint64 width, qint64 height);

}  // namespace scoreink
