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

// Called once at start: every block of a megabyte or more (a page, a band, a rendered PDF page)
// is mapped on its own and handed back to the system when it is let go. glibc would otherwise
// raise that line to 32 MB after the first large block is freed and keep pages in its heap,
// where a new page read while the last one is still held stays in memory as the high-water
// mark of every later page.
void KeepLargePicturesOutOfTheHeap();

}  // namespace scoreink
