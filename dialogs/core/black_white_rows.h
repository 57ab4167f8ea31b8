#pragma once
// The scan-line kernels of the two-colour split (black_white.h), in a portable form and, on
// x86 processors that have it, an AVX2 form. Both give the same bytes; the split picks the
// fastest the processor runs. Rows are 24-bit, red first (Format_RGB888).
#include <QtGlobal>

namespace scoreink::black_white {

struct Rgb {
  uchar red, green, blue;
};

// Grey of one pixel (see GreyLevel), from its three bytes.
int GreyOfPixel(const uchar* pixel);

// Pixels from .. to - 1 of a row whose pixels before from are done: their greys go into bytes
// from .. to - 1 (which belong to pixels already read); returns the darkest (255 for none).
int GreyPixels(uchar* row, int from, int to);
// Pixels from .. to - 1 coloured from their greys in greys[from .. to - 1]; returns how many
// got nearRgb.
qint64 ColourPixels(uchar* row, const uchar* greys, int from, int to, int bound, Rgb nearRgb,
                    Rgb diff);

// Writes the greys of the row's w pixels into the row's first w bytes (the rest of the row
// is left as it is) and returns the darkest of them.
int GreyRowPortable(uchar* row, int w);
int GreyRowAvx2(uchar* row, int w);

// From the greys in the row's first w bytes, writes the row's w pixels: nearRgb where the
// grey is at most bound, nearRgb XOR diff elsewhere. greys is scratch room for w bytes.
// Returns how many pixels got nearRgb.
qint64 ColourRowPortable(uchar* row, int w, int bound, Rgb nearRgb, Rgb diff, uchar* greys);
qint64 ColourRowAvx2(uchar* row, int w, int bound, Rgb nearRgb, Rgb diff, uchar* greys);

// True when the AVX2 forms can run here.
bool CpuHasAvx2();

}  // namespace scoreink::black_white
