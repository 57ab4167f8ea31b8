#pragma once
// Renders one page of a PDF file through Poppler at a chosen resolution, on white paper, into a
// sink as 24-bit rows. The page's size at that resolution is checked against the picture limit
// before anything is rendered. Safe on any thread: each call opens a document of its own.
#include <QIODevice>
#include <QString>

#include "platform/picture_files/picture_sink.h"
#include "platform/picture_files/read_watch.h"

namespace scoreink {

// A page is rendered in one pass when Poppler's 32-bit picture of it takes at most this much
// (every common paper size at 600 dpi: A4 takes 139 MB), larger pages in bands of rows.
inline constexpr qint64 kMaxPdfPassBytes = qint64(256) << 20;

// Renders page (0 = the first) at dpi dots per inch. Returns an empty string on success,
// otherwise the reason only (no headline): no PDF, broken or cut, locked by a password, no
// pages, no such page, a page too large at that resolution (naming the largest of
// kPdfResolutions at which it fits, if any). With a watch: progress reported, and
// ReasonCancelled() once the watch asks to stop.
QString ReadPdfInto(QIODevice& in, PictureSink& sink, ReadWatch* watch, int page, int dpi,
                    qint64 maxPassBytes = kMaxPdfPassBytes);

// The pages of the document, from its page tree only; 0 with reason set when it is no PDF, is
// broken or locked, or has no page.
int CountPdfPages(QIODevice& in, QString& reason);

// The largest of kPdfResolutions at which page stays within the picture limit; 0 when none
// does or the document cannot be read.
int LargestPdfDpiThatFits(QIODevice& in, int page);

}  // namespace scoreink
