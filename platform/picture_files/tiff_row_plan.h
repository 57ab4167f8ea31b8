#pragma once
// How the rows of one TIFF page reach a sink. The common pages (grey of 1 to 16 bits, palette,
// RGB and CMYK of 8 or 16 bits, samples side by side) are converted here row by row: grey and
// palette as table indices, one byte a pixel (a fax page too), the others as 24-bit rows.
// Everything else goes through libtiff's own RGBA reader as 24-bit rows on white paper.
#include <tiffio.h>

#include "platform/picture_files/picture_sink.h"

namespace scoreink {

enum class TiffSamples { Grey, Palette, Rgb, Cmyk, ThroughRgba };

// Where the page's rows are turned to be seen: mirrored and flipped rows are turned while they
// are read; pages stored on their side (orientations 5 to 8) only once the page is whole.
enum class TiffTurn { None, Transpose, Clockwise, Transverse, Anticlockwise };

struct TiffRowPlan {
  PictureShape shape;  // as the page is seen, apart from turn
  TiffSamples samples = TiffSamples::ThroughRgba;
  int bits = 8;             // bits of a sample (converted here)
  bool flipRows = false;    // the file's first row is the page's bottom row
  bool mirrorRows = false;  // each row of the file runs from the page's right edge
  TiffTurn turn = TiffTurn::None;
  int orientation = ORIENTATION_TOPLEFT;  // the file's own, for libtiff's RGBA reader
};

// The plan for the page libtiff has read the directory of. Asks libtiff for RGB from JPEG pages
// stored as YCbCr.
TiffRowPlan PlanTiffRows(TIFF* tiff);

// One row of the file as libtiff gives it into one row of the sink (plan.samples not
// ThroughRgba).
void ConvertTiffRow(const TiffRowPlan& plan, const uchar* file, uchar* out, int width);

// One row of libtiff's RGBA reader (premultiplied alpha) as 24-bit pixels on white paper.
void RgbaRowOnWhite(const uint32_t* rgba, uchar* out, int width);

}  // namespace scoreink
