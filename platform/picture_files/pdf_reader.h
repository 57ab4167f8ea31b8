#pragma once
// Renders one page of a PDF file through Poppler at a chosen resolution, on white paper, into a
// sink as 24-bit rows. The page's size at that resolution is checked against the picture limit
// before anything is rendered.
#include <QIODevice>
#include <QString>

#include "platform/picture_files/picture_sink.h"
#include "platform/picture_files/read_watch.h"

namespace scoreink {

// Renders page (0 = the first) at dpi dots per inch. Returns an empty string on success,
// otherwise the reason only (no headline): no PDF, broken, locked by a password, no such page,
// a page too large at that resolution. With a watch: progress reported, and ReasonCancelled()
// once the watch asks to stop.
QString ReadPdfInto(QIODevice& in, PictureSink& sink, ReadWatch* watch, int page, int dpi);

// The pages of the document, from its page tree only; 0 with reason set when it is no PDF, is
// broken or locked, or has no page.
int CountPdfPages(QIODevice& in, QString& reason);

// The largest of kPdfResolutions at which page stays within the picture limit; 0 when none
// does or the document cannot be read.
int LargestPdfDpiThatFits(QIODevice& in, int page);

}  // namespace scoreink
