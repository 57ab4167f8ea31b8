#pragma once
// Pixel memory for new pages that are filled at once (read from a file, converted from another
// format). A page of tens of megabytes is taken in huge pages where the system offers them:
// filling it then costs a few hundred page faults instead of tens of thousands, which on its
// own can cost as much as the conversion or the read.
#include <QImage>

namespace scoreink {

// A new picture of the given size and format with uninitialised pixels; a null image when
// the memory cannot be had. The picture owns its memory and behaves like any other QImage.
QImage NewPictureMemory(int width, int height, QImage::Format format);

}  // namespace scoreink
