#pragma once
// The user's changes laid over one page of a PDF: each overlay becomes a masked image in the
// page's own resources, drawn by a content stream added after the page's content, which is
// wrapped so that none of its graphics state reaches the images. Nothing else of the page
// changes; resources shared with other pages or inherited from the page tree are copied onto
// this page first, so the other pages stay exactly as they were.
#include <qpdf/QPDFPageObjectHelper.hh>

#include "platform/picture_files/page_overlay.h"

class QPDF;

namespace scoreink {

// overlays are in pixels of the page shown at dpi (pdf_shown_page.h); their masks must have
// at least one pixel set, their pictures stay shared until the document is written.
void LayChangesOverPage(QPDF& pdf, QPDFPageObjectHelper page, const PageOverlays& overlays,
                        int dpi);

}  // namespace scoreink
