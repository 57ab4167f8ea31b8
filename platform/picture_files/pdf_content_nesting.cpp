#include "platform/picture_files/pdf_content_nesting.h"

#include <stdexcept>
#include <string>

namespace scoreink {

namespace {

class NestingCounter final : public QPDFObjectHandle::ParserCallbacks {
 public:
  void handleObject(QPDFObjectHandle object) override {
    if (!object.isOperator()) return;
    const std::string op = object.getOperatorValue();
    if (op == "q") {
      ++nesting.openSaves;
    } else if (op == "Q") {
      if (nesting.openSaves > 0)
        --nesting.openSaves;
      else
        ++nesting.unmatchedRestores;
    } else if (op == "BT") {
      nesting.textOpen = true;
    } else if (op == "ET") {
      nesting.textOpen = false;
    }
  }
  void handleEOF() override {}

  ContentNesting nesting;
};

}  // namespace

ContentNesting NestingOf(QPDFPageObjectHelper& page) {
  NestingCounter counter;
  try {
    page.parseContents(&counter);
  } catch (const std::runtime_error&) {
    return ContentNesting{};
  }
  return counter.nesting;
}

}  // namespace scoreink
