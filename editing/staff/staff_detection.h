#pragma once
// Finding the staves of a score picture: how thick its staff lines are, how far apart they
// lie (the staff space), and where the five lines of each staff run, following a scan that
// is a little skewed. Tolerates grey paper, scanner noise, JPEG artefacts, and text, beams
// and slurs on the page; a picture without staves gives none.
//
#include <QImage>

#include "editing/staff/staff_geometry.h"

namespace scoreink {

// Finds the staves of picture (any format; 8-bit, 24-bit and 32-bit pictures are read
// straight from their scan lines). Samples a few hundred columns across the page rather than
// every pixel. No staff, a blank or unreadable picture: an empty geometry.
StaffGeometry FindStaves(const QImage& picture);

}  // namespace scoreink
