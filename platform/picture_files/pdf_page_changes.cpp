#include "platform/picture_files/pdf_page_changes.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QUtil.hh>

#include <string>

#include "platform/picture_files/pdf_content_nesting.h"
#include "platform/picture_files/pdf_image.h"
#include "platform/picture_files/pdf_shown_page.h"

namespace scoreink {

namespace {

// The page's own /XObject dictionary, made if it has none.
QPDFObjectHandle OwnXObjects(QPDFPageObjectHelper& page, QPDFObjectHandle& resources) {
  resources = page.getAttribute("/Resources", true);
  if (!resources.isDictionary()) {
    resources = QPDFObjectHandle::newDictionary();
    page.getObjectHandle().replaceKey("/Resources", resources);
  }
  QPDFObjectHandle xobjects = resources.getKey("/XObject");
  xobjects = xobjects.isDictionary() ? xobjects.shallowCopy() : QPDFObjectHandle::newDictionary();
  resources.replaceKey("/XObject", xobjects);
  return xobjects;
}

std::string Repeated(const char* op, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += op;
  return text;
}

std::string Number(double value) {
  return QUtil::double_to_string(value, 6, true);
}

std::string Placing(const std::string& name, const std::array<double, 6>& m) {
  std::string text = "q";
  for (const double v : m) text += ' ' + Number(v);
  return text + " cm " + name + " Do Q\n";
}

}  // namespace

void LayChangesOverPage(QPDF& pdf, QPDFPageObjectHelper page, const PageOverlays& overlays,
                        int dpi) {
  const ShownPage shown = ShownPageOf(page.getObjectHandle());
  QPDFObjectHandle resources;
  QPDFObjectHandle xobjects = OwnXObjects(page, resources);
  std::string drawing;
  int suffix = 1;
  for (const PageOverlay& overlay : overlays) {
    const std::string name = resources.getUniqueResourceName("/ScoreInk", suffix);
    ++suffix;
    xobjects.replaceKey(name, MakePdfImage(pdf, overlay.pixels, overlay.mask));
    drawing += Placing(name, ImagePlacement(shown, overlay.area, dpi));
  }
  // Enough q before the page's content that its stray Q never reach the state the images are
  // drawn in, and as many Q after it as it left open.
  const ContentNesting nesting = NestingOf(page);
  page.addPageContents(pdf.newStream(Repeated("q\n", 1 + nesting.unmatchedRestores)), true);
  page.addPageContents(pdf.newStream("\n" + std::string(nesting.textOpen ? "ET\n" : "") +
                                     Repeated("Q\n", 1 + nesting.openSaves) + drawing),
                       false);
}

}  // namespace scoreink
