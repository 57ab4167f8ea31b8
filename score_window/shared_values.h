#pragma once
// The score window's pen and template state, read by its editing handlers, with the values the
// whole program shares.
#include "platform/program_values.h"

namespace scoreink {

// Pen width in pixels (1 to 10), the number shown in "Label1".
extern int PenWidth;
// Smallest surface x a pen gesture may reach; a press left of it sets the key signature.
extern int LeftLimit;
// The score was made from the blank template (key signature, eraser repaint and the region
// delete and move tools depend on it).
extern bool TemplateScore;

}  // namespace scoreink
