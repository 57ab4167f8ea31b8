#include "harness/case_names.h"

#include <QString>
#include <cctype>

namespace scoreink::test {

std::string CaseName(std::string_view text) {
  std::string name;
  bool wordStart = true;
  const QString decoded = QString::fromUtf8(text.data(), qsizetype(text.size()));
  for (const char32_t c : decoded.toUcs4()) {
    if (c < 0x80) {
      const auto ascii = static_cast<unsigned char>(c);
      if (ascii == '\'') continue;  // "page's" stays one word
      if (!std::isalnum(ascii)) {
        // Folders stay apart: "/no/such.dir/x" is not "/no/such/dir/x".
        if (ascii == '/' && !name.empty() && name.back() != '_') name += '_';
        wordStart = true;
        continue;
      }
      name += wordStart ? char(std::toupper(ascii)) : char(ascii);
      wordStart = false;
    } else {
      name += "U" + QString::number(uint(c), 16).toUpper().toStdString();
      wordStart = true;
    }
  }
  if (!name.empty() && name.back() == '_') name.pop_back();
  return name.empty() ? "Empty" : name;
}

std::string PixelFormatName(PixelFormat format) {
  switch (format) {
    case PixelFormat::Bits4:
      return "Bits4";
    case PixelFormat::Bits8:
      return "Bits8";
    case PixelFormat::Bits24:
      return "Bits24";
    case PixelFormat::Other:
      break;
  }
  return "OtherFormat";
}

}  // namespace scoreink::test
