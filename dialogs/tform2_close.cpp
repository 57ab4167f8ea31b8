// OK, Cancel and the close of the score file dialog: the score shown when the dialog closes is
// tested for the blank page's strip, which decides the template-only tools.
#include "dialogs/score_opening.h"
#include "dialogs/tform2.h"
#include "platform/ui/control_values.h"
#include "platform/ui/image_control.h"
#include "platform/ui/read_progress.h"
#include "score_window/shared_values.h"
#include "score_window/tform1.h"

namespace scoreink {

void TForm2::Button1Click(QObject*) {
  AdoptOpenedScore(score_, pickedFile_);
  // The preview is the score now; the copy of the old one is not needed any more.
  previewShown_ = false;
  score_.Img00->ClearPicture();
  Release();
}

void TForm2::Button2Click(QObject*) {
  // While a pick is being read, Cancel stops the reading and leaves the dialog open.
  if (StopReadInProgress()) return;
  RestoreScore();
  Release();
}

void TForm2::RestoreScore() {
  if (score_.Img00->HasPicture()) {
    score_.Image1->SetPicture(score_.Img00->Picture());
    // Holding the score twice would make its first edit copy the whole page.
    score_.Img00->ClearPicture();
    if (scoreHadEdits_) score_.CarryUnsavedEdits(true);
  }
  previewShown_ = false;
  // The pen-width label and the pen width together, so that the label never lies about the
  // pen; the left limit stays as it was.
  SetLabelInteger(score_.Label1, 2);
  PenWidth = 2;
  SetLabelInteger(score_.Label3, 100);
  score_.ApplyScoreZoom();
}

void TForm2::FormClose(QObject*) {
  if (closed_) return;
  closed_ = true;
  if (Form2 == this) Form2 = nullptr;
  ApplyTemplateTest(score_);
  score_.LockScore(TForm1::ScoreLock::FileDialog, false);
}

}  // namespace scoreink
