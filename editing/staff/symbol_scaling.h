#pragma once
// Scaling a symbol's ink: only its pure-black pixels count, and the result is pure black on
// white again, with smooth edges and no grey, so that stamping it carries all of it.
#include <QImage>
#include <QRect>

namespace scoreink {

// The bounds of a symbol's pure-black pixels; empty when it has none.
QRect BlackBounds(const QImage& symbol);

// The symbol's pure-black pixels scaled by factor, as a Format_RGB32 picture of black and white
// whose sides are the symbol's times factor, rounded (at least 1). The black shape is
// interpolated and cut at half cover, so edges stay smooth at any factor; factor 1 gives the
// black pixels exactly as they are. A null symbol or a factor that is not positive: null.
QImage ScaledBlackMask(const QImage& symbol, double factor);

}  // namespace scoreink
