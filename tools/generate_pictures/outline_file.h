#pragma once
// Writes the palette symbols' outlines as the text file that the program embeds beside the
// pictures and reads with resources/symbol_outlines.h.
#include <QString>
#include <vector>

#include "palette_symbols.h"

namespace scoreink::tools {

// One record a line, as the file's header explains. Throws std::runtime_error when the file
// cannot be written.
void WriteOutlineFile(const std::vector<PaletteSymbol>& symbols, const QString& path);

}  // namespace scoreink::tools
