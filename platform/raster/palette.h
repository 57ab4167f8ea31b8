#pragma once
// The program's one fixed 256-colour palette and the colours its editing rules rest on.
//
// Every 8-bit picture the program makes uses this palette, so converting the same picture
// twice gives the same indices and a saved template score reads back identical.
#include <QImage>
#include <QList>

namespace scoreink {

// User ink: the only colour that stamping, moving and copying carry.
inline constexpr QRgb kBlack = 0xFF000000u;
// Background, and the transparent colour of the floating overlay.
inline constexpr QRgb kWhite = 0xFFFFFFFFu;
// Staff template and key-signature ink: never pure black.
inline constexpr QRgb kTemplateInk = 0xFF202040u;  // RGB(32, 32, 64)

inline constexpr int kBlackIndex = 0;
inline constexpr int kWhiteIndex = 255;
// Index of kTemplateInk in the fixed palette.
int TemplateInkIndex();

// The fixed palette: black at 0, white at 255, kTemplateInk exactly, a colour cube and a
// fine grey ramp (scans are mostly grey). Opaque entries, no duplicates.
const QList<QRgb>& FixedPalette();

// Index of the palette colour nearest to rgb (alpha ignored). Exact for every colour of the
// palette itself: PaletteIndexFor(FixedPalette()[i]) == i for all i.
uchar PaletteIndexFor(QRgb rgb);
uchar PaletteIndexFor(int red, int green, int blue);

// The 16-colour table used for 4-bit pictures (custom symbols, palette symbols):
// black at 0, white at 15, kTemplateInk included.
const QList<QRgb>& FourBitPalette();

}  // namespace scoreink
