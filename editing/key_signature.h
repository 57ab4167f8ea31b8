#pragma once
// Key signatures at the head of a staff system. A click left of the pen area of a template
// score redraws the system's leftmost 143 columns from the staff template, with the chosen
// number of sharps or flats painted in the template's ink into both staves.
#include <QImage>
#include <QRect>
#include <array>

namespace scoreink {

// Columns of a system that a key signature replaces.
inline constexpr int kKeyStripWidth = 143;
// Rows from an accidental in the treble staff to the same note name in the bass staff.
inline constexpr int kBassStaffOffset = 139;
// The surface pixel whose colour the accidentals take: a staff-line pixel of a template score.
inline constexpr int kKeyInkX = 24;
inline constexpr int kKeyInkY = 57;

struct AccidentalPlace {
  int x;
  int y0;
};
// Places of the 1st to 6th sharp (F, C, G, D, A, E) and flat (B, E, A, D, G, C) in a system.
inline constexpr std::array<AccidentalPlace, 6> kSharpPlaces{
    {{80, 43}, {90, 61}, {100, 36}, {110, 55}, {120, 73}, {130, 48}}};
inline constexpr std::array<AccidentalPlace, 6> kFlatPlaces{
    {{80, 68}, {90, 48}, {100, 73}, {110, 55}, {120, 80}, {130, 60}}};

// Paints one accidental into strip: for every exactly black pixel (j, i) of symbol, strip
// pixels (x + j, y0 + i) and (x + j, y0 + i + kBassStaffOffset) become ink. Pixels falling
// outside strip are skipped. strip is 8-bit with the fixed palette or 24/32-bit.
void StampAccidental(QImage& strip, const QImage& symbol, int x, int y0, QRgb ink);

// The strip of a system for the key-signature choice `index` (ComboBox1's index): the
// template's leftmost kKeyStripWidth columns (white where the template is narrower), 8-bit
// with the fixed palette, with the first `index` sharps for 1..6 or `index` - 6 flats for
// 7..12 (at most six). 0, -1 (no choice) or anything else paints none, clearing a signature.
QImage KeySignatureStrip(const QImage& scoreTemplate, int index, QRgb ink, const QImage& sharp,
                         const QImage& flat);

// The ink for accidentals: the surface's colour at (kKeyInkX, kKeyInkY); the template ink when
// the surface is smaller than that.
QRgb KeySignatureInk(const QImage& surface);

// Sets the key signature of the system holding surface row y (row div the template height):
// KeySignatureStrip drawn opaquely at (0, system * template height), clipped to a narrower
// surface. Only the rows of that system are touched; a row below the last whole system (the
// bottom margin) sets nothing and gives an empty rectangle. An 8-bit surface with another colour
// table is first set to the fixed palette; 24- and 32-bit surfaces keep their format. Returns the
// rectangle written.
QRect StampKeySignature(QImage& surface, int y, int index, QRgb ink, const QImage& scoreTemplate,
                        const QImage& sharp, const QImage& flat);

}  // namespace scoreink
