// Undo ("戻す") and redo ("進む") of the drawing, over the history shared with the score window.
#include "editing/handlers/history_messages.h"
#include "platform/edit_history.h"
#include "symbol_editor/tform3.h"

namespace scoreink {

void TForm3::Btn14Click(QObject*) {
  FocusSink();
  const EditHistory::Step step = SharedHistory().Undo(Drawing());
  ShowHistoryStep(step);
  TellUndoStep(step);
}

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
