#pragma once
// Finding the staves of a score picture: how thick its staff lines are, how far apart they
// lie (the staff space), and where the five lines of each staff run from end to end, following
// a skewed scan or a bent page. Tolerates grey paper, scanner noise, blur, JPEG artefacts,
// 1-bit lines broken by gaps, and text, beams, hairpins, slurs and ledger lines on the page.
// A staff is five lines in step with music written on them: ruled paper, tables, grids,
// one-line and six-line staves and a picture without staves give none.
#include <QImage>

#include "editing/staff/staff_geometry.h"

namespace scoreink {

// Finds the staves of picture (any format; 8-bit, 24-bit and 32-bit pictures are read
// straight from their scan lines). Samples one to three hundred columns down the page, then
// reads only the rows of the lines it follows. No staff, a blank or unreadable picture: an
// empty geometry.
StaffGeometry FindStaves(const QImage& picture);

}  // namespace scoreink
