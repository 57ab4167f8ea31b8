// Escape in the score window: a rubber band under way is taken back, symbol mode is left.
#include <QPushButton>

#include "editing/handlers/surface_edit.h"
#include "editing/pen_rules.h"
#include "editing/tool_modes.h"
#include "platform/ui/image_control.h"
#include "platform/ui/press_button.h"
#include "score_window/desktop_habits.h"
#include "score_window/tform1.h"

namespace scoreink {

bool EscapeScoreGesture(TForm1& window) {
  // A gesture of the line, tie or region tools pressed on the score (the overlay is hidden
  // then; dragging a lifted block is no rubber band). Its preview drawn once more takes it
  // back, as the release would; with the gesture over, the release does nothing.
  const bool rubberBand =
      window.Dragging && DrawsRubberBand(window.ToolMode) && window.Image2->isHidden();
  if (rubberBand) {
    const SurfaceEdit edit(*window.Image1);
    window.ScoreCanvas.ResetDirty();
    DrawToolShape(window.ScoreCanvas, window.ToolMode, window.LineKind, window.StartPt,
                  window.EndPt, true);
    edit.Show(window.ScoreCanvas.Dirty());
    window.Dragging = false;
    return true;
  }
  if (window.ToolMode == ScoreTool::Symbol) {
    // A press or an overlay drag under way ends here, so that its release places nothing.
    window.Dragging = false;
    return PressButton(window.BtnXX);
  }
  return false;
}

}  // namespace scoreink
