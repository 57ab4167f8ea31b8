#include "platform/picture_files/pdf_content_nesting.h"

#include <qpdf/Buffer.hh>

#include <memory>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace scoreink {

namespace {

bool IsSpace(unsigned char c) {
  return c == 0 || c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == ' ';
}

bool IsDelimiter(unsigned char c) {
  return c == '(' || c == ')' || c == '<' || c == '>' || c == '[' || c == ']' || c == '{' ||
         c == '}' || c == '/' || c == '%';
}

// Counts the nesting operators of decoded content by its tokens alone: a music page holds
// hundreds of thousands of them, and building an object of each (qpdf's parser) takes many
// times as long as the whole save. Strings, comments, names and inline image data are stepped
// over, so an operator's letters inside them count for nothing.
class NestingScan {
 public:
  void Scan(std::string_view text) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n) {
      const unsigned char c = static_cast<unsigned char>(text[i]);
      if (IsSpace(c)) {
        ++i;
      } else if (c == '%') {
        while (i < n && text[i] != '\n' && text[i] != '\r') ++i;
      } else if (c == '(') {
        i = PastLiteralString(text, i);
      } else if (c == '<' && i + 1 < n && text[i + 1] == '<') {
        i += 2;
      } else if (c == '<') {
        while (i < n && text[i] != '>') ++i;
        ++i;
      } else if (c == '/') {
        ++i;
        while (i < n && !IsSpace(static_cast<unsigned char>(text[i])) &&
               !IsDelimiter(static_cast<unsigned char>(text[i])))
          ++i;
      } else if (IsDelimiter(c)) {
        ++i;
      } else {
        const size_t start = i;
        while (i < n && !IsSpace(static_cast<unsigned char>(text[i])) &&
               !IsDelimiter(static_cast<unsigned char>(text[i])))
          ++i;
        const std::string_view token = text.substr(start, i - start);
        if (token == "ID")
          i = PastInlineImage(text, i);
        else
          Count(token);
      }
    }
  }

  ContentNesting nesting;

 private:
  void Count(std::string_view op) {
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

  // Balanced parentheses, a backslash escaping the character after it.
  static size_t PastLiteralString(std::string_view text, size_t i) {
    int depth = 0;
    for (; i < text.size(); ++i) {
      if (text[i] == '\\') {
        ++i;
      } else if (text[i] == '(') {
        ++depth;
      } else if (text[i] == ')' && --depth == 0) {
        return i + 1;
      }
    }
    return text.size();
  }

  // An inline image's data runs from one white-space character after ID to EI standing alone.
  static size_t PastInlineImage(std::string_view text, size_t i) {
    for (i += 1; i + 2 <= text.size(); ++i) {
      if (text[i] != 'E' || text[i + 1] != 'I') continue;
      const bool before = IsSpace(static_cast<unsigned char>(text[i - 1]));
      const bool after = i + 2 == text.size() || IsSpace(static_cast<unsigned char>(text[i + 2])) ||
                         IsDelimiter(static_cast<unsigned char>(text[i + 2]));
      if (before && after) return i + 2;
    }
    return text.size();
  }
};

std::vector<QPDFObjectHandle> ContentStreams(QPDFPageObjectHelper& page) {
  QPDFObjectHandle contents = page.getObjectHandle().getKey("/Contents");
  if (contents.isStream()) return {contents};
  std::vector<QPDFObjectHandle> streams;
  if (contents.isArray())
    for (QPDFObjectHandle item : contents.getArrayAsVector())
      if (item.isStream()) streams.push_back(item);
  return streams;
}

}  // namespace

ContentNesting NestingOf(QPDFPageObjectHelper& page) {
  // The streams of a page are one content, joined at white space: tokens never span two.
  std::string text;
  try {
    for (QPDFObjectHandle stream : ContentStreams(page)) {
      const std::shared_ptr<Buffer> data = stream.getStreamData(qpdf_dl_all);
      text.append(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
      text.push_back('\n');
    }
  } catch (const std::exception&) {
    return ContentNesting{};
  }
  NestingScan scan;
  scan.Scan(text);
  return scan.nesting;
}

}  // namespace scoreink
