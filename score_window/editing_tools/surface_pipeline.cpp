// The mouse pipeline of the score surface and the commit of whatever floats.
//
// Every tool shares the same press, move and release steps; what differs per tool lies in
// DrawToolShape (pen tools), StampKeySignature and PlaceSymbolOverlay (symbols) and LiftBlock
// and DropBlock (region tools). Drawing goes straight into the 8-bit surface; the view
// repaints only the rectangle each step changed.

#include "editing/pen_rules.h"
#include "editing/surface_rules.h"
#include "editing/tool_modes.h"
#include "platform/history/edit_history.h"
#include "platform/ui/history_messages.h"
#include "platform/ui/image_control.h"
#include "score_window/editing_tools/surface_edit.h"
#include "score_window/shared_values.h"
#include "score_window/tform1.h"

namespace scoreink {

namespace {

QPoint SurfacePointOf(const ImageControl& view, int x, int y) {
  return ToBitmapPoint(QPoint(x, y), view.size(), view.Picture().size());
}

}  // namespace

void TForm1::Image1MouseDown(Qt::MouseButton button, int x, int y) {
  const QPoint at = SurfacePointOf(*Image1, x, y);
  // Any button first stamps what floats.
  const bool committed = CommitPending();
  if (button != Qt::LeftButton) return;
  const bool keySignatureClick = at.x() < LeftLimit;
  const bool setsKeySignature = keySignatureClick && ToolMode != ScoreTool::Symbol && TemplateScore;
  // A stamped block needs no snapshot: the one taken when it was lifted still holds the
  // picture from before the move or copy, so one undo reverts all of it. A key signature set
  // by the same press is an edit of its own, though, and gets its own undo step.
  const bool record = !committed || setsKeySignature;
  if (record) RecordGesture(Surface());
  if (keySignatureClick) {
    if (setsKeySignature) StampKeySignature(at.y());
    return;
  }
  blockStampedAtPress_ = committed;
  PrepareGesturePen(ScoreCanvas, ToolMode, PenWidth, PenColor, at);
  Dragging = true;
  if (PenColor == kWhite) Erased = EraseBox::At(at);
  StartPt = EndPt = at;
}

void TForm1::Image1MouseMove(int x, int y) {
  if (!Dragging) return;
  const QPoint at = ClampGesturePoint(SurfacePointOf(*Image1, x, y), LeftLimit, Surface().size());
  if (PenColor == kWhite) Erased.Include(at);
  const SurfaceEdit edit(*Image1);
  ScoreCanvas.ResetDirty();
  // The first call takes back the previous rubber band; free draw adds nothing with it.
  DrawToolShape(ScoreCanvas, ToolMode, LineKind, StartPt, EndPt, true);
  EndPt = at;
  DrawToolShape(ScoreCanvas, ToolMode, LineKind, StartPt, EndPt, true);
  edit.Show(ScoreCanvas.Dirty());
}

void TForm1::Image1MouseUp(Qt::MouseButton button, int x, int y) {
  if (button != Qt::LeftButton || !Dragging) return;
  Dragging = false;
  if (ToolMode == ScoreTool::Symbol) {
    PlaceSymbolOverlay(x, y);
    return;
  }
  // Only the left is limited: a release past the right or bottom of the score keeps its
  // point, and the canvas clips what lies outside.
  const QPoint at = ClampReleasePoint(SurfacePointOf(*Image1, x, y), LeftLimit);
  const QPoint lastPreview = EndPt;
  EndPt = at;
  if (IsPenTool(ToolMode)) {
    const SurfaceEdit edit(*Image1);
    ScoreCanvas.ResetDirty();
    // A free line released elsewhere than its last rubber band (past the edge of the score,
    // where the moves were clamped) would leave that band behind: take it back first.
    if (ToolMode == ScoreTool::Line && LineKind == LineVariant::Free && lastPreview != EndPt)
      DrawToolShape(ScoreCanvas, ToolMode, LineKind, StartPt, lastPreview, true);
    DrawToolShape(ScoreCanvas, ToolMode, LineKind, StartPt, EndPt, false);
    edit.Show(ScoreCanvas.Dirty());
    if (PenColor == kWhite) RestoreEraseBox(at.x(), at.y());
    return;
  }
  {
    // The rubber band is a preview only: take it back before anything else, wherever the
    // release is (past the edge of the score the moves were clamped, so the release point
    // need not be the band's corner). The picture is then as it was at the press.
    const SurfaceEdit edit(*Image1);
    ScoreCanvas.ResetDirty();
    DrawToolShape(ScoreCanvas, ToolMode, LineKind, StartPt, lastPreview, true);
    edit.Show(ScoreCanvas.Dirty());
  }
  if (StartPt.x() == EndPt.x() || StartPt.y() == EndPt.y()) return;
  if (ToolMode == ScoreTool::RegionDelete)
    RestoreFromTemplate(StartPt.x(), StartPt.y(), EndPt.x(), EndPt.y());
  else
    LiftBlock();
}

bool TForm1::CommitPending() {
  if (LiftsRegion(ToolMode)) return DropBlock();
  DropSymbol();
  return false;
}

void TForm1::DropSymbol() {
  if (Image2->isHidden() || !Image2->HasPicture()) return;
  const SurfaceEdit edit(*Image1);
  const QRect stamped = StampSymbolAt(Surface(), Image2->Picture(), FloatingTopLeft());
  Image2->hide();
  Image2->ClearPicture();
  edit.Show(stamped);
}

void TForm1::RestoreFromTemplate(int x1, int y1, int x2, int y2) {
  const SurfaceEdit edit(*Image1);
  edit.Show(scoreink::RestoreFromTemplate(Surface(), x1, y1, x2, y2, ScoreBlankPage()));
}

}  // namespace scoreink
