#pragma once
// Whole rows of 24- or 32-bit pixels to table indices: the inner loop of every conversion to
// 8 or 4 bits. Vector paths are chosen at run time by what the processor offers; every path
// gives exactly the indices of ColorLookup itself.
#include <QImage>
#include <QList>
#include <array>

#include "platform/raster/raster_color_lookup.h"

namespace scoreink::raster {

// in: width pixels of red, green, blue bytes.
void IndexRgb888Row(const uchar* in, uchar* out, int width, const ColorLookup& lookup);
// in: width pixels of 0xAARRGGBB (alpha ignored).
void IndexRgb32Row(const QRgb* in, uchar* out, int width, const ColorLookup& lookup);
// The index for each pixel value of an 8-bit picture with the given colour table; values
// past the end of the table are black, as an 8-bit picture shows them.
std::array<uchar, 256> IndexMapOf(const QList<QRgb>& table, const ColorLookup& lookup);

// The same with a chosen instruction set, so that tests can compare every path the
// processor has. Portable is always available.
enum class RowPath { Portable, Avx2, Avx512Vbmi };
bool RowPathAvailable(RowPath path);
void IndexRgb888Row(RowPath path, const uchar* in, uchar* out, int width,
                    const ColorLookup& lookup);
void IndexRgb32Row(RowPath path, const QRgb* in, uchar* out, int width, const ColorLookup& lookup);

}  // namespace scoreink::raster
