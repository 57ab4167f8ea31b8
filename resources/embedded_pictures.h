#pragma once
// Pictures built into the program: the staff template and the 23 palette symbols.
#include <QImage>

namespace scoreink {

// The staff template "ImgScoreDef": 730 x 260, Indexed8 with the fixed palette, white and
// template ink only.
const QImage& ScoreTemplateImage();

inline constexpr int kPaletteSymbolCount = 23;
// Palette symbol number (1..23) as the palette shows it ("Img01".."Img23"): black on white,
// 4-bit (Indexed8 with the 16-colour table) except number 5, which is 24-bit. A null image
// for other numbers.
QImage PaletteSymbolImage(int number);

}  // namespace scoreink
