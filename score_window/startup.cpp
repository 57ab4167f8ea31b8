// Start-up and close of the score window.
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>

#include "editing/tool_modes.h"
#include "platform/files/executable_folder.h"
#include "platform/files/work_files.h"
#include "platform/files/work_folder_lock.h"
#include "platform/history/edit_history.h"
#include "platform/picture_files/rewrite_keeper.h"
#include "platform/ui/device_facts_reader.h"
#include "platform/ui/history_messages.h"
#include "platform/ui/image_control.h"
#include "platform/ui/message_box.h"
#include "platform/ui/program_handoff.h"
#include "resources/embedded_pictures.h"
#include "score_window/key_signature_names.h"
#include "score_window/shared_values.h"
#include "score_window/tform1.h"
#include "symbol_editor/core/symbol_store.h"

namespace scoreink {

namespace {

BlankPage BlankPageOfDevices(const DeviceFacts& facts) {
  BlankPage page;
  page.size = BlankPageSize(facts);
  page.scoreTemplate = ScoreTemplateImage();
  return page;
}

void TellRestoredRewrites(const QStringList& restored) {
  if (restored.isEmpty()) return;
  AppMessageBox(QStringLiteral("前に上書き保存が途中で止まったファイルを、元に戻しておいた\n") +
                    restored.join(QLatin1Char('\n')),
                QStringLiteral("どうでもいいけど"), MsgButtons::Ok);
}

}  // namespace

bool TForm1::FormCreate(const QString& givenFile) {
  // The folders, and the work folder to ourselves: a second copy started from the same
  // folder would otherwise empty the snapshots of the first. The copy that runs takes the
  // file this one was given instead (or only comes to the front).
  const WorkPlaces places = ResolveWorkPlaces(ExecutableFolder());
  lock_ = std::make_unique<WorkFolderLock>(places.dataFolder);
  if (!lock_->TryLock() && lock_->HeldByAnotherCopy()) {
    lock_.reset();
    if (HandToRunningCopy(HandoffName(places.dataFolder), givenFile)) {
      handedOver_ = true;
      return false;
    }
    AppMessageBox("このフォルダではもう一つ動いているので、こっちは終わる", "二重起動",
                  MsgButtons::Ok);
    return false;
  }
  // No lock can be made where no work folder can be made either: editing goes on, the
  // history keeping its steps in memory, and the user hears it once, here.
  const QString noWorkFolder = lock_->IsLocked() ? QString() : lock_->Problem();
  if (!lock_->IsLocked()) lock_.reset();
  started_ = true;
  CurrentWorkPlaces = places;
  ExeFolder = places.exeFolder;
  WorkFolder = places.WorkFolder();
  SharedHistory().SetPlaces(WorkFolder, places.BlockFile());
  // The edits of pages not shown; nothing in it outlives a run.
  document_.SetPageFolder(places.dataFolder + "TmpPages");
  QDir(document_.PageFolder()).removeRecursively();
  SharedHistory().SetHistoryPos(0);
  if (!noWorkFolder.isEmpty()) {
    AppMessageBox(
        QStringLiteral(
            "作業フォルダを置ける場所がないので、戻す・進むの記録はメモリに置いておく\n") +
            noWorkFolder,
        QStringLiteral("どうでもいいけど"), MsgButtons::Ok);
    SharedHistory().TroubleAlreadyTold(noWorkFolder);
  }
  // A file whose rewrite in place was cut off by a crash gets its old bytes back.
  SetRewriteKeepFolder(UserDataFolder() + "Rewrites");
  TellRestoredRewrites(RestoreInterruptedRewrites());
  RemoveLeftoversOfInterruptedSaves();

  // The desktop work area; the screen and printer facts also size the blank page.
  const DeviceFacts facts = ReadDeviceFacts();
  WorkAreaWidth = facts.screen.workArea.width();
  WorkAreaHeight = facts.screen.workArea.height();

  // The window sits at the screen's origin, not the work area's, with the work area's size.
  setGeometry(0, 0, WorkAreaWidth, WorkAreaHeight);

  // The controls placed for that size.
  LayOut();

  // The custom symbols, when the store exists (beside the program or in the user's folder).
  if (SymbolStoreExists(SymbolStoreOf(CurrentWorkPlaces)))
    for (int n = 1; n <= kSymbolSlotCount; ++n) LoadSymbolSlot(n);

  // The key signatures to choose from, the first chosen.
  for (const char* name : KeySignatureNames) ComboBox1->addItem(QString::fromUtf8(name));
  ComboBox1->setCurrentIndex(0);

  // The folder the file dialogs open in.
  PictureFolder = LoadPictureFolder(CurrentWorkPlaces.PixDirFiles(), CurrentWorkPlaces.PixDirFile(),
                                    CurrentWorkPlaces.DefaultPictureFolder());

  // The first score: a blank page.
  blankPage_ = BlankPageOfDevices(facts);
  QImage page;
  BuildBlankPage(page, blankPage_);
  Image1->SetPicture(page);

  // Shown at the zoom of "Label3", its staves looked for.
  ApplyScoreZoom();
  ResetStaffFit();

  // A new score from the template, with the pen at its start width.
  Dragging = false;
  CurrentScoreFile.clear();
  TemplateScore = true;
  ResetPen();

  // An empty history in an empty work folder.
  SharedHistory().ResetHistory(true);
  SharedHistory().Adopt(Surface());

  // Nothing floats.
  Image2->ClearPicture();
  ImgXX->ClearPicture();

  // Free draw in black.
  PenColor = kBlack;
  ToolMode = ScoreTool::FreeDraw;
  LineKind = LineVariant::Free;

  // The score a crash left unsaved, if the user wants it back; then its recovery copy, and
  // what cannot be written told after the input that met it.
  StartRecovery();
  KeepTellingWorkTrouble(*this);

  // Files a second start hands over, and the one this start was given, open as if picked in
  // the score file dialog and kept.
  if (lock_) {
    auto* handoff = new HandoffListener(HandoffName(places.dataFolder), this);
    connect(handoff, &HandoffListener::FileHanded, this, &TForm1::OpenHandedFile);
  }
  if (!givenFile.isEmpty())
    QTimer::singleShot(0, this, [this, givenFile] { OpenHandedFile(givenFile); });

  Edit0->setFocus(Qt::OtherFocusReason);
  return true;
}

void TForm1::FormClose(QObject*) {
  if (!started_ || closed_) return;
  closed_ = true;
  SharedHistory().StopRecovery();
  SharedHistory().ResetHistory(false);
  document_.ForgetRecords();
  QDir().rmdir(document_.PageFolder());
  if (lock_) lock_->Unlock();
  lock_.reset();
  emit Closed();
}

void TForm1::RefreshBlankPage() {
  blankPage_ = BlankPageOfDevices(ReadDeviceFacts());
}

}  // namespace scoreink
