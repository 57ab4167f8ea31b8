#pragma once
// How each symbol of the palette sits on a staff when it is fitted: how it is scaled, which
// places of the staff it may take (a copyist puts heads on lines and in spaces, a head drawn
// with its ledger line on lines only, a dot in a space), and which point of it goes there.
#include <QImage>
#include <QString>

#include "editing/staff/staff_snap.h"

namespace scoreink {

struct SymbolFit {
  bool noteHead = false;  // scaled so that its black part is one staff space tall
  StaffPlaces places = StaffPlaces::None;
  double anchor = 0.5;  // the point put on the place, down the black part: 0 top, 1 bottom
};

// The fit of the palette symbol shown by the image control of that name ("Img01" ...
// "Img23", "OPImg01" ...); symbol is its picture, which decides for a custom symbol: one
// that reads as a note head (IsNoteHeadShape) fits as a head, any other is scaled only.
SymbolFit PaletteSymbolFit(const QString& imageName, const QImage& symbol);

// The number of a built-in symbol's image control ("Img07" is 7), 0 for any other.
int BuiltInSymbolNumber(const QString& imageName);

}  // namespace scoreink
