// The recovery copy of the score, as the score window sees it: a copy left by a session that
// ended without closing is offered back at the start; then the edit history keeps the copy of
// what the window shows, and the window tells it whose score that is.
#include <QLabel>

#include "dialogs/core/template_score.h"
#include "editing/lifted_block.h"
#include "editing/surface_rules.h"
#include "editing/tool_modes.h"
#include "platform/history/edit_history.h"
#include "platform/history/recovery_log.h"
#include "platform/ui/control_values.h"
#include "platform/ui/image_control.h"
#include "platform/ui/message_box.h"
#include "score_window/shared_values.h"
#include "score_window/tform1.h"

namespace scoreink {

void TForm1::StartRecovery() {
  const QStringList folders = CurrentWorkPlaces.RecoveryFolders();
  // The lock is ours: a copy left in the folders belongs to a session that ended without
  // closing. Taken back, it stays until the new copy is whole.
  bool taken = false;
  if (const auto left = RecoveryLog::ReadNewest(folders)) {
    const int answer =
        AppMessageBox(QStringLiteral("前回、保存しないまま終わった楽譜がある。それを開く?"),
                      QStringLiteral("前回の続き"), MsgButtons::YesNo);
    if (answer == kIdYes) {
      ShowRecoveredScore(*left);
      taken = true;
    }
  }
  SharedHistory().Adopt(Surface());
  UpdateRecoverySession();
  SharedHistory().StartRecovery(folders, *this, taken);
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

void TForm1::UpdateRecoverySession() {
  SharedHistory().ShowsScore(CurrentScoreFile, carriedEdits_);
}

const QImage* TForm1::EditedPicture() const {
  // While the score file dialog is open the view may show a preview in the score's place.
  if (scoreLocks_ & static_cast<unsigned>(ScoreLock::FileDialog)) return nullptr;
  return &Image1->Picture();
}

QImage TForm1::FloatingInk() const {
  if (Image2->isHidden() || !Image2->HasPicture()) return QImage();
  // The overlay shows a lifted block framed; the clean block is what the drop stamps.
  return LiftsRegion(ToolMode) ? SharedLiftedBlock().Peek() : Image2->Picture();
}

QPoint TForm1::FloatingTopLeft() const {
  // A block dropped without being dragged lands on its own place: below 100 percent the
  // overlay's place is rounded down to whole control pixels, and mapping it back would shift
  // the block by up to a few pixels.
  if (LiftsRegion(ToolMode) && Image2->pos() == blockOverlayAtLift_)
    return NormalizeRect(StartPt.x(), StartPt.y(), EndPt.x(), EndPt.y()).topLeft();
  return ToBitmapPoint(Image2->pos() - Image1->pos(), Image1->size(), Image1->Picture().size());
}

QRect TForm1::FloatingRect() const {
  const QImage ink = FloatingInk();
  return ink.isNull() ? QRect() : QRect(FloatingTopLeft(), ink.size());
}

void TForm1::StampFloating(QImage& part, QPoint origin) const {
  const QImage ink = FloatingInk();
  if (!ink.isNull())
    StampBlack(ink, part, ink.rect(), QRect(FloatingTopLeft() - origin, ink.size()));
}

}  // namespace scoreink
