#pragma once
// Renders a PDF page into a sink as 24-bit rows. The page is rendered in as few passes as keep
// Poppler's 32-bit picture of each pass within a bound: every pass runs the page's whole
// content again (a scanned page decodes and scales its whole picture again), so a page of any
// common size is rendered in one pass, and only a page larger than that in bands of rows.
#include <poppler-qt6.h>

#include <QString>

#include "platform/picture_files/pdf_page_size.h"
#include "platform/picture_files/picture_sink.h"
#include "platform/picture_files/read_watch.h"

namespace scoreink {

// Renders page (pageIndex of its document, for the messages) at dpi, whose size in pixels there is
// pixels (checked against the picture limit by the caller), in passes of at most maxPassBytes of
// 32-bit pixels. Returns an empty string on success, otherwise the reason. With a watch: progress
// reported, and ReasonCancelled() once the watch asks to stop (also in the middle of a pass).
QString RenderPdfPage(const Poppler::Page& page, int pageIndex, int dpi, PdfPixels pixels,
                      PictureSink& sink, ReadWatch* watch, qint64 maxPassBytes);

}  // namespace scoreink
