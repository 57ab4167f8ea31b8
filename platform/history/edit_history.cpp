#include "platform/history/edit_history.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <algorithm>

#include "platform/files/work_files.h"
#include "platform/history/history_step_file.h"
#include "platform/history/recovery_log.h"

namespace scoreink {

namespace {

// What a reason for trouble says before its details: two reasons with one cause are told once.
QString CauseOf(const QString& reason) {
  return reason.section(QStringLiteral(" ("), 0, 0);
}

}  // namespace

EditHistory::EditHistory() = default;
EditHistory::~EditHistory() = default;

void EditHistory::SetPlaces(const QString& workFolder, const QString& blockFile) {
  workFolder_ = workFolder;
  blockFile_ = blockFile;
  knownClean_ = false;
}

void EditHistory::SetHistoryPos(int pos) {
  pos_ = pos;
  gestureOpen_ = false;
}

void EditHistory::ResetHistory(bool recreate) {
  // The recovery copy takes every step file it was given before they go.
  if (recovery_) recovery_->SettleStepFiles();
  if (ResetWorkFolder(workFolder_, recreate)) {
    pos_ = 1;
    gestureOpen_ = false;
    unloadedStep_ = -1;
    steps_.clear();
    parked_.clear();  // their files went with the folder
    knownClean_ = true;
    // A folder that could be made afresh takes steps again; a new failure is told anew.
    trouble_.clear();
    toldCauses_.clear();
  } else {
    knownClean_ = false;
  }
  // Whatever happened to the folder, a lifted block never outlives the history.
  if (!blockFile_.isEmpty() && QFile::exists(blockFile_)) QFile::remove(blockFile_);
}

void EditHistory::Adopt(const QImage& picture) {
  if (gestureOpen_ || picture.isNull()) return;
  known_ = picture.copy();
  ForgetReports(picture);
  RebaseRecovery();
}

bool EditHistory::Record(const QImage& picture) {
  if (picture.isNull()) return false;
  // A work folder that cannot be made is told at the first gesture, not one gesture late.
  if (!workFolder_.isEmpty() && !QFileInfo(workFolder_).isDir() && !QDir().mkdir(workFolder_))
    NoteTrouble(CannotMakeWorkFolder());
  if (gestureOpen_)
    CloseGesture(picture);
  else
    Catch(picture, nullptr);  // what changed between gestures belongs to none of them
  // Anything numbered from here on belongs to a branch that an undo left behind.
  DropStepsFrom(pos_);
  if (!knownClean_) DeleteFilesFrom(pos_);
  knownClean_ = true;
  gestureOpen_ = true;
  unloadedStep_ = -1;
  ++pos_;
  return true;
}

void EditHistory::WillChange(const QImage& picture) {
  if (picture.cacheKey() != reportedKey_) reportsComplete_ = false;
}

void EditHistory::Changed(const QImage& picture, const QRect& changed) {
  ScheduleCheckpoint();
  if (known_.isNull() || !SameShape(known_, picture) || !TileablePicture(picture)) return;
  const TileGrid grid(picture.size(), picture.depth() / 8, tileSize_);
  touched_.resize(size_t(grid.Count()));
  for (const int t : grid.TilesIn(changed)) touched_[size_t(t)] = true;
  reportedKey_ = picture.cacheKey();
}

void EditHistory::TakeBackGesture(QImage& picture) {
  if (!gestureOpen_ || !SameShape(known_, picture) || !TileablePicture(picture)) return;
  const bool all = !reportsComplete_ || picture.cacheKey() != reportedKey_;
  TakeBackTiles(picture, known_, tileSize_, touched_, all);
  ForgetReports(picture);
  ScheduleCheckpoint();
}

EditHistory::Step EditHistory::Undo(QImage& picture) {
  if (pos_ <= 1) return Step::NothingBefore;
  if (gestureOpen_)
    CloseGesture(picture);
  else
    Catch(picture, nullptr);
  --pos_;
  const std::optional<HistoryStep> step = LoadStep(pos_);
  if (!step || !PutStepLogged(pos_, *step, false, picture)) {
    unloadedStep_ = pos_;
    return Step::Missing;
  }
  unloadedStep_ = -1;
  ForgetReports(picture);
  ScheduleCheckpoint();
  return Step::Loaded;
}

EditHistory::Step EditHistory::Redo(QImage& picture) {
  // Every undone step can be redone, the newest too: the undo that left it wrote it.
  if (gestureOpen_) return Step::NothingAfter;
  const std::optional<HistoryStep> step = LoadStep(pos_);
  if (!step && unloadedStep_ == pos_ && steps_.count(pos_) != 0) {
    // The undo of this step found it missing and left the picture as the step made it: the
    // position can move back up over it.
    unloadedStep_ = -1;
    ++pos_;
    return Step::Loaded;
  }
  if (!step || !StepExists(pos_)) return Step::NothingAfter;
  unloadedStep_ = -1;
  Catch(picture, nullptr);
  if (!PutStepLogged(pos_, *step, true, picture)) return Step::NothingAfter;
  ForgetReports(picture);
  ++pos_;
  ScheduleCheckpoint();
  return Step::Loaded;
}

QString EditHistory::SnapshotFile(int n) const {
  return SnapshotPath(workFolder_, n);
}

void EditHistory::SetTileSize(int tileSize) {
  tileSize_ = std::clamp(tileSize, kMinHistoryTileSize, kMaxHistoryTileSize);
  touched_.clear();
  reportsComplete_ = false;
}

QString EditHistory::TakeTrouble() {
  if (trouble_.isEmpty() || toldCauses_.contains(CauseOf(trouble_))) return QString();
  toldCauses_.append(CauseOf(trouble_));
  return trouble_;
}

void EditHistory::TroubleAlreadyTold(const QString& reason) {
  trouble_ = reason;
  toldCauses_.append(CauseOf(reason));
}

QString EditHistory::CannotMakeWorkFolder() const {
  return QStringLiteral("フォルダを作れない (%1)").arg(QDir::toNativeSeparators(workFolder_));
}

void EditHistory::NoteTrouble(const QString& reason) {
  trouble_ = reason;
}

void EditHistory::Catch(const QImage& picture, HistoryStep* step) {
  if (picture.isNull()) return;
  if (known_.isNull() || !SameShape(known_, picture) || !TileablePicture(picture)) {
    if (step) *step = WholeStep(known_, picture);
    known_ = picture.copy();
    RebaseRecovery();
  } else {
    const bool all = !reportsComplete_ || picture.cacheKey() != reportedKey_;
    // The recovery log hears of every change, also of those that belong to no step. (While
    // it still writes its base from known_, the first change gives known_ pixels of its own.)
    RecoveryLog* log = Recovery();
    HistoryStep unstepped;
    HistoryStep* changes = step ? step : &unstepped;
    tilesCompared_ += TakeChangedTiles(known_, picture, tileSize_, touched_, all, changes);
    // The page as read, for the tiles this change reached first.
    if (originalsTileSize_ == tileSize_)
      AddOriginals(TileGrid(picture.size(), picture.depth() / 8, tileSize_), changes->tiles,
                   changes->before);
    if (log && !step) log->AddPatch(unstepped);
  }
  ForgetReports(picture);
}

bool EditHistory::PutStepLogged(int n, const HistoryStep& step, bool after, QImage& picture) {
  if (!step.whole) KeepOriginals(step.tiles);
  if (!PutStep(step, after, picture, known_)) return false;
  RecoveryLog* log = Recovery();
  if (!log) return true;
  if (step.whole) {
    RebaseRecovery();
  } else if (steps_.count(n) != 0 && !steps_.at(n)) {
    log->AddStepFile(SnapshotFile(n), after);
  } else {
    HistoryStep applied = step;
    if (!after) applied.after = step.before;
    log->AddPatch(applied);
  }
  return true;
}

void EditHistory::CloseGesture(const QImage& picture) {
  // The buffers of the last written step are used again: no fresh memory for every press.
  HistoryStep step;
  step.before = std::move(scratch_.before);
  step.after = std::move(scratch_.after);
  Catch(picture, &step);
  gestureOpen_ = false;
  WritePendingSteps();
  RecoveryLog* log = Recovery();
  if (WriteStep(pos_ - 1, step)) {
    steps_[pos_ - 1] = std::nullopt;
    // The log takes the step's file itself: nothing more is written at the press.
    if (log && !step.whole) log->AddStepFile(SnapshotFile(pos_ - 1), true);
    scratch_ = std::move(step);
    scratch_.wholeBefore = scratch_.wholeAfter = QImage();
  } else {
    if (log && !step.whole) log->AddPatch(step);
    steps_[pos_ - 1] = std::move(step);
  }
  ScheduleCheckpoint();
}

bool EditHistory::WriteStep(int n, const HistoryStep& step) {
  if (workFolder_.isEmpty()) {
    NoteTrouble(QStringLiteral("作業フォルダがない"));
    return false;
  }
  const QString path = SnapshotFile(n);
  if (RecoveryLog* log = Recovery()) log->SettleStepFile(path);
  QString reason = WriteHistoryStep(step, path);
  // The work folder may have been removed by hand: bring it back (one level), then retry once.
  if (!reason.isEmpty()) {
    if (QFileInfo(workFolder_).isDir() || QDir().mkdir(workFolder_))
      reason = WriteHistoryStep(step, path);
    else
      reason = CannotMakeWorkFolder();
  }
  if (!reason.isEmpty()) {
    NoteTrouble(reason);
    return false;
  }
  trouble_.clear();
  return true;
}

void EditHistory::WritePendingSteps() {
  for (auto& [n, kept] : steps_) {
    if (!kept) continue;
    if (!WriteStep(n, *kept)) return;  // still failing: keep the rest in memory too
    kept.reset();
  }
}

std::optional<HistoryStep> EditHistory::LoadStep(int n) const {
  const auto found = steps_.find(n);
  if (found == steps_.end()) return std::nullopt;
  if (found->second) return found->second;
  return ReadHistoryStep(SnapshotFile(n));
}

bool EditHistory::StepExists(int n) const {
  const auto found = steps_.find(n);
  if (found == steps_.end()) return false;
  return found->second.has_value() || QFileInfo::exists(SnapshotFile(n));
}

void EditHistory::DropStepsFrom(int n) {
  for (auto it = steps_.lower_bound(n); it != steps_.end();) {
    if (!it->second) {
      if (RecoveryLog* log = Recovery()) log->SettleStepFile(SnapshotFile(it->first));
      QFile::remove(SnapshotFile(it->first));
    }
    it = steps_.erase(it);
  }
}

void EditHistory::DeleteFilesFrom(int n) {
  if (recovery_) recovery_->Flush();  // no step file is still to be taken by the log
  QDir folder(workFolder_);
  const QStringList names = folder.entryList({"Tmp*.bmp"}, QDir::Files | QDir::Hidden);
  for (const QString& name : names) {
    const QString digits = name.mid(3, name.size() - 7);
    bool ok = false;
    const qint64 k = digits.toLongLong(&ok);
    // Only names the history itself builds: decimal, no sign, no leading zeros.
    if (!ok || k < 0 || QString::number(k) != digits) continue;
    if (k >= n) folder.remove(name);
  }
}

void EditHistory::ForgetReports(const QImage& picture) {
  touched_.assign(touched_.size(), false);
  reportedKey_ = picture.cacheKey();
  reportsComplete_ = true;
}

EditHistory& SharedHistory() {
  static EditHistory history;
  return history;
}

}  // namespace scoreink
