#include "outline_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>
#include <stdexcept>

namespace scoreink::tools {

namespace {

constexpr const char* kHeader =
    "# Outlines of the 23 palette symbols, written by tools/generate_pictures: do not edit.\n"
    "# One record a line: <number> <width> <height> <fill rule> <path>\n"
    "#   number 1..23 (Img01..Img23); width and height: the symbol's pixels;\n"
    "#   fill rule: nonzero or evenodd;\n"
    "#   path: M x y, L x y, C x1 y1 x2 y2 x y and Z, in the symbol's pixels (y downward),\n"
    "#   three decimals.\n"
    "# Filled antialiased on width x height pixels and cut at half cover, an outline gives\n"
    "# (close to) the symbol's bitmap. The sharp and the flat, drawn as pixel patterns, have\n"
    "# the smooth outline of their pixels, and the dot is round. The 0.7-pixel pen that keeps\n"
    "# the hairlines of rests and flags whole at palette size is part of their outlines, so\n"
    "# that larger stamps keep the palette's proportions.\n"
    "# Derived from Noto Music glyphs, SIL Open Font License 1.1 (see resources/README.md).\n";

QString Number(double value) {
  QString text = QString::number(value, 'f', 3);
  return text == QLatin1String("-0.000") ? QStringLiteral("0.000") : text;
}

QString PathText(const QPainterPath& path) {
  QStringList words;
  auto point = [&](const QPainterPath::Element& e) { words << Number(e.x) << Number(e.y); };
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    if (e.isMoveTo()) {
      if (i > 0) words << QStringLiteral("Z");
      words << QStringLiteral("M");
      point(e);
    } else if (e.isLineTo()) {
      words << QStringLiteral("L");
      point(e);
    } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
      words << QStringLiteral("C");
      point(e);
      point(path.elementAt(++i));
      point(path.elementAt(++i));
    }
  }
  if (!path.isEmpty()) words << QStringLiteral("Z");
  return words.join(QLatin1Char(' '));
}

}  // namespace

void WriteOutlineFile(const std::vector<PaletteSymbol>& symbols, const QString& path) {
  QSaveFile file(path);
  if (!QDir().mkpath(QFileInfo(path).path()) ||
      !file.open(QIODevice::WriteOnly | QIODevice::Text)) {
    throw std::runtime_error("cannot write " + path.toStdString());
  }
  QTextStream out(&file);
  out << kHeader;
  for (const PaletteSymbol& symbol : symbols) {
    out << symbol.number << ' ' << symbol.mask.width() << ' ' << symbol.mask.height() << ' '
        << (symbol.outline.fillRule() == Qt::WindingFill ? "nonzero" : "evenodd") << ' '
        << PathText(symbol.outline) << '\n';
  }
  out.flush();
  if (out.status() != QTextStream::Ok || !file.commit()) {
    throw std::runtime_error("cannot write " + path.toStdString());
  }
}

}  // namespace scoreink::tools
