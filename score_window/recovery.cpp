// The recovery copy of the score: offered back at the start after a session that ended without
// closing, kept up to date while the score is edited, and removed when the window closes.
#include <QLabel>
#include <QTimer>

#include "dialogs/core/template_score.h"
#include "platform/edit_history.h"
#include "platform/recovery_log.h"
#include "platform/ui/control_values.h"
#include "platform/ui/image_control.h"
#include "platform/ui/message_box.h"
#include "score_window/shared_values.h"
#include "score_window/tform1.h"

namespace scoreink {

namespace {

// How often the edits of the gesture under way are written down: at most this much is lost.
constexpr int kCheckpointMs = 1000;

}  // namespace

void TForm1::StartRecovery() {
  const QString folder = CurrentWorkPlaces.RecoveryFolder();
  // The lock is ours: a log left in the folder belongs to a session that ended without closing.
  if (const auto left = RecoveryLog::Read(folder)) {
    const int answer =
        AppMessageBox(QStringLiteral("前回、保存しないまま終わった楽譜がある。それを開く?"),
                      QStringLiteral("前回の続き"), MsgButtons::YesNo);
    if (answer == kIdYes) ShowRecoveredScore(*left);
  }
  recovery_ = std::make_unique<RecoveryLog>(folder);
  recovery_->Clear();
  SharedHistory().SetRecoveryLog(recovery_.get());
  SharedHistory().Adopt(Surface());
  UpdateRecoverySession();
  checkpoints_ = new QTimer(this);
  connect(checkpoints_, &QTimer::timeout, this, &TForm1::KeepRecoveryCopy);
  checkpoints_->start(kCheckpointMs);
}

void TForm1::ShowRecoveredScore(const RecoveryLog::Found& found) {
  Image1->SetPicture(found.picture);
  SetLabelInteger(Label3, 100);
  ApplyScoreZoom();
  CurrentScoreFile = found.scoreFile;
  EnableOverwriteSave(!CurrentScoreFile.isEmpty());
  ShowTemplateTools(IsTemplateScore(Surface(), ScoreBlankPage()));
  CarryUnsavedEdits(true);
}

void TForm1::KeepRecoveryCopy() {
  // While a dialog shows its previews or the symbol editor draws, the score is not edited.
  if (!recovery_ || scoreLocks_ != 0) return;
  SharedHistory().Checkpoint(Surface());
  UpdateRecoverySession();
}

void TForm1::UpdateRecoverySession() {
  if (recovery_) recovery_->SetSession(CurrentScoreFile, HasUnsavedEdits());
}

void TForm1::PauseRecovery(bool paused) {
  if (!recovery_) return;
  if (paused) {
    SharedHistory().Checkpoint(Surface());
    UpdateRecoverySession();
    SharedHistory().SetRecoveryLog(nullptr);
  } else {
    SharedHistory().SetRecoveryLog(recovery_.get());
    SharedHistory().Adopt(Surface());
  }
}

void TForm1::StopRecovery() {
  if (!recovery_) return;
  if (checkpoints_) checkpoints_->stop();
  SharedHistory().SetRecoveryLog(nullptr);
  recovery_->Clear();
  recovery_.reset();
}

}  // namespace scoreink
