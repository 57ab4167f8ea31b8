// Undo ("戻す") and redo ("進む") of the score window: they step through the steps that each
// press on the score started.
#include <QSize>

#include "platform/history/edit_history.h"
#include "platform/ui/history_messages.h"
#include "platform/ui/image_control.h"
#include "score_window/tform1.h"

namespace scoreink {

namespace {

// A snapshot may have another size than the picture it replaces (an undo across an opened
// score): the view then takes the new size at the current zoom.
void ShowLoadedSurface(TForm1& window, ImageControl& view, QSize before) {
  if (window.Surface().size() != before) window.ApplyScoreZoom();
  view.PictureChanged();
}

}  // namespace

// "戻す": takes the last edit of the score back.
void TForm1::Btn7Click(QObject*) {
  FocusSink();  // a floating item is stamped first, so the undo takes it back as well
  const QSize before = Surface().size();
  const EditHistory::Step step = SharedHistory().Undo(Surface());
  if (step == EditHistory::Step::Loaded) ShowLoadedSurface(*this, *Image1, before);
  TellUndoStep(step);
}

// "進む": does the edit taken back last again.
void TForm1::Btn8Click(QObject*) {
  FocusSink();
  const QSize before = Surface().size();
  const EditHistory::Step step = SharedHistory().Redo(Surface());
  if (step == EditHistory::Step::Loaded) ShowLoadedSurface(*this, *Image1, before);
  TellRedoStep(step);
}

}  // namespace scoreink
