#pragma once
// Writes PDF documents through qpdf: the user's document with the changes laid over its edited
// pages (everything of the document kept as it was: the other pages, text, fonts, bookmarks,
// metadata), and a picture as a one-page PDF for sharing.
#include <QIODevice>
#include <QImage>
#include <QString>
#include <functional>
#include <map>

#include "platform/picture_files/page_overlay.h"

namespace scoreink {

// The PDF at source with overlays (by page, 0 = the first) laid over its pages, each at the
// resolution dpi the page was shown at (a pixel is 72 / dpi points, from the page's top left
// as shown: its crop box and rotation taken into account). An empty string on success,
// otherwise the reason only (no headline). source is only read.
QString WritePdfWithOverlays(const QString& source, const std::map<int, PageOverlays>& overlays,
                             int dpi, QIODevice& out);

// The resolution a picture's PDF page is made at: its own (dotsPerMeter), 300 dpi when it has
// none.
int PdfPageDpi(const QImage& picture);

// picture as a one-page PDF whose page is the picture's size at its resolution (dotsPerMeter;
// 300 dpi when it has none). An empty string on success, otherwise the reason only.
QString WritePicturePdf(const QImage& picture, QIODevice& out);

// Pictures as a PDF of a page each, every page the size of its picture at its resolution.
// pageAt(n) gives page n (0 = the first) or a null picture with reason set when it cannot be
// had; it is asked once per page, in order, and each picture is let go once its page is made.
QString WritePicturesPdf(int pages, const std::function<QImage(int page, QString& reason)>& pageAt,
                         QIODevice& out);

}  // namespace scoreink
