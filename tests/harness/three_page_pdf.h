#pragma once
// A small PDF of vector pages for the tests of documents of several pages.
#include <QString>

namespace scoreink::test {

// An A5 PDF of three pages; page n (from 1) has a black bar n centimetres below its top and the
// text "Page n" as text.
void WriteThreePagePdf(const QString& path);

}  // namespace scoreink::test
