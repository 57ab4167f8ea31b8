#pragma once
// Writes the generated pictures as the BMP files that the program embeds.
#include <QString>
#include <vector>

#include "ink_mask.h"
#include "palette_symbols.h"

namespace scoreink::tools {

// 8-bit BMP with the program's fixed 256-colour palette: template ink on white.
// Throws std::runtime_error when the file cannot be written.
void WriteTemplateFile(const InkMask& page, const QString& path);

// Black on white, in the symbol's file format. Throws when the file cannot be written.
void WriteSymbolFile(const PaletteSymbol& symbol, const QString& path);

// An overview for the eye: the symbols enlarged four times in a row on grey, and the
// template at its own size below them.
void WritePreview(const InkMask& page, const std::vector<PaletteSymbol>& symbols,
                  const QString& path);

}  // namespace scoreink::tools
