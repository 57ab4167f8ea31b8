// Escape during a drag in the symbol editor: what the drag shows is taken back and the drag
// ends, so that its release does nothing.
#include "platform/ui/image_control.h"
#include "symbol_editor/tform3.h"

namespace scoreink {

bool TForm3::TakeBackSelection() {
  if (!Dragging) return false;
  Dragging = false;
  RepairImportArea(false);
  return true;
}

bool TForm3::TakeBackFigure() {
  // A free line is drawn for good as it goes: it has no rubber band to take back.
  if (!Dragging || !UsePen || ShapeKind == EditorShape::FreeLine) return false;
  Dragging = false;
  DrawShape(StartPt, CurPt, true);  // the feedback figure drawn once more goes away
  return true;
}

}  // namespace scoreink
