#pragma once
// BMP files usually store the bottom row first; pictures keep the top row first.
#include <QtGlobal>

namespace scoreink {

// Reverses the order of `count` consecutive rows of `stride` bytes in place.
void ReverseRowOrder(uchar* rows, qint64 count, qint64 stride);

}  // namespace scoreink
