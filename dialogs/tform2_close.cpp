// OK, Cancel and the close of the score file dialog: the score window tests the score shown when
// the dialog closes for the blank page's strip, which decides the template-only tools.
#include "dialogs/score_host.h"
#include "dialogs/tform2.h"
#include "platform/ui/read_progress.h"

namespace scoreink {

// "OK": the picked picture becomes the score being edited.
void TForm2::Button1Click(QObject*) {
  score_.AdoptOpenedScore(pickedFile_, shownPick_, pickedPages_);
  // The preview is the score now; the copy of the old one is not needed any more.
  previewShown_ = false;
  score_.ForgetKeptScore();
  Release();
}

// "Cancel": the score from before the dialog opened comes back.
void TForm2::Button2Click(QObject*) {
  // While a pick is being read, Cancel stops the reading and leaves the dialog open.
  if (StopReadInProgress()) return;
  RestoreScore();
  Release();
}

void TForm2::RestoreScore() {
  score_.RestoreKeptScore(scoreHadEdits_);
  previewShown_ = false;
}

void TForm2::FormClose(QObject*) {
  if (closed_) return;
  closed_ = true;
  if (Form2 == this) Form2 = nullptr;
  emit Closed();
}

}  // namespace scoreink
