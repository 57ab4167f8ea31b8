#pragma once
// What the pen tools draw: the left pen limit, the press set-up of the canvas, the shape of
// each tool between the press point and the current point, ties, and the eraser's repaint.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>
#include <optional>

#include "editing/blank_page.h"
#include "editing/tool_modes.h"
#include "platform/raster/canvas.h"

namespace scoreink {

// Smallest surface x a pen gesture may reach for the pen tools: width + 25 up to width 2,
// width div 2 + 26 above (1..10 give 26, 27, 27, 28, 28, 29, 29, 30, 30, 31). Presses left of
// it are key-signature clicks.
int LeftLimitFor(int penWidth);
// The pen width of a new or newly opened score, and of the pen after symbol mode.
inline constexpr int kStartPenWidth = 2;
// The left limit of the region tools, whatever the pen width.
inline constexpr int kRegionLeftLimit = 26;

// Sets up the canvas for a gesture starting at `press`: clear brush, solid pen; width 1 and
// black for the region tools, else penWidth and penColor; pen moved to press.
void PrepareGesturePen(Canvas& canvas, ScoreTool tool, int penWidth, QRgb penColor, QPoint press);

// Draws one step of a gesture with the pen the press set up:
//   free draw:         Copy; line from the pen position to end (preview and final alike).
//   line, free:        preview NotXor, final Copy; move to start, line to end.
//   line, vertical:    final only, Copy; line from the pen position to (start.x, end.y).
//   line, horizontal:  final only, Copy; line from the pen position to (end.x, start.y).
//   tie:               final only, Copy; DrawTie(start.x, end.x, end.y, lineKind).
//   region tools:      preview only, NotXor; hollow rectangle with corners start and end.
//   symbol mode:       nothing.
// A NotXor preview drawn twice leaves the picture as it was (rubber band).
void DrawToolShape(Canvas& canvas, ScoreTool tool, LineVariant lineKind, QPoint start, QPoint end,
                   bool preview);

// The four Bezier points of a tie from x1 to x2 with both ends on row y, or nothing when
// x2 - x1 <= 0. d = (x2 - x1) div 4, at most 20; the control points sit on row y + d for the
// lower arc, y - d for the upper one.
std::optional<std::array<QPoint, 4>> TiePoints(int x1, int x2, int y, LineVariant arc);

// Draws the tie of TiePoints as one cubic with the canvas's current pen and leaves the pen
// position at (x2, y). Draws nothing, and leaves the pen alone, when there is no tie.
void DrawTie(Canvas& canvas, int x1, int x2, int y, LineVariant arc);

// Extent of a white (eraser) stroke in surface pixels, edges inclusive.
struct EraseBox {
  int left = 0;
  int right = 0;
  int top = 0;
  int bottom = 0;

  static EraseBox At(QPoint p) { return {p.x(), p.x(), p.y(), p.y()}; }
  void Include(QPoint p);
};

// The rectangle the eraser repaints when released at `release`: the box widened to the
// release point, grown by penWidth div 2 + 1 on every side, then left and top raised to 1 and
// right and bottom lowered to W - 1 and H - 1. Right and bottom exclusive.
QRect EraseRestoreRect(EraseBox box, QPoint release, int penWidth, QSize surfaceSize);

// After a white free-draw stroke: on a template score, repaints EraseRestoreRect from the
// blank page (RestoreFromTemplate) and returns the rectangle repainted; on any other score
// white strokes stay white paint and nothing happens.
QRect RestoreEraseBox(QImage& surface, const EraseBox& box, QPoint release, int penWidth,
                      bool templateScore, const BlankPage& blank);

}  // namespace scoreink
