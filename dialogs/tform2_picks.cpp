// A click on a file of the score file dialog: in open mode the file is checked and shown as a
// preview in the score window, after the question about the score being edited; in delete mode
// it goes to the trash.
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/core/pdf_resolution.h"
#include "dialogs/file_list_box.h"
#include "dialogs/page_chooser.h"
#include "dialogs/score_host.h"
#include "dialogs/score_opening.h"
#include "dialogs/tform2.h"
#include "platform/files/file_trash.h"
#include "platform/files/native_path.h"
#include "platform/program_values.h"
#include "platform/ui/message_box.h"
#include "platform/ui/read_progress.h"

namespace scoreink {

namespace {

QString DeleteFailureMessage(const QString& path, const QString& reason) {
  return QStringLiteral("ファイルを消せない: ") + DisplayedPath(QFileInfo(path).fileName()) +
         QStringLiteral("\n消すことができなかった (") + reason + QStringLiteral(")");
}

}  // namespace

// A click on a file: shows it as the score (open mode) or moves it to the trash (delete mode).
void TForm2::FileListBox1Click(QObject*) {
  const QString path = FileListBox1->SelectedFilePath();
  // A file that has gone since the list was read is ignored (a name that is not UTF-8 is
  // looked up by its own bytes).
  const PathKind kind = KindOfPath(path);
  if (kind == PathKind::Missing || kind == PathKind::Folder) return;
  if (RadioButton0->isChecked()) {
    OpenPicked(path);
    return;
  }
  // Only a single click of the user's deletes: a keyboard move, or a further click of a double
  // or triple click (any click within the double-click time of a deletion), would delete a file
  // that merely came under the selection.
  if (FileListBox1->LastChoice() == FileChoice::Click) DeletePicked(path);
}

void TForm2::DeletePicked(const QString& path) {
  // No question before and no message after: the red list says what a click does. Only a
  // file that stays is reported, and keeps its entry.
  const TrashResult deleted = MoveFileToTrash(path);
  if (!deleted.ok) {
    ShowErrorMessage(DeleteFailureMessage(path, deleted.error));
    return;
  }
  FileListBox1->RemoveSelected();
}

void TForm2::OpenPicked(const QString& path) {
  // Its pages are counted at once (nothing is decoded); the first page shows.
  const PageCount count = CountPages(path);
  if (!count.ok()) {
    ShowErrorMessage(count.error);
    return;
  }
  PagePick pick{0, RememberedPdfDpi()};
  if (!ShowPickedPage(path, pick)) return;
  pickedPages_ = count.pages;
  pageChooser_->ShowFor(PictureKindFromName(path), count.pages, pick);
}

bool TForm2::ShowPickedPage(const QString& path, PagePick& pick) {
  // The page is read and checked first: a file that is broken or too small changes nothing,
  // neither the score nor its history.
  std::optional<QImage> picture = CheckScorePicture(path, pick, readProgress_, Button2);
  if (!picture || !SettleScoreBeforePick()) return false;
  score_.ShowScorePicture(std::move(*picture));
  pickedFile_ = path;
  shownPick_ = pick;
  previewShown_ = true;
  Button1->setEnabled(true);
  return true;
}

void TForm2::PagePickChanged() {
  PagePick pick = pageChooser_->Pick();
  if (pick.dpi != shownPick_.dpi) RememberPdfDpi(pick.dpi);
  // A page that cannot be shown leaves the one shown, and the chooser says so again.
  if (!ShowPickedPage(pickedFile_, pick)) pick = shownPick_;
  pageChooser_->Choose(pick);
}

bool TForm2::SettleScoreBeforePick() {
  // Once a preview stands in the score window, the score behind it has been settled at the
  // first pick and its history belongs to it (Cancel brings both back): a later pick neither
  // asks about the preview as if it were that score nor empties the history. That matters
  // when the history could not be emptied, or the user said Yes and left the save dialog.
  if (previewShown_) return true;
  const bool hadEdits = score_.HasUnsavedEdits();
  const Settled settled = score_.SettleScoreBeforeOpening();
  // Edits given up for the picked picture come back with the score on Cancel.
  scoreHadEdits_ = hadEdits && settled == Settled::GoGivingUp;
  if (settled == Settled::GoAfterSaveAs) {
    // After a save the list shows the saved file's folder.
    FileListBox1->PointAt(QStringLiteral("/"));
    FileListBox1->PointAt(PictureFolder);
  }
  return settled != Settled::Cancelled;
}

// "OpenFile": a click on a file shows it; the list turns white again.
void TForm2::RadioButton0Click(QObject*) {
  FileListBox1->SetColor(kWhite);
}

// "DeleteFile": from now on a click on a file deletes it; the list turns red to say so.
void TForm2::RadioButton1Click(QObject*) {
  FileListBox1->SetColor(kRed);
}

}  // namespace scoreink
