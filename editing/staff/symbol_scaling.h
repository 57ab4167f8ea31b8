#pragma once
// Scaling a symbol's ink: only its pure-black pixels count, and the result is pure black on
// white again, with smooth edges and no grey, so that stamping it carries all of it.
#include <QImage>
#include <QPainterPath>
#include <QRect>
#include <QSize>

namespace scoreink {

// The bounds of a symbol's pure-black pixels; empty when it has none.
QRect BlackBounds(const QImage& symbol);

// The symbol's pure-black pixels scaled by factor, as a Format_RGB32 picture of black and white
// whose sides are the symbol's times factor, rounded (at least 1). The black shape is
// enlarged by filling a smooth outline traced around the black pixels and shrunk by interpolating
// the black pixels, cut at half cover either way, so edges stay smooth and thin strokes stay;
// factor 1 gives the black pixels exactly as they are. A null symbol or a factor that is not
// positive: null.
QImage ScaledBlackMask(const QImage& symbol, double factor);

// The size of a symbol scaled by factor: each side times factor, rounded, at least 1. Empty
// for a factor that is not positive or a side that would pass 32767 pixels.
QSize ScaledSymbolSize(QSize symbolSize, double factor);

// A symbol drawn from its outline (in the symbol's pixels) at ScaledSymbolSize: the outline is
// stretched onto the new size, filled antialiased and cut at half cover, black on white
// (Format_RGB32) as ScaledBlackMask gives it. An empty size or a bad factor: null.
QImage OutlineBlackMask(const QPainterPath& outline, QSize symbolSize, double factor);

}  // namespace scoreink
