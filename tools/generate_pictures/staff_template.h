#pragma once
// The staff template: one grand-staff system of 730 x 260 pixels with brace, system line,
// ten staff lines, a G clef and an F clef. The rows and columns below are what the key
// signature, the eraser and the template test of the program rely on.
#include <array>

#include "ink_mask.h"
#include "music_font.h"

namespace scoreink::tools {

inline constexpr int kTemplateWidth = 730;
inline constexpr int kTemplateHeight = 260;
// Top rows of the two-pixel staff lines, top line first.
inline constexpr std::array<int, 5> kTrebleLineRows = {57, 69, 82, 94, 107};
inline constexpr std::array<int, 5> kBassLineRows = {184, 196, 208, 221, 234};
// Staff lines start behind the brace and end at this column inclusive.
inline constexpr int kStaffLineLeft = 12;
inline constexpr int kStaffLineRight = 720;
// The system line joining both staves.
inline constexpr int kSystemLineLeft = 24;
inline constexpr int kSystemLineTop = 57;
inline constexpr int kSystemLineBottom = 235;
// Boxes (inclusive) that the brace and the clefs are drawn into.
inline constexpr int kBraceLeft = 6, kBraceRight = 20, kBraceTop = 53, kBraceBottom = 239;
inline constexpr int kClefLeft = 33, kClefRight = 72;

// Throws when the font lacks a glyph that the drawing needs or draws a clef wider than its
// columns.
InkMask DrawStaffTemplate(const MusicFont& font);

}  // namespace scoreink::tools
