#include "palette_symbols.h"

#include <QPainterPathStroker>
#include <QRectF>
#include <array>
#include <string>

namespace scoreink::tools {

namespace {

// Rests and flags have hairline stems that break apart unless the outline is thickened.
constexpr Rendering kHairlines{.coverage = 0.5, .embolden = 0.7};

// The glyph stretched over the whole picture.
InkMask Glyph(const MusicFont& font, char32_t character, int width, int height,
              Rendering rendering = {}) {
  return RenderPathInBox(font.Glyph(character), QSize(width, height), QRectF(0, 0, width, height),
                         rendering);
}

InkMask FilledNoteHead(const MusicFont& font) {
  return Glyph(font, glyphs::kBlackNoteHead, 14, 10);
}

InkMask OpenNoteHead(const MusicFont& font) {
  return Glyph(font, glyphs::kVoidNoteHead, 14, 10);
}

// A note head on a ledger line that crosses its middle (rows 4-5), 23 wide.
InkMask OnLedgerLine(const InkMask& head) {
  InkMask mask(23, 11);
  mask.FillRect(0, 4, 23, 2);
  mask.Paint(head, 4, 0);
  return mask;
}

InkMask Rest(const MusicFont& font, char32_t character, int width, int height) {
  return Glyph(font, character, width, height, kHairlines);
}

InkMask SolidBlock() {
  InkMask mask(14, 6);
  mask.FillRect(0, 0, 14, 6);
  return mask;
}

InkMask Sharp() {
  return InkMask::FromRows({
      "........X...", ".......XX...", "...X...XX...", "..XX...XX...", "..XX...XX...",
      "..XX...XX...", "..XX...XX...", "..XX...XXXX.", "..XXXXXXXXXX", "..XXXXXXXXXX",
      ".XXXXXXXXXXX", "XXXXXXXXX...", "XXXXXXXXX...", "XXXXX..XX...", ".XXX...XX...",
      "..XX...XXXX.", "..XX...XXXX.", "..XXX..XXXXX", "..XXXXXXXXXX", "XXXXXXXXXXXX",
      "XXXXXXXXXXX.", "XXXXXXXXX...", "XXXXXXXXX...", "XXXXX..XX...", "..XX...XX...",
      "..XX...XX...", "..XX...XX...", "..XX...XX...", "..XX........", "..XX........",
  });
}

InkMask Flat() {
  return InkMask::FromRows({
      ".XX........", ".XX........", ".XX........", ".XX........", ".XX........", ".XX........",
      ".XX........", ".XX........", ".XX........", ".XX.XXXXX..", ".XXXXXXXXX.", ".XXXXXXXXXX",
      ".XX....XXXX", ".XX....XXXX", ".XX...XXXXX", ".X....XXX..", ".X...XXXX..", ".X...XX....",
      ".XX.XX.....", ".XXXX......", ".XXXX......", ".XXX.......",
  });
}

// Two zigzags, thin going up and broad going down, across a 20 x 8 area whose top is at the
// given row. The font's ornament strokes are solid parallelograms that merge into one band
// at this height, so the zigzag is drawn with pens of the two widths instead.
InkMask WavyLine(int height, int top) {
  const double low = top + 7.2;
  const double high = top + 0.8;
  const std::array<QPointF, 5> corners = {QPointF(0.2, low), QPointF(5.2, high), QPointF(10.2, low),
                                          QPointF(14.8, high), QPointF(19.8, low)};
  QPainterPath zigzag;
  for (size_t i = 0; i + 1 < corners.size(); ++i) {
    QPainterPath stroke(corners[i]);
    stroke.lineTo(corners[i + 1]);
    QPainterPathStroker pen;
    pen.setWidth(i % 2 == 0 ? 1.1 : 2.4);
    pen.setCapStyle(Qt::RoundCap);
    zigzag.addPath(pen.createStroke(stroke));
  }
  return RenderPath(zigzag, QSize(20, height), QTransform(), {});
}

InkMask CrossedWavyLine() {
  InkMask mask = WavyLine(11, 1);
  mask.FillRect(10, 0, 1, 11);
  return mask;
}

InkMask Dot() {
  InkMask mask(10, 10);
  mask.FillRect(3, 3, 4, 4);
  return mask;
}

// Bars of the given width, two pixels thick, starting at the given rows.
InkMask Bars(int width, int height, std::initializer_list<int> rows) {
  InkMask mask(width, height);
  for (int row : rows) mask.FillRect(0, row, width, 2);
  return mask;
}

}  // namespace

std::vector<PaletteSymbol> DrawPaletteSymbols(const MusicFont& font) {
  using enum SymbolFileFormat;
  const InkMask filled_head = FilledNoteHead(font);
  const InkMask open_head = OpenNoteHead(font);
  const InkMask flag = Glyph(font, glyphs::kFlag1, 11, 26, kHairlines);
  std::vector<PaletteSymbol> symbols;
  symbols.push_back({1, FourBit, filled_head});
  symbols.push_back({2, FourBit, open_head});
  symbols.push_back({3, FourBit, OnLedgerLine(filled_head)});
  symbols.push_back({4, FourBit, OnLedgerLine(open_head)});
  symbols.push_back({5, TwentyFourBit, Rest(font, glyphs::kThirtySecondRest, 11, 25)});
  symbols.push_back({6, FourBit, Rest(font, glyphs::kSixteenthRest, 11, 22)});
  symbols.push_back({7, FourBit, Rest(font, glyphs::kEighthRest, 13, 18)});
  symbols.push_back({8, FourBit, Rest(font, glyphs::kQuarterRest, 12, 28)});
  symbols.push_back({9, FourBitBlackOnly, SolidBlock()});
  symbols.push_back({10, FourBit, Glyph(font, glyphs::kDoubleSharp, 11, 11)});
  symbols.push_back({11, FourBit, Sharp()});
  symbols.push_back({12, FourBit, Flat()});
  symbols.push_back({13, FourBit, Glyph(font, glyphs::kNatural, 7, 29)});
  symbols.push_back({14, FourBit, WavyLine(8, 0)});
  symbols.push_back({15, FourBit, CrossedWavyLine()});
  symbols.push_back({16, FourBit, Glyph(font, glyphs::kTurn, 21, 10)});
  symbols.push_back({17, FourBit, Glyph(font, glyphs::kTrill, 22, 19)});
  symbols.push_back({18, FourBit, flag});
  symbols.push_back({19, FourBit, flag.MirroredVertically()});
  symbols.push_back({20, FourBit, Dot()});
  symbols.push_back({21, FourBit, Bars(15, 5, {0})});
  symbols.push_back({22, FourBit, Bars(15, 14, {0, 12})});
  symbols.push_back({23, FourBit, Bars(16, 27, {0, 12})});
  return symbols;
}

}  // namespace scoreink::tools
