#pragma once
// Pixel memory for pictures the readers fill. A page of a few hundred megabytes is taken in
// huge pages where the system offers them: filling it then costs a few hundred page faults
// instead of tens of thousands, which is a good part of reading a page.
#include <QImage>

namespace scoreink {

// A new picture of the given size and format with uninitialised pixels; a null image when
// the memory cannot be had. The picture owns its memory and behaves like any other QImage.
QImage NewPictureForReading(int width, int height, QImage::Format format);

}  // namespace scoreink
