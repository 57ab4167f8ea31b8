// Escape in the score window: a rubber band under way is taken back, symbol mode is left.
#include <QPushButton>

#include "editing/pen_rules.h"
#include "editing/tool_modes.h"
#include "platform/ui/image_control.h"
#include "platform/ui/press_button.h"
#include "score_window/editing_tools/surface_edit.h"
#include "score_window/tform1.h"

namespace scoreink {

bool TForm1::EscapeGesture() {
  // A gesture of the line, tie or region tools pressed on the score (the overlay is hidden
  // then; dragging a lifted block is no rubber band). Its preview drawn once more takes it
  // back, as the release would; with the gesture over, the release does nothing.
  const bool rubberBand = Dragging && DrawsRubberBand(ToolMode) && Image2->isHidden();
  if (rubberBand) {
    const SurfaceEdit edit(*Image1);
    ScoreCanvas.ResetDirty();
    DrawToolShape(ScoreCanvas, ToolMode, LineKind, StartPt, EndPt, true);
    edit.Show(ScoreCanvas.Dirty());
    Dragging = false;
    return true;
  }
  if (ToolMode == ScoreTool::Symbol) {
    // A press or an overlay drag under way ends here, so that its release places nothing.
    Dragging = false;
    return PressButton(BtnXX);
  }
  return false;
}

}  // namespace scoreink
