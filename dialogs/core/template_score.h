#pragma once
// The template test of an opened score: a score made from the blank page still has the blank
// page's brace and system line in the strip x 0..24, y 50..99 of its first staff system. Only
// such a score gets the tools that repaint from the blank page (region delete and move) and
// the key signature.
#include <QImage>
#include <QRect>

#include "editing/blank_page.h"

namespace scoreink {

// The strip compared, 25 x 50 pixels.
inline constexpr QRect kTemplateStrip{0, 50, 25, 50};

// True when every pixel of kTemplateStrip has the same colour on score as on the blank page.
// A picture too small to hold the strip is no template score. Only the strip is built and read,
// never the whole page.
bool IsTemplateScore(const QImage& score, const BlankPage& blank);

}  // namespace scoreink
