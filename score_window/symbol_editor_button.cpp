// The palette strip's "記号追加": opens the symbol editor.
#include "platform/history/edit_history.h"
#include "score_window/tform1.h"
#include "symbol_editor/tform3.h"

namespace scoreink {

// "記号追加": the symbol editor, to draw a symbol of one's own for the palette.
void TForm1::Btn12Click(QObject*) {
  FocusSink();
  if (symbolEditor_) {
    // Opening again would empty the history and throw the drawing away: show the open one.
    symbolEditor_->show();
    symbolEditor_->raise();
    symbolEditor_->activateWindow();
    return;
  }
  // The editor owns itself: it deletes itself when it is left.
  auto* editor = new TForm3;
  symbolEditor_ = editor;
  // The editor does not outlive the score window; leaving with it empties no work folder.
  connect(this, &TForm1::Closed, editor, &TForm3::Release);
  // The editor records its drawing into the score's history: the score is not edited, undone
  // or redone until the editor is left.
  LockScore(ScoreLock::SymbolEditor, true);
  // A registered symbol shows in the palette at once, as the next start-up will show it.
  connect(editor, &TForm3::SymbolRegistered, this, &TForm1::ShowSymbolSlot);
  connect(editor, &TForm3::Released, this, [this] {
    symbolEditor_ = nullptr;
    LockScore(ScoreLock::SymbolEditor, false);
    // The editor's drawing was the history's picture; the score is again, from now on.
    SharedHistory().PauseRecovery(false);
  });
  // The editor empties the history the score's edits are counted in: they are carried over,
  // and the recovery copy keeps the score as it is until the editor is left.
  CarryUnsavedEdits(HasUnsavedEdits());
  SharedHistory().PauseRecovery(true);
  editor->FormCreate();
  editor->show();
}

}  // namespace scoreink
