#include "music_font.h"

#include <stdexcept>

namespace scoreink::tools {

namespace {
// Pixel size equal to the font's units per em, so outlines come out in font units.
constexpr double kUnitsPerEm = 1000.0;
}  // namespace

MusicFont::MusicFont(const QString& file) : font_(file, kUnitsPerEm) {
  if (!font_.isValid()) {
    throw std::runtime_error("cannot load the font " + file.toStdString());
  }
}

quint32 MusicFont::GlyphIndex(char32_t character) const {
  const QString text = QString::fromUcs4(&character, 1);
  const QList<quint32> indexes = font_.glyphIndexesForString(text);
  if (!font_.supportsCharacter(character) || indexes.isEmpty() || indexes.front() == 0) {
    throw std::runtime_error("the font has no glyph for U+" +
                             QString::number(character, 16).toUpper().toStdString());
  }
  return indexes.front();
}

QPainterPath MusicFont::Glyph(char32_t character) const {
  return font_.pathForGlyph(GlyphIndex(character));
}

QPainterPath MusicFont::Run(const std::u32string& characters) const {
  QPainterPath run;
  double x = 0;
  for (char32_t character : characters) {
    const quint32 index = GlyphIndex(character);
    run.addPath(font_.pathForGlyph(index).translated(x, 0));
    x += font_.advancesForGlyphIndexes(QList<quint32>{index}).front().x();
  }
  return run;
}

}  // namespace scoreink::tools
