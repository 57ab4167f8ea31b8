#include "resources/symbol_outlines.h"

#include <QByteArray>
#include <QFile>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>
#include <utility>
#include <vector>

#include "resources/embedded_pictures.h"

namespace scoreink {

namespace {

// Reads the words of a record one by one; any misfit makes it fail for good.
class Words {
 public:
  explicit Words(const QByteArray& line) : rest_(line.constData(), size_t(line.size())) {}

  std::string_view Next() {
    const size_t start = rest_.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos) {
      rest_ = {};
      return {};
    }
    rest_.remove_prefix(start);
    const size_t end = std::min(rest_.find_first_of(" \t\r\n"), rest_.size());
    const std::string_view word = rest_.substr(0, end);
    rest_.remove_prefix(end);
    return word;
  }

  template <typename Number>
  bool Read(Number& value) {
    const std::string_view word = Next();
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    return !word.empty() && error == std::errc() && end == word.data() + word.size();
  }

 private:
  std::string_view rest_;
};

}  // namespace

OutlineRecord ParseOutlineRecord(const QByteArray& line) {
  Words words(line);
  int number = 0;
  int width = 0;
  int height = 0;
  if (!words.Read(number) || number < 1 || number > kPaletteSymbolCount) return {};
  if (!words.Read(width) || !words.Read(height) || width < 1 || height < 1 || width > 1000 ||
      height > 1000) {
    return {};
  }
  QPainterPath path;
  const std::string_view rule = words.Next();
  if (rule == "nonzero") {
    path.setFillRule(Qt::WindingFill);
  } else if (rule != "evenodd") {
    return {};
  }
  // A point must be finite and near the symbol: a curve's control points may lie a little
  // outside it, far off is a damaged number.
  auto point = [&](QPointF& p) {
    double x = 0;
    double y = 0;
    if (!words.Read(x) || !words.Read(y)) return false;
    p = QPointF(x, y);
    return std::isfinite(x) && std::isfinite(y) && std::abs(x - width / 2.0) <= width &&
           std::abs(y - height / 2.0) <= height;
  };
  bool open = false;  // a subpath has begun
  for (std::string_view command = words.Next(); !command.empty(); command = words.Next()) {
    QPointF a;
    QPointF b;
    QPointF c;
    if (command == "M" && point(a)) {
      path.moveTo(a);
      open = true;
    } else if (command == "L" && open && point(a)) {
      path.lineTo(a);
    } else if (command == "C" && open && point(a) && point(b) && point(c)) {
      path.cubicTo(a, b, c);
    } else if (command == "Z" && open) {
      path.closeSubpath();
    } else {
      return {};
    }
  }
  if (path.isEmpty()) return {};
  return {number, path};
}

QPainterPath PaletteSymbolOutline(int number) {
  // Compiled in with Qt's resource system (resources/CMakeLists.txt); read once.
  static const std::array<QPainterPath, kPaletteSymbolCount> kOutlines = [] {
    std::array<QPainterPath, kPaletteSymbolCount> outlines;
    QFile file(QStringLiteral(":/outlines/palette_outlines.txt"));
    if (!file.open(QIODevice::ReadOnly)) return outlines;
    for (const QByteArray& line : file.readAll().split('\n')) {
      if (line.trimmed().isEmpty() || line.startsWith('#')) continue;
      OutlineRecord record = ParseOutlineRecord(line);
      if (record.number > 0) outlines[size_t(record.number - 1)] = std::move(record.outline);
    }
    return outlines;
  }();
  if (number < 1 || number > kPaletteSymbolCount) return {};
  return kOutlines[size_t(number - 1)];
}

}  // namespace scoreink
