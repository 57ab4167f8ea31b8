// Score documents: close, new, open, save and overwrite save, and the unsaved-changes question.
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/tform2.h"
#include "platform/files/work_files.h"
#include "platform/history/edit_history.h"
#include "platform/picture_files/pdf_writer.h"
#include "platform/picture_files/picture_messages.h"
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
  return carriedEdits_ || HistoryPos() >= 2 || OtherPagesUnsaved();
}

bool TForm1::OtherPagesUnsaved() const {
  return document_.OtherPagesEdited() || SharedHistory().SetAsideChainsUnsaved();
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
        QStringList{CurrentWorkPlaces.BlockFile(), CurrentWorkPlaces.SymbolFolder(), WorkFolder,
                    document_.PageFolder()} +
            CurrentWorkPlaces.RecoveryFolders());
  }
  if (name.isEmpty()) return false;

  // A picture file of a document of several pages holds the page shown only: said first.
  const bool wholeDocument = SavesWholeDocument(name);
  if (!wholeDocument) {
    const QString text = QStringLiteral(
                             "この楽譜は %1 ページあるけど、%2 には今のページ (%3/%1) "
                             "だけを保存する")
                             .arg(document_.Pages())
                             .arg(QFileInfo(name).fileName())
                             .arg(document_.Shown() + 1);
    if (AppMessageBox(text, QStringLiteral("1ページだけ"), MsgButtons::OkCancel) != kIdOk)
      return false;
  }
  WriteResult written;
  {
    BusyCursor busy;
    written = wholeDocument ? SaveDocumentAs(name) : SaveScoreFile(Surface(), name);
  }
  if (!written.ok()) {
    // The old file is still there (the new one is written beside it), and the history, the
    // picture folder and the score's file name stay as they were.
    ShowErrorMessage(written.error);
    return false;
  }
  PictureFolder = FolderOf(name);
  RememberSaveFolder(PictureFolder);
  // One page of several written: the document and its edits stay as they were.
  if (!wholeDocument) return true;

  SharedHistory().ResetHistory(true);
  SharedHistory().ForgetPages(Surface());
  document_.ForgetRecords();
  CarryUnsavedEdits(false);
  CurrentScoreFile = name;
  // The file written is the document from now on: its pages are read from it. Pictures that
  // became PDF pages are read back at the resolution their pages were made at, so that the
  // pixels of the page shown and of the changes laid over it later are the same as now.
  const bool madePdf = PictureKindFromName(name) == PictureKind::Pdf &&
                       PictureKindFromName(document_.Path()) != PictureKind::Pdf;
  document_.Open(name, document_.Pages(), madePdf ? PdfPageDpi(Surface()) : document_.Dpi(),
                 document_.Shown());
  UpdateRecoverySession();
  return true;
}

bool TForm1::SavesWholeDocument(const QString& name) const {
  const PictureKind kind = PictureKindFromName(name);
  return !document_.SeveralPages() || kind == PictureKind::Pdf || kind == PictureKind::Tiff;
}

WriteResult TForm1::SaveDocumentAs(const QString& name) {
  switch (PictureKindFromName(name)) {
    case PictureKind::Pdf: {
      // A PDF keeps its own pages, with the edits laid over them; the pages of anything else
      // become pictures of a PDF.
      if (PictureKindFromName(document_.Path()) != PictureKind::Pdf) {
        if (document_.SeveralPages()) return SavePicturesPdf(document_.Pages(), PageAt(), name);
        return SavePicturePdf(Surface(), name);
      }
      std::map<int, PageOverlays> overlays;
      for (const int page : document_.EditedPages())
        overlays[page] = OverlaysOf(document_.Record(page));
      overlays[document_.Shown()] = OverlaysOf(SharedHistory().PageRecord(Surface()));
      return SavePdfWithOverlays(document_.Path(), overlays, document_.Dpi(), name);
    }
    case PictureKind::Tiff:
      return SaveTiffPages(document_.Pages(), PageAt(), name);
    default:
      return SaveScoreFile(Surface(), name);
  }
}

std::function<QImage(int page, QString& reason)> TForm1::PageAt() {
  // Every page as the user left it: the one shown from the score, the others read with their
  // records, one at a time.
  return [this](int page, QString& reason) {
    if (page == document_.Shown()) return Surface();
    return document_.PagePicture(page, nullptr, reason).value_or(QImage());
  };
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
  document_.Open(QString(), 1, kDefaultPdfDpi, 0);

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
  // Exactly ".bmp" (or the lossless ".png", or a document of pages) in lower case: a ".BMP"
  // file gets the warning too, though it is still written as a bitmap.
  const auto endsWith = [](const char* ext) {
    return CurrentScoreFile.endsWith(QLatin1String(ext), Qt::CaseSensitive);
  };
  if (endsWith(".bmp") || endsWith(".png") || endsWith(".pdf") || endsWith(".tif") ||
      endsWith(".tiff")) {
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
