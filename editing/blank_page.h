#pragma once
// The blank score page: the staff template (one grand-staff system) repeated downward as many
// whole times as fit, white elsewhere, 8 bits per pixel. Its size is an A4 sheet at screen
// resolution less the default printer's unprintable margins on both sides.
#include <QImage>
#include <QRect>
#include <QSize>

#include "platform/device_facts.h"

namespace scoreink {

// mm * dpi / 25.39999 rounded to nearest, ties to even. The product is a 32-bit integer, the
// division is done in extended precision.
int MillimetresToPixels(int mm, int dpi);

// 770 x 1101 unless the screen's dpi are positive and a default printer with positive dpi
// exists; then A4 at screen dpi less twice the printer's offsets scaled to screen dpi (and
// 770 x 1101 again should those margins leave no page).
QSize BlankPageSize(const DeviceFacts& facts);

// The page geometry that every repaint from the blank page uses.
struct BlankPage {
  QSize size{770, 1101};
  QImage scoreTemplate;  // the staff template, Indexed8 with the fixed palette

  // Number of whole template systems that fit the page height.
  int SystemCount() const;
};

// Sizes and fills page with the blank page (Indexed8, fixed palette).
void BuildBlankPage(QImage& page, const BlankPage& blank);

// Writes into surface (Indexed8 with the fixed palette) exactly the pixels that building the
// blank page and copying rect of it onto the surface would give: template ink and white
// inside the page, white where rect leaves the page. Clipped to the surface; only the rows
// of rect are touched. Returns the rectangle actually written.
// 24-bit (RGB888) and 32-bit RGB surfaces get the same colours in their own format; other
// formats, including 8-bit pictures with another colour table, are left alone (empty result).
QRect PaintBlankPage(QImage& surface, const QRect& rect, const BlankPage& blank);

}  // namespace scoreink
