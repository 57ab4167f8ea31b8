// Another picture becomes the score: the steps the score file dialog and a file drop share, the
// score kept while the dialog shows its previews, and the tools that only a score made from the
// blank page offers.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>

#include "dialogs/core/template_score.h"
#include "platform/history/edit_history.h"
#include "platform/ui/busy_cursor.h"
#include "platform/ui/control_values.h"
#include "platform/ui/image_control.h"
#include "platform/ui/message_box.h"
#include "score_window/core/score_file.h"
#include "score_window/shared_values.h"
#include "score_window/tform1.h"

namespace scoreink {

Settled TForm1::SettleScoreBeforeOpening() {
  switch (AskSaveChanges()) {
    case kIdCancel:
      return Settled::Cancelled;
    case kIdYes:
      // The result of the save is not looked at: the picture is opened also when the user
      // left the save dialog.
      if (ScoreFileWritable(CurrentScoreFile)) {
        SaveScore(false);
        return Settled::Go;
      }
      SaveScore(true);
      EnableOverwriteSave(true);
      return Settled::GoAfterSaveAs;
    default:
      SharedHistory().ResetHistory(true);
      CarryUnsavedEdits(false);
      return Settled::GoGivingUp;
  }
}

void TForm1::ShowScorePicture(QImage picture) {
  Image1->SetPicture(picture);
  picture = QImage();  // the score window holds the only copy
  ShowPenWidth(kStartPenWidth);
  SetLabelInteger(Label3, 100);
  ApplyScoreZoom();
  // A new picture is looked at from its top left.
  ScrollBox1->horizontalScrollBar()->setValue(0);
  ScrollBox1->verticalScrollBar()->setValue(0);
}

void TForm1::StartScoreHistory(bool hasOwnFile) {
  SharedHistory().ResetHistory(true);
  SharedHistory().Adopt(Surface());
  SharedHistory().ForgetPages(Surface());
  ShowPageControls();
  CarryUnsavedEdits(false);
  UpdateRecoverySession();
  EnableOverwriteSave(hasOwnFile);
}

void TForm1::AdoptOpenedScore(const QString& path, PagePick pick, int pages) {
  CurrentScoreFile = path;
  document_.Open(path, pages, pick.dpi, pick.page);
  StartScoreHistory(true);
  ResetPen();
  ResetStaffFit();
}

void TForm1::RestoreKeptScore(bool carryEdits) {
  if (Img00->HasPicture()) {
    Image1->SetPicture(Img00->Picture());
    // Holding the score twice would make its first edit copy the whole page.
    Img00->ClearPicture();
    if (carryEdits) CarryUnsavedEdits(true);
  }
  // The pen-width label and the pen width together, so that the label never lies about the
  // pen; the left limit stays as it was.
  ShowPenWidth(kStartPenWidth);
  SetLabelInteger(Label3, 100);
  ApplyScoreZoom();
}

void TForm1::ForgetKeptScore() {
  Img00->ClearPicture();
}

void TForm1::LockForFileDialog(bool locked) {
  LockScore(ScoreLock::FileDialog, locked);
}

void TForm1::ApplyTemplateTest() {
  BusyCursor busy;
  if (GroupBox1->isHidden()) LeavePaletteMode();

  // After leaving symbol mode, so that the key-signature controls end up shown exactly for a
  // template score.
  ShowTemplateTools(IsTemplateScore(Surface(), ScoreBlankPage()));
}

bool TForm1::ScoreWorkedOnElsewhere() const {
  return !fileDialog_.isNull() || !symbolEditor_.isNull();
}

void TForm1::ShowTemplateTools(bool isTemplate) {
  RBtnLM3->setVisible(isTemplate);
  RBtnLM4->setVisible(isTemplate);
  ShowKeySignatureControls(isTemplate);
  TemplateScore = isTemplate;
  // A hidden tool must not stay the chosen one: region delete and move would paint the blank
  // staff into a picture that was not made from it.
  if (!isTemplate && (RBtnLM3->isChecked() || RBtnLM4->isChecked())) RBtnLM0->setChecked(true);
}

void TForm1::ShowKeySignatureControls(bool show) {
  ComboBox1->setVisible(show);
  Label6->setVisible(show);
  Label7->setVisible(show);
}

}  // namespace scoreink
