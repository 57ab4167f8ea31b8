#pragma once
// How each symbol of the palette sits on a staff when it is fitted: how it is scaled, which
// places of the staff it may take (a copyist puts heads on lines and in spaces, a head drawn
// with its ledger line on lines only, a dot in a space), and which point of it goes there.
#include <QImage>

#include "editing/staff/staff_snap.h"

namespace scoreink {

struct SymbolFit {
  bool noteHead = false;  // scaled so that its black part is one staff space tall
  StaffPlaces places = StaffPlaces::None;
  double anchor = 0.5;  // the point put on the place, down the black part: 0 top, 1 bottom
};

// The fit of built-in palette symbol number (1 .. 23); none for any other number.
SymbolFit BuiltInSymbolFit(int number);

// The fit of a custom symbol: one that reads as a note head (IsNoteHeadShape) fits as a head,
// any other is scaled only.
SymbolFit CustomSymbolFit(const QImage& symbol);

}  // namespace scoreink
