#pragma once
// The 23 built-in palette symbols, drawn as ink masks at their palette sizes, each with the
// outline that the program fills when it draws the symbol larger.
#include <QPainterPath>
#include <vector>

#include "ink_mask.h"
#include "music_font.h"

namespace scoreink::tools {

enum class SymbolFileFormat {
  FourBit,           // 4-bit with the program's 16-colour table
  FourBitBlackOnly,  // 4-bit whose table holds black only (the solid block)
  TwentyFourBit,
};

struct PaletteSymbol {
  int number;  // 1..23, the file is Img<number as two digits>.bmp
  SymbolFileFormat format;
  InkMask mask;
  // In the mask's pixel coordinates, non-zero fill: filled antialiased on the mask's pixels and
  // cut at half cover it gives (close to) the mask. The sharp and the flat, pixel patterns,
  // get the font's glyphs over their black part, the square dot a round one.
  QPainterPath outline;
};

// Throws when the font lacks a glyph that a drawing needs.
std::vector<PaletteSymbol> DrawPaletteSymbols(const MusicFont& font);

}  // namespace scoreink::tools
