#pragma once
// How a page's own content leaves the graphics state behind, so that what is drawn after it
// starts from the page's untouched state: content streams are often unbalanced (a Q too many,
// a q never closed, a text object left open), and viewers let that pass.
#include <qpdf/QPDFPageObjectHelper.hh>

namespace scoreink {

struct ContentNesting {
  int unmatchedRestores = 0;  // Q at the outermost level, which a viewer ignores
  int openSaves = 0;          // q still open at the end
  bool textOpen = false;      // BT without its ET at the end
};

// Read from the page's content streams, as one. Content that cannot be parsed counts as
// balanced.
ContentNesting NestingOf(QPDFPageObjectHelper& page);

}  // namespace scoreink
