#pragma once
// Whether music is written on five lines in step: a staff carries a clef, bar lines, stems or
// heads that fill a space; ruled paper and tables carry words between their lines, never
// across them.
#include "editing/staff/staff_geometry.h"
#include "editing/staff/staff_pixels.h"

namespace scoreink {

// True when somewhere along the staff ink runs unbroken through one of its spaces, from a line
// to the next. Reads one pixel a space and column, and the whole space only where that one is
// ink; stops at the first mark, which on a page of music is the clef or the system line.
bool HasMusicMarks(const PixelReader& pixels, const Staff& staff);

}  // namespace scoreink
