#pragma once
// Writes a document of pages as a multi-page TIFF through libtiff, a page at a time: pages of
// pure black and white as 1-bit CCITT G4, grey pages as 8-bit grey, other pages as 8-bit
// palette or RGB, all deflate-compressed.
#include <QIODevice>
#include <QImage>
#include <QString>
#include <functional>

namespace scoreink {

// pageAt(n) gives page n (0 = the first; Format_Indexed8 with its colour table, or
// Format_RGB888) or a null picture with reason set when it cannot be had; it is asked once per
// page, in order, so only one page is held at a time. An empty string on success, otherwise the
// reason only (no headline).
QString WriteTiffPages(int pages, const std::function<QImage(int page, QString& reason)>& pageAt,
                       QIODevice& out);

}  // namespace scoreink
