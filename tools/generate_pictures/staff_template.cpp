#include "staff_template.h"

#include <QTransform>
#include <stdexcept>
#include <string>

namespace scoreink::tools {

namespace {

// Left column of the clef glyphs.
constexpr int kClefX = 36;

// Maps the font's staff onto the template's staff whose top line starts at top_row, raised
// by lift staff spaces: the font's five-line staff glyph gives its line spacing and where its
// lines sit relative to the baseline, so clefs drawn with the same mapping sit on the lines.
QTransform StaffMapping(const MusicFont& font, int top_row, double glyph_left, double lift) {
  const QRectF staff = font.Glyph(glyphs::kFiveLineStaff).boundingRect();
  const double line = font.Glyph(glyphs::kOneLineStaff).boundingRect().height();
  const double font_top = staff.top() + line / 2;
  const double font_bottom = staff.bottom() - line / 2;
  // Centres of the template's top and bottom lines (each two pixels thick).
  const double top = top_row + 1.0;
  const double bottom = top_row + 51.0;
  const double scale = (bottom - top) / (font_bottom - font_top);
  QTransform mapping;
  mapping.translate(kClefX, top - lift * (bottom - top) / 4);
  mapping.scale(scale, scale);
  mapping.translate(-glyph_left, -font_top);
  return mapping;
}

// The key signature is painted from column 80 on and the eraser relies on nothing but staff
// lines lying right of the clefs, so a clef that leaves its columns is refused.
InkMask Clef(const MusicFont& font, char32_t character, int top_row, double lift) {
  const QPainterPath outline = font.Glyph(character);
  InkMask clef = RenderPath(outline, QSize(kTemplateWidth, kTemplateHeight),
                            StaffMapping(font, top_row, outline.boundingRect().left(), lift), {});
  for (int y = 0; y < clef.height(); ++y) {
    for (int x = 0; x < clef.width(); ++x) {
      if (clef.At(x, y) && (x < kClefLeft || x > kClefRight)) {
        throw std::runtime_error("a clef reaches column " + std::to_string(x) +
                                 ", outside its columns");
      }
    }
  }
  return clef;
}

}  // namespace

InkMask DrawStaffTemplate(const MusicFont& font) {
  InkMask page(kTemplateWidth, kTemplateHeight);
  for (const auto& rows : {kTrebleLineRows, kBassLineRows}) {
    for (int row : rows) {
      page.FillRect(kStaffLineLeft, row, kStaffLineRight - kStaffLineLeft + 1, 2);
    }
  }
  page.FillRect(kSystemLineLeft, kSystemLineTop, 2, kSystemLineBottom - kSystemLineTop + 1);
  const QRectF brace_box(kBraceLeft, kBraceTop, kBraceRight - kBraceLeft + 1,
                         kBraceBottom - kBraceTop + 1);
  page.Paint(RenderPathInBox(font.Glyph(glyphs::kBrace), QSize(kTemplateWidth, kTemplateHeight),
                             brace_box, {}),
             0, 0);
  // The font's G clef curls round the G line as it stands; its F clef sits half a space
  // low against the staff glyph, with the dots on the lines instead of beside the F line.
  page.Paint(Clef(font, glyphs::kGClef, kTrebleLineRows.front(), 0.0), 0, 0);
  page.Paint(Clef(font, glyphs::kFClef, kBassLineRows.front(), 0.5), 0, 0);
  return page;
}

}  // namespace scoreink::tools
