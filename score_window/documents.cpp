// Score documents: close, new, open, save and overwrite save, and the unsaved-changes question.
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/tform2.h"
#include "platform/files/work_files.h"
#include "platform/history/edit_history.h"
#include "platform/ui/busy_cursor.h"
#include "platform/ui/control_values.h"
#include "platform/ui/image_control.h"
#include "platform/ui/message_box.h"
#include "platform/ui/save_dialog.h"
#include "score_window/core/save_name_rules.h"
#include "score_window/core/score_file.h"
#include "score_window/shared_values.h"
#include "score_window/tform1.h"

namespace scoreink {

namespace {

// The window whose close the close button has already settled, so that the close event it
// sends does not ask a second time.
const TForm1* closeSettled = nullptr;

// Remembers the folder of a save for the file dialogs. Most saves go where the last one went:
// rewriting the same line would only add a flush to disk to every save.
void RememberSaveFolder(const QString& folder) {
  const QString pixDir = CurrentWorkPlaces.PixDirFile();
  const QByteArray line = folder.toUtf8();
  QFile remembered(pixDir);
  if (remembered.open(QIODevice::ReadOnly) && remembered.size() == line.size() &&
      remembered.readAll() == line)
    return;
  remembered.close();
  RememberPictureFolder(pixDir, folder);
}

// What close and new do before they drop the score: ask, and save on Yes. False when the
// command must stop: Cancel, a save dialog left without a name, or a save that failed (the
// user has been told, and the score is still there to be saved elsewhere).
bool SaveBeforeLeaving(TForm1& window) {
  switch (window.AskSaveChanges()) {
    case kIdCancel:
      return false;
    case kIdYes:
      // A score with a file of its own is saved in place, without the warning of the
      // overwrite button; one from a page of a TIFF or PDF asks for a name.
      return window.SaveScore(!ScoreFileWritable(CurrentScoreFile));
    default:
      return true;
  }
}

}  // namespace

bool TForm1::HasUnsavedEdits() const {
  return carriedEdits_ || HistoryPos() >= 2;
}

void TForm1::CarryUnsavedEdits(bool carried) {
  carriedEdits_ = carried;
  UpdateRecoverySession();
}

int TForm1::AskSaveChanges() {
  if (!HasUnsavedEdits()) return 0;
  return AppMessageBox(QString(25, QLatin1Char(' ')) + QStringLiteral("保存する?"),
                       QStringLiteral("何か編集中のデータがあるみたいだけど"),
                       MsgButtons::YesNoCancel);
}

bool TForm1::SaveScore(bool askName) {
  QString name = CurrentScoreFile;
  if (askName) {
    name = ChooseSaveName(
        CurrentScoreFile, WorkFolder,
        [this](const QString& initial) {
          return RunSaveDialog(this, initial, QString::fromLatin1(kScoreFileFilter), PictureFolder,
                               WorkFolder);
        },
        AppMessageBox,
        QStringList{CurrentWorkPlaces.BlockFile(), CurrentWorkPlaces.SymbolFolder(), WorkFolder} +
            CurrentWorkPlaces.RecoveryFolders());
  }
  if (name.isEmpty()) return false;

  WriteResult written;
  {
    BusyCursor busy;
    written = SaveScoreFile(Surface(), name);
  }
  if (!written.ok()) {
    // The old file is still there (the new one is written beside it), and the history, the
    // picture folder and the score's file name stay as they were.
    ShowErrorMessage(written.error);
    return false;
  }

  SharedHistory().ResetHistory(true);
  CarryUnsavedEdits(false);
  PictureFolder = FolderOf(name);
  RememberSaveFolder(PictureFolder);
  CurrentScoreFile = name;
  UpdateRecoverySession();
  return true;
}

void TForm1::EnableOverwriteSave(bool enabled) {
  // A page of a TIFF or PDF is never written over its file.
  Btn4->setEnabled(enabled && (CurrentScoreFile.isEmpty() || ScoreFileWritable(CurrentScoreFile)));
}

bool TForm1::ConfirmClose() {
  if (closeSettled == this) {
    closeSettled = nullptr;
    return true;
  }
  // What floats belongs to the score that the question is about.
  CommitPending();
  return SaveBeforeLeaving(*this);
}

// "閉じる": closes the program, after asking about unsaved edits.
void TForm1::Btn0Click(QObject*) {
  FocusSink();
  if (!SaveBeforeLeaving(*this)) return;
  closeSettled = this;
  close();
  closeSettled = nullptr;
}

// "新規作成": a new blank page, after asking about unsaved edits.
void TForm1::Btn1Click(QObject*) {
  FocusSink();
  if (!SaveBeforeLeaving(*this)) return;

  {
    // The printer may be slow to answer for the page size.
    BusyCursor busy;
    RefreshBlankPage();
    QImage page;
    BuildBlankPage(page, ScoreBlankPage());
    Image1->SetPicture(page);
    ResetStaffFit();
  }

  ResetPen();
  SetLabelInteger(Label3, 100);
  ApplyScoreZoom();

  Dragging = false;
  CurrentScoreFile.clear();
  TemplateScore = true;

  StartScoreHistory(false);

  if (GroupBox1->isHidden()) LeavePaletteMode();
  // A score that was not made from the template had hidden the template-only tools.
  ShowTemplateTools(true);
}

// "OpenFile": the score file dialog, to open a score or scan, or delete files.
void TForm1::Btn2Click(QObject*) {
  FocusSink();
  // One dialog at a time. Copying the surface again while one is open would put its preview
  // into the copy and lose the score behind it.
  if (fileDialog_) {
    fileDialog_->raise();
    fileDialog_->activateWindow();
    return;
  }
  // The score file dialog shows its previews in the score view and puts this copy back when
  // the user cancels.
  Img00->SetPicture(Surface());
  // Owned by this window; it releases itself after OK or Cancel.
  fileDialog_ = new TForm2(*this);
  connect(fileDialog_, &TForm2::Closed, this, [this] {
    fileDialog_ = nullptr;
    // The score shown now decides the template-only tools.
    ApplyTemplateTest();
    LockScore(ScoreLock::FileDialog, false);
  });
  fileDialog_->FormCreate();
  fileDialog_->show();
}

// "保存": saves the score under a name the user gives.
void TForm1::Btn3Click(QObject*) {
  FocusSink();
  if (SaveScore(true)) EnableOverwriteSave(true);
}

// "上書保存": saves the score over the file it came from.
void TForm1::Btn4Click(QObject*) {
  FocusSink();
  if (!HasUnsavedEdits()) {
    AppMessageBox(QStringLiteral("保存する価値なし"), QStringLiteral("前と何も変わっていない"),
                  MsgButtons::Ok);
    return;
  }
  // Exactly ".bmp" (or the lossless ".png") in lower case: a ".BMP" file gets the warning too,
  // though it is still written as a bitmap.
  if (CurrentScoreFile.endsWith(QLatin1String(".bmp"), Qt::CaseSensitive) ||
      CurrentScoreFile.endsWith(QLatin1String(".png"), Qt::CaseSensitive)) {
    SaveScore(false);
    return;
  }
  const QString warning =
      QStringLiteral("この絵の元ファイルは、上書き保存を繰り返すと汚くなっていくタイプ") +
      QStringLiteral("\n\n") + QString(29, QLatin1Char(' ')) + QStringLiteral("それでもよければ");
  if (AppMessageBox(warning, QStringLiteral("左隣のボタン(新規保存)推奨"), MsgButtons::OkCancel) !=
      kIdCancel)
    SaveScore(false);
}

}  // namespace scoreink
