#pragma once
// The outlines of the 23 palette symbols, which draw them smoothly at any size.
#include <QByteArray>
#include <QPainterPath>

namespace scoreink {

// The outline of palette symbol number (1..23) in the symbol's own pixels (y downward): filled
// antialiased on the symbol's width x height pixels and cut at half cover it gives (close to)
// PaletteSymbolImage(number). An empty path for other numbers and for a record that is missing
// or damaged. The embedded file is read once.
QPainterPath PaletteSymbolOutline(int number);

// One record of the outline file, "<number> <width> <height> <fill rule> <path>" (the file's
// header says more): its number and path, or number 0 and an empty path when the record is
// not well formed or its points lie farther from the symbol than its own size.
struct OutlineRecord {
  int number = 0;
  QPainterPath outline;
};
OutlineRecord ParseOutlineRecord(const QByteArray& line);

}  // namespace scoreink
