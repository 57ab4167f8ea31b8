#pragma once
// Pictures hold 24-bit pixels as red, green, blue; BMP files as blue, green, red.
#include <QtGlobal>

namespace scoreink {

// Copies `pixels` 3-byte pixels from src to dst, exchanging the first and third byte of
// each. src and dst may be the same row (in place) but must not otherwise overlap.
void CopySwappingRedBlue(const uchar* src, uchar* dst, qint64 pixels);

}  // namespace scoreink
