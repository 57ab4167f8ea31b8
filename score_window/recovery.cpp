// The recovery copy of the score, as the score window sees it: a copy left by a session that
// ended without closing is offered back at the start; then the edit history keeps the copy of
// what the window shows, and the window tells it whose score that is.
#include <QFileInfo>
#include <QLabel>

#include "dialogs/core/template_score.h"
#include "editing/lifted_block.h"
#include "editing/surface_rules.h"
#include "editing/tool_modes.h"
#include "platform/files/native_path.h"
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
  if (taken) SharedHistory().EnterPage(document_.Shown(), Surface(), shownRecord_);
  shownRecord_ = HistoryStep();
  UpdateRecoverySession();
  SharedHistory().StartRecovery(folders, *this, taken);
  // The edited pages not shown are in the recovery copy again.
  for (const int page : document_.EditedPages())
    SharedHistory().PageRecordKept(page, document_.RecordFile(page));
}

void TForm1::ShowRecoveredScore(const RecoveryLog::Found& found) {
  Image1->SetPicture(found.picture);
  SetLabelInteger(Label3, 100);
  ApplyScoreZoom();
  CurrentScoreFile = found.scoreFile;
  RestoreDocument(found);
  EnableOverwriteSave(!CurrentScoreFile.isEmpty());
  ShowTemplateTools(IsTemplateScore(Surface(), ScoreBlankPage()));
  CarryUnsavedEdits(true);
}

void TForm1::RestoreDocument(const RecoveryLog::Found& found) {
  const DocumentPlace& place = found.place;
  const int dpi = place.dpi > 0 ? place.dpi : kDefaultPdfDpi;
  if (place.pages <= 1) {
    document_.Open(CurrentScoreFile, 1, dpi, 0);
    return;
  }
  // The document's other pages come from its file, with their edits from the copy: only when
  // the file is still there with as many pages.
  QString error;
  if (CountPages(CurrentScoreFile).pages == place.pages) {
    document_.Open(CurrentScoreFile, place.pages, dpi, place.page);
    for (const auto& [page, record] : found.pageRecords) document_.KeepRecord(page, record, error);
    // The page shown, as read, tells its edits apart from the page itself.
    if (const auto asRead = document_.PagePicture(place.page, nullptr, error)) {
      shownRecord_ = RecordBetween(*asRead, Surface());
      ShowPageControls();
      return;
    }
  }
  AppMessageBox(QStringLiteral("元の文書 %1 が見つからない (かページ数が違う) ので、開いていた %2 "
                               "ページ目だけを戻した")
                    .arg(DisplayedPath(QFileInfo(CurrentScoreFile).fileName()))
                    .arg(place.page + 1),
                QStringLiteral("前回の続き"), MsgButtons::Ok);
  CurrentScoreFile.clear();
  document_.Open(QString(), 1, dpi, 0);
  ShowPageControls();
}

void TForm1::UpdateRecoverySession() {
  SharedHistory().ShowsScore(CurrentScoreFile, carriedEdits_ || OtherPagesUnsaved(),
                             DocumentPlace{document_.Shown(), document_.Pages(), document_.Dpi()});
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
