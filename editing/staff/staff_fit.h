#pragma once
// Fitting the palette's symbols to the staves of a score: the factor between the score's staff
// space and the blank page's, which symbols are note heads, and the symbol that floats while
// fitting is on.
#include <QImage>
#include <QPainterPath>
#include <QString>

#include "editing/staff/staff_detection.h"

namespace scoreink {

// The score's staff space over the blank page's; 0 without staves.
double StaffFactor(const StaffGeometry& staves);

// What the score window shows beside "譜表に合わせる": the factor to one decimal ("×3.3"), or
// "譜表なし".
QString StaffFactorText(const StaffGeometry& staves);

// A custom symbol that reads as a note head: its black part roughly one staff space of the
// blank page tall, and no wider than a head on a ledger line.
bool IsNoteHeadShape(const QImage& symbol);

// The symbol that floats while fitting is on, pure black on white: a note head scaled so that
// its black part is one staff space tall, filling the space as an engraved head does; any
// other symbol scaled by StaffFactor. Without staves, the symbol as it is. With an outline
// (a palette symbol's, in the symbol's pixels) a larger or smaller symbol is drawn from it, so
// its edges stay smooth; without one (custom symbols) the bitmap is scaled. At the symbol's own
// size the bitmap's black pixels are kept as they are.
QImage FittedSymbol(const QImage& symbol, bool noteHead, const StaffGeometry& staves,
                    const QPainterPath& outline = {});

}  // namespace scoreink
