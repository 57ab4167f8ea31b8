#include "palette_symbols.h"

#include <QLineF>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QRectF>
#include <array>
#include <cmath>
#include <string>
#include <utility>

namespace scoreink::tools {

namespace {

// Rests and flags have hairline stems that break apart unless the outline is thickened.
constexpr Rendering kHairlines{.coverage = 0.5, .embolden = 0.7};

// Outlines are joined at this magnification: Qt flattens curves to half a unit when it unites
// paths, which must stay well below a pixel of the largest stamp.
constexpr double kUnionScale = 64;

// A symbol's mask with its outline, both in the symbol's pixels.
struct Drawing {
  InkMask mask;
  QPainterPath outline;
};

// Flattened curves come out of a union as many short lines; points this close to the line
// between their neighbours go, which keeps the outline file small.
constexpr double kStraightness = 0.01;

QTransform Magnified(double factor) {
  return QTransform::fromScale(factor, factor);
}

double DistanceToLine(QPointF p, QPointF a, QPointF b) {
  const QPointF d = b - a;
  const double length = std::hypot(d.x(), d.y());
  if (length == 0) return std::hypot(p.x() - a.x(), p.y() - a.y());
  return std::abs(d.x() * (a.y() - p.y()) - d.y() * (a.x() - p.x())) / length;
}

// Douglas-Peucker: keeps the points of polygon[first..last] that stray from the straight line.
void KeepStrayPoints(const QPolygonF& polygon, int first, int last, std::vector<bool>& keep) {
  double farthest = 0;
  int index = -1;
  for (int i = first + 1; i < last; ++i) {
    const double distance = DistanceToLine(polygon[i], polygon[first], polygon[last]);
    if (distance > farthest) {
      farthest = distance;
      index = i;
    }
  }
  if (index < 0 || farthest <= kStraightness) return;
  keep[index] = true;
  KeepStrayPoints(polygon, first, index, keep);
  KeepStrayPoints(polygon, index, last, keep);
}

QPainterPath Straightened(const QPainterPath& path) {
  QPainterPath result;
  result.setFillRule(path.fillRule());
  for (const QPolygonF& polygon : path.toSubpathPolygons()) {
    if (polygon.size() < 3) continue;
    // Split the closed polygon at its first point and the point farthest from it.
    const int last = static_cast<int>(polygon.size()) - 1;
    int far = 0;
    for (int i = 1; i <= last; ++i)
      if (QLineF(polygon[0], polygon[i]).length() > QLineF(polygon[0], polygon[far]).length())
        far = i;
    std::vector<bool> keep(polygon.size(), false);
    keep[0] = keep[far] = keep[last] = true;
    KeepStrayPoints(polygon, 0, far, keep);
    KeepStrayPoints(polygon, far, last, keep);
    QPolygonF kept;
    for (int i = 0; i <= last; ++i)
      if (keep[i]) kept << polygon[i];
    result.addPolygon(kept);
    result.closeSubpath();
  }
  return result;
}

QPainterPath Union(const QPainterPath& a, const QPainterPath& b) {
  const QTransform up = Magnified(kUnionScale);
  QPainterPath joined = Magnified(1 / kUnionScale).map(up.map(a).united(up.map(b)));
  joined.setFillRule(Qt::WindingFill);
  return Straightened(joined);
}

QPainterPath Rect(double x, double y, double w, double h) {
  QPainterPath path;
  path.addRect(x, y, w, h);
  return path;
}

// The outline that RenderPath fills with the rendering: the emboldening pen becomes part of it.
QPainterPath RenderedOutline(const QPainterPath& path, Rendering rendering) {
  QPainterPath filled = path;
  filled.setFillRule(Qt::WindingFill);
  if (rendering.embolden <= 0) return filled;
  QPainterPathStroker pen;  // the square caps and bevel joins of a default QPen
  pen.setWidth(rendering.embolden * kUnionScale);
  const QPainterPath stroke = pen.createStroke(Magnified(kUnionScale).map(filled));
  return Union(filled, Magnified(1 / kUnionScale).map(stroke));
}

// The glyph stretched over the box, or over the whole picture.
Drawing Glyph(const MusicFont& font, char32_t character, int width, int height,
              Rendering rendering = {}, QRectF box = {}) {
  const QPainterPath glyph = font.Glyph(character);
  if (box.isNull()) box = QRectF(0, 0, width, height);
  return {RenderPathInBox(glyph, QSize(width, height), box, rendering),
          RenderedOutline(BoxTransform(glyph, box).map(glyph), rendering)};
}

// A note head on a ledger line that crosses its middle (rows 4-5), 23 wide.
Drawing OnLedgerLine(const Drawing& head) {
  InkMask mask(23, 11);
  mask.FillRect(0, 4, 23, 2);
  mask.Paint(head.mask, 4, 0);
  return {mask, Union(head.outline.translated(4, 0), Rect(0, 4, 23, 2))};
}

Drawing SolidBlock() {
  InkMask mask(14, 6);
  mask.FillRect(0, 0, 14, 6);
  return {mask, Rect(0, 0, 14, 6)};
}

// A pixel pattern drawn for the palette's size; scaled up it becomes the font's engraved glyph
// over the pattern's black part, as the sharps and flats of a printed page look.
Drawing Pattern(const MusicFont& font, char32_t character, const std::vector<std::string>& rows) {
  const InkMask mask = InkMask::FromRows(rows);
  QRectF ink;
  for (int y = 0; y < mask.height(); ++y)
    for (int x = 0; x < mask.width(); ++x)
      if (mask.At(x, y)) ink |= QRectF(x, y, 1, 1);
  const QPainterPath glyph = font.Glyph(character);
  QPainterPath outline = BoxTransform(glyph, ink).map(glyph);
  outline.setFillRule(Qt::WindingFill);
  return {mask, outline};
}

Drawing Sharp(const MusicFont& font) {
  return Pattern(font, glyphs::kSharp,
                 {
                     "........X...", ".......XX...", "...X...XX...", "..XX...XX...", "..XX...XX...",
                     "..XX...XX...", "..XX...XX...", "..XX...XXXX.", "..XXXXXXXXXX", "..XXXXXXXXXX",
                     ".XXXXXXXXXXX", "XXXXXXXXX...", "XXXXXXXXX...", "XXXXX..XX...", ".XXX...XX...",
                     "..XX...XXXX.", "..XX...XXXX.", "..XXX..XXXXX", "..XXXXXXXXXX", "XXXXXXXXXXXX",
                     "XXXXXXXXXXX.", "XXXXXXXXX...", "XXXXXXXXX...", "XXXXX..XX...", "..XX...XX...",
                     "..XX...XX...", "..XX...XX...", "..XX...XX...", "..XX........", "..XX........",
                 });
}

Drawing Flat(const MusicFont& font) {
  return Pattern(
      font, glyphs::kFlat,
      {
          ".XX........", ".XX........", ".XX........", ".XX........", ".XX........", ".XX........",
          ".XX........", ".XX........", ".XX........", ".XX.XXXXX..", ".XXXXXXXXX.", ".XXXXXXXXXX",
          ".XX....XXXX", ".XX....XXXX", ".XX...XXXXX", ".X....XXX..", ".X...XXXX..", ".X...XX....",
          ".XX.XX.....", ".XXXX......", ".XXXX......", ".XXX.......",
      });
}

// Two zigzags, thin going up and broad going down, across a 20 x 8 area whose top is at the
// given row. The font's ornament strokes are solid parallelograms that merge into one band
// at this height, so the zigzag is drawn with pens of the two widths instead.
QPainterPath Zigzag(int top) {
  const double low = top + 7.2;
  const double high = top + 0.8;
  const std::array<QPointF, 5> corners = {QPointF(0.2, low), QPointF(5.2, high), QPointF(10.2, low),
                                          QPointF(14.8, high), QPointF(19.8, low)};
  QPainterPath zigzag;
  zigzag.setFillRule(Qt::WindingFill);  // the strokes overlap at the corners
  for (size_t i = 0; i + 1 < corners.size(); ++i) {
    QPainterPath stroke(corners[i]);
    stroke.lineTo(corners[i + 1]);
    QPainterPathStroker pen;
    pen.setWidth(i % 2 == 0 ? 1.1 : 2.4);
    pen.setCapStyle(Qt::RoundCap);
    zigzag.addPath(pen.createStroke(stroke));
  }
  return zigzag;
}

Drawing WavyLine() {
  const QPainterPath zigzag = Zigzag(0);
  return {RenderPath(zigzag, QSize(20, 8), QTransform(), {}), RenderedOutline(zigzag, {})};
}

Drawing CrossedWavyLine() {
  const QPainterPath zigzag = Zigzag(1);
  InkMask mask = RenderPath(zigzag, QSize(20, 11), QTransform(), {});
  mask.FillRect(10, 0, 1, 11);
  return {mask, Union(zigzag, Rect(10, 0, 1, 11))};
}

Drawing Dot() {
  InkMask mask(10, 10);
  mask.FillRect(3, 3, 4, 4);
  QPainterPath round;
  round.addEllipse(QPointF(5, 5), 2.25, 2.25);  // about the square's ink
  return {mask, round};
}

// Bars of the given width, two pixels thick, starting at the given rows.
Drawing Bars(int width, int height, std::initializer_list<int> rows) {
  InkMask mask(width, height);
  QPainterPath outline;
  for (int row : rows) {
    mask.FillRect(0, row, width, 2);
    outline.addRect(0, row, width, 2);
  }
  return {mask, outline};
}

// The flag pointing up: rows and outline turned upside down.
Drawing Mirrored(const Drawing& drawing) {
  const QTransform flip(1, 0, 0, -1, 0, drawing.mask.height());
  return {drawing.mask.MirroredVertically(), flip.map(drawing.outline)};
}

}  // namespace

std::vector<PaletteSymbol> DrawPaletteSymbols(const MusicFont& font) {
  using enum SymbolFileFormat;
  const Drawing filled_head = Glyph(font, glyphs::kBlackNoteHead, 14, 10);
  const Drawing open_head = Glyph(font, glyphs::kVoidNoteHead, 14, 10);
  const Drawing flag = Glyph(font, glyphs::kFlag1, 11, 26, kHairlines);
  const std::vector<std::pair<SymbolFileFormat, Drawing>> drawings = {
      {FourBit, filled_head},
      {FourBit, open_head},
      {FourBit, OnLedgerLine(filled_head)},
      {FourBit, OnLedgerLine(open_head)},
      {TwentyFourBit, Glyph(font, glyphs::kThirtySecondRest, 11, 25, kHairlines)},
      {FourBit, Glyph(font, glyphs::kSixteenthRest, 11, 22, kHairlines)},
      {FourBit, Glyph(font, glyphs::kEighthRest, 13, 18, kHairlines)},
      {FourBit, Glyph(font, glyphs::kQuarterRest, 12, 28, kHairlines)},
      {FourBitBlackOnly, SolidBlock()},
      {FourBit, Glyph(font, glyphs::kDoubleSharp, 11, 11)},
      {FourBit, Sharp(font)},
      {FourBit, Flat(font)},
      {FourBit, Glyph(font, glyphs::kNatural, 7, 29)},
      {FourBit, WavyLine()},
      {FourBit, CrossedWavyLine()},
      {FourBit, Glyph(font, glyphs::kTurn, 21, 10)},
      {FourBit, Glyph(font, glyphs::kTrill, 22, 19)},
      {FourBit, flag},
      {FourBit, Mirrored(flag)},
      {FourBit, Dot()},
      {FourBit, Bars(15, 5, {0})},
      {FourBit, Bars(15, 14, {0, 12})},
      {FourBit, Bars(16, 27, {0, 12})},
  };
  std::vector<PaletteSymbol> symbols;
  for (const auto& [format, drawing] : drawings) {
    symbols.push_back(
        {static_cast<int>(symbols.size()) + 1, format, drawing.mask, drawing.outline});
  }
  return symbols;
}

}  // namespace scoreink::tools
