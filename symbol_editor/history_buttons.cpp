// Undo ("戻す") and redo ("進む") of the drawing, over the history shared with the score window.
#include "platform/history/edit_history.h"
#include "platform/ui/history_messages.h"
#include "symbol_editor/tform3.h"

namespace scoreink {

// "戻す": takes the last change of the drawing back.
void TForm3::Btn14Click(QObject*) {
  FocusSink();
  const EditHistory::Step step = SharedHistory().Undo(Drawing());
  ShowHistoryStep(step);
  TellUndoStep(step);
}

// "進む": does the change taken back last again.
void TForm3::Btn15Click(QObject*) {
  FocusSink();
  const EditHistory::Step step = SharedHistory().Redo(Drawing());
  ShowHistoryStep(step);
  TellRedoStep(step);
}

void TForm3::ShowHistoryStep(EditHistory::Step step) {
  if (step != EditHistory::Step::Loaded) return;
  // A snapshot brings its own size (from before a trim or a region copy).
  DrawingChanged();
  ApplyZoom(0);
  SetMoveBase();
}

}  // namespace scoreink
