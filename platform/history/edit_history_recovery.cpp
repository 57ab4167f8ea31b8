// The edit history's recovery copy: started, paused and stopped here, fed by every step the
// history records and, shortly after each change, by a checkpoint of what the user sees.
#include <QTimer>

#include "platform/history/edit_history.h"

namespace scoreink {

void EditHistory::StartRecovery(const QStringList& folders, const ShownScore& shown,
                                bool keepLeft) {
  StopRecovery();
  recovery_ = std::make_unique<RecoveryLog>(folders);
  if (!keepLeft) recovery_->Clear();
  shown_ = &shown;
  recoveryPaused_ = false;
  recoveryTroubleTold_ = false;
  recoveryTrouble_.reset();
  checkpointTimer_ = std::make_unique<QTimer>();
  checkpointTimer_->setSingleShot(true);
  QObject::connect(checkpointTimer_.get(), &QTimer::timeout, [this] { Checkpoint(); });
  // The session first: the base's switch writes it with the base.
  recovery_->SetSession(scoreFile_, carriedEdits_ || HasUnsavedChanges(), place_);
  RebaseRecovery();
  Checkpoint();
}

void EditHistory::ShowsScore(const QString& scoreFile, bool carriedEdits,
                             const DocumentPlace& place) {
  scoreFile_ = scoreFile;
  carriedEdits_ = carriedEdits;
  place_ = place;
  if (RecoveryLog* log = Recovery())
    log->SetSession(scoreFile_, carriedEdits_ || HasUnsavedChanges(), place_);
}

void EditHistory::PauseRecovery(bool paused) {
  if (!recovery_ || paused == recoveryPaused_) return;
  if (paused) {
    Checkpoint();
    recoveryPaused_ = true;
    if (checkpointTimer_) checkpointTimer_->stop();
    return;
  }
  recoveryPaused_ = false;
  // The history held another picture meanwhile: the copy starts afresh from the score.
  const QImage* picture = shown_ ? shown_->EditedPicture() : nullptr;
  if (picture && !gestureOpen_) {
    known_ = picture->copy();
    ForgetReports(*picture);
  }
  RebaseRecovery();
  Checkpoint();
}

void EditHistory::ShownScoreChanged() {
  ScheduleCheckpoint();
}

void EditHistory::StopRecovery() {
  if (checkpointTimer_) checkpointTimer_->stop();
  checkpointTimer_.reset();
  if (recovery_) recovery_->Clear();
  recovery_.reset();
  shown_ = nullptr;
}

void EditHistory::PageRecordKept(int page, const QString& recordFile) {
  if (RecoveryLog* log = Recovery()) log->KeepPageRecord(page, recordFile);
}

RecoveryLog* EditHistory::Recovery() const {
  return recoveryPaused_ ? nullptr : recovery_.get();
}

std::optional<RecoveryLog::Trouble> EditHistory::TakeRecoveryTrouble() {
  return std::exchange(recoveryTrouble_, std::nullopt);
}

void EditHistory::SetRecoveryTimes(int settleMs, int retryMs) {
  settleMs_ = std::max(settleMs, 0);
  retryMs_ = std::max(retryMs, 0);
}

void EditHistory::ScheduleCheckpoint() {
  if (!checkpointTimer_ || !Recovery() || checkpointTimer_->isActive()) return;
  checkpointTimer_->start(settleMs_);
}

void EditHistory::RebaseRecovery() {
  RecoveryLog* log = Recovery();
  if (!log || known_.isNull()) return;
  log->Rebase(known_);
  checkpointKey_ = 0;  // what the user sees beyond the base is written down again
}

void EditHistory::WatchRecoveryTrouble(RecoveryLog& log) {
  const std::optional<RecoveryLog::Trouble> trouble = log.CurrentTrouble();
  if (!trouble) {
    recoveryTroubleTold_ = false;
    baseRetry_.invalidate();
    return;
  }
  // A copy with a gap catches up with a new base, in the first folder that takes it; while
  // none does, it asks again every few seconds (space may be freed).
  if (!baseRetry_.isValid() || (trouble->baseFailed && baseRetry_.elapsed() >= retryMs_)) {
    baseRetry_.start();
    RebaseRecovery();
  }
  if (trouble->baseFailed && !recoveryTroubleTold_) {
    recoveryTroubleTold_ = true;
    recoveryTrouble_ = trouble;
  }
}

void EditHistory::Checkpoint() {
  RecoveryLog* log = Recovery();
  if (!log || !shown_) return;
  log->Wake();
  WatchRecoveryTrouble(*log);
  log->SetSession(scoreFile_, carriedEdits_ || HasUnsavedChanges(), place_);
  const QImage* shown = shown_->EditedPicture();
  if (!shown || shown->isNull()) return;
  const QImage& picture = *shown;
  const QRect floating = shown_->FloatingRect();
  if (picture.cacheKey() == checkpointKey_ && floating == checkpointFloating_) return;
  // A picture of another shape is taken in whole by the next press or undo.
  if (!SameShape(known_, picture) || !TileablePicture(picture)) return;
  checkpointKey_ = picture.cacheKey();
  checkpointFloating_ = floating;
  const bool all = !reportsComplete_ || picture.cacheKey() != reportedKey_;
  HistoryStep open;
  tilesCompared_ += CollectChangedTiles(known_, picture, tileSize_, touched_, all, open);
  // What floats is kept stamped where it floats: a crash now brings it back in the picture.
  const QRect reached = floating.intersected(picture.rect());
  if (!reached.isEmpty()) {
    const TileGrid grid(picture.size(), picture.depth() / 8, tileSize_);
    const std::vector<int> tiles = grid.TilesIn(reached);
    const QRect span = grid.TileRect(tiles.front()).united(grid.TileRect(tiles.back()));
    QImage part = picture.copy(span);
    shown_->StampFloating(part, span.topLeft());
    SetTilesAfter(open, part, span.topLeft());
  }
  log->SetOpenChanges(open);
}

}  // namespace scoreink
