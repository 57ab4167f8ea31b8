// The palette strip's "記号追加": opens the symbol editor.
#include "platform/edit_history.h"
#include "score_window/tform1.h"
#include "symbol_editor/tform3.h"

namespace scoreink {

void TForm1::Btn12Click(QObject*) {
  FocusSink();
  if (Form3) {
    // Opening again would empty the history and throw the drawing away: show the open one.
    Form3->show();
    Form3->raise();
    Form3->activateWindow();
    return;
  }
  // The editor owns itself: it deletes itself when it is left.
  auto* editor = new TForm3;
  Form3 = editor;
  // The editor does not outlive the score window; leaving with it empties no work folder.
  connect(this, &TForm1::Closed, editor, &TForm3::Release);
  // The editor records its drawing into the score's history: the score is not edited, undone
  // or redone until the editor is left.
  LockScore(ScoreLock::SymbolEditor, true);
  connect(editor, &TForm3::Released, this, [this] {
    LockScore(ScoreLock::SymbolEditor, false);
    // The editor's drawing was the history's picture; the score is again, from now on.
    PauseRecovery(false);
  });
  // The editor empties the history the score's edits are counted in: they are carried over,
  // and the recovery copy keeps the score as it is until the editor is left.
  CarryUnsavedEdits(HasUnsavedEdits());
  PauseRecovery(true);
  editor->FormCreate();
  editor->show();
}

}  // namespace scoreink
