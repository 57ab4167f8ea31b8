#pragma once
// What the region tool tests share: ink laid into the score as the user's pen leaves it, the
// pictures a delete, move or copy must give (worked out pixel by pixel, not through the
// program's own stamp), and dragging the floating block to a place in the view.
#include <QImage>
#include <QPoint>
#include <QRect>

#include "harness/score_window_harness.h"
#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"
#include "platform/ui/image_control.h"
#include "window_pictures.h"

namespace scoreink::test {

// A filled note head of 9 x 7 with its top-left at `at`, in the user's black.
inline void InkNoteHead(QImage& picture, QPoint at) {
  for (int y = 0; y < 7; ++y) {
    const int inset = y == 0 || y == 6 ? 2 : (y == 1 || y == 5 ? 1 : 0);
    for (int x = inset; x < 9 - inset; ++x) picture.setPixel(at.x() + x, at.y() + y, kBlackIndex);
  }
}

// Black over the whole area (clipped to the picture).
inline void InkArea(QImage& picture, const QRect& area) {
  const QRect inside = area & picture.rect();
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x) picture.setPixel(x, y, kBlackIndex);
}

// `picture` with `area` (clipped) put back from `blank`.
inline QImage WithBlank(QImage picture, const QImage& blank, const QRect& area) {
  const QRect inside = area & picture.rect();
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x)
      picture.setPixel(x, y, blank.pixelIndex(x, y));
  return picture;
}

// What a move (or a copy, when !move) of the region `from` of `before` to the top-left `to`
// gives: the source blanked for a move, then every pure-black source pixel black at its new
// place, as far as that lies inside the score.
inline QImage Carried(const QImage& before, const QImage& blank, const QRect& from, QPoint to,
                      bool move) {
  QImage result = move ? WithBlank(before, blank, from) : before;
  for (int y = 0; y < from.height(); ++y) {
    for (int x = 0; x < from.width(); ++x) {
      const QPoint source = from.topLeft() + QPoint(x, y);
      const QPoint target = to + QPoint(x, y);
      if (before.valid(source) && result.valid(target) && IsBlackAt(before, source.x(), source.y()))
        result.setPixel(target, kBlackIndex);
    }
  }
  return result;
}

// Drags the floating block by its middle until its top-left (scroll-content coordinates, as
// Image1 sits at (0, 0)) would be at `topLeft`; the window's clamps have the last word.
inline void DragBlockTo(ScoreWindowHarness& ui, QPoint topLeft) {
  const QWidget* overlay = ui.Overlay();
  const QPoint grab(overlay->width() / 2, overlay->height() / 2);
  ui.Press("Image2", grab);
  ui.Move("Image2", grab + topLeft - overlay->pos());
  ui.Release("Image2", grab);
}

// Stamps whatever floats, as a click on the tool panel's background does.
inline void CommitByPanelClick(ScoreWindowHarness& ui) {
  ui.ClickAt("Panel1", {105, 80});
}

// Sets the zoom percent with the zoom buttons, as the user would (steps of 10 below 100
// percent, of 100 above).
inline void ZoomTo(ScoreWindowHarness& ui, int percent) {
  while (ui.Zoom() < percent) ui.Click("Btn10");
  while (ui.Zoom() > percent) ui.Click("Btn9");
}

}  // namespace scoreink::test
