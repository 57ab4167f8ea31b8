#include "dialogs/score_opening.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>

#include "dialogs/core/picked_picture.h"
#include "dialogs/core/template_score.h"
#include "platform/edit_history.h"
#include "platform/ui/busy_cursor.h"
#include "platform/ui/control_values.h"
#include "platform/ui/image_control.h"
#include "platform/ui/message_box.h"
#include "platform/ui/read_progress.h"
#include "score_window/shared_values.h"
#include "score_window/tform1.h"

namespace scoreink {

std::optional<QImage> CheckScorePicture(const QString& path, QProgressBar* bar,
                                        QWidget* cancelButton) {
  PickedPicture picked;
  {
    BusyCursor busy;
    const ReadEnd end = ReadOffTheUiThread(
        bar, cancelButton, [&](ReadWatch& watch) { picked = ReadPickedPicture(path, &watch); });
    if (end == ReadEnd::Cancelled) return std::nullopt;
  }
  switch (picked.verdict) {
    case PickedPicture::Verdict::Cancelled:
      return std::nullopt;
    case PickedPicture::Verdict::Unreadable:
      ShowErrorMessage(picked.error);
      return std::nullopt;
    case PickedPicture::Verdict::TooSmall:
      AppMessageBox(TooSmallMessage(path, picked.size), QString::fromUtf8(kTooSmallCaption),
                    MsgButtons::Ok);
      return std::nullopt;
    case PickedPicture::Verdict::Accepted:
      break;
  }
  return std::move(picked.picture);
}

Settled SettleScoreBeforeOpening(TForm1& window) {
  switch (window.AskSaveChanges()) {
    case kIdCancel:
      return Settled::Cancelled;
    case kIdYes:
      // The result of the save is not looked at: the picture is opened also when the user
      // left the save dialog.
      if (!CurrentScoreFile.isEmpty()) {
        window.SaveScore(false);
        return Settled::Go;
      }
      window.SaveScore(true);
      window.Btn4->setEnabled(true);
      return Settled::GoAfterSaveAs;
    default:
      SharedHistory().ResetHistory(true);
      window.CarryUnsavedEdits(false);
      return Settled::GoGivingUp;
  }
}

void ShowScorePicture(TForm1& window, QImage picture) {
  window.Image1->SetPicture(picture);
  picture = QImage();  // the score window holds the only copy
  SetLabelInteger(window.Label1, 2);
  SetLabelInteger(window.Label3, 100);
  window.ApplyScoreZoom();
  // A new picture is looked at from its top left.
  window.ScrollBox1->horizontalScrollBar()->setValue(0);
  window.ScrollBox1->verticalScrollBar()->setValue(0);
}

void AdoptOpenedScore(TForm1& window, const QString& path) {
  CurrentScoreFile = path;
  SharedHistory().ResetHistory(true);
  SharedHistory().Adopt(window.Surface());
  window.CarryUnsavedEdits(false);
  window.UpdateRecoverySession();
  window.Btn4->setEnabled(true);
  SetLabelInteger(window.Label1, 2);
  PenWidth = 2;
  LeftLimit = 27;
  window.ResetStaffFit();
}

void ApplyTemplateTest(TForm1& window) {
  BusyCursor busy;
  if (window.GroupBox1->isHidden()) window.LeavePaletteMode();

  // After leaving symbol mode, so that the key-signature controls end up shown exactly for a
  // template score.
  window.ShowTemplateTools(IsTemplateScore(window.Surface(), window.ScoreBlankPage()));
}

}  // namespace scoreink
