// The edit history of a document of several pages: the shown page's tiles as read, and the undo
// chains of the pages not shown, set aside in the work folder.
#include <QDir>
#include <QFile>

#include "platform/history/edit_history.h"

namespace scoreink {

QString EditHistory::ParkedFile(int page, int n) const {
  return workFolder_ + QStringLiteral("/P%1-Tmp%2.bmp").arg(page).arg(n);
}

void EditHistory::KeepOriginals(const std::vector<int>& tiles) {
  if (known_.isNull() || originalsTileSize_ != tileSize_ || !TileablePicture(known_)) return;
  std::vector<int> fresh;
  for (const int t : tiles)
    if (originals_.count(t) == 0) fresh.push_back(t);
  if (fresh.empty()) return;
  AddOriginals(TileGrid(known_.size(), known_.depth() / 8, tileSize_), fresh,
               PackedTiles(known_, tileSize_, fresh));
}

void EditHistory::AddOriginals(const TileGrid& grid, const std::vector<int>& tiles,
                               const QByteArray& packed) {
  qsizetype offset = 0;
  for (const int t : tiles) {
    if (originals_.count(t) == 0) originals_[t] = packed.mid(offset, grid.TileBytes(t));
    offset += grid.TileBytes(t);
  }
}

HistoryStep EditHistory::PageRecord(const QImage& picture) {
  // The gesture under way, or changes since the last one, reach tiles not yet known as read.
  if (gestureOpen_)
    CloseGesture(picture);
  else
    Catch(picture, nullptr);
  HistoryStep record;
  if (picture.isNull() || !TileablePicture(picture) || originals_.empty()) return record;
  record.tileSize = originalsTileSize_;
  record.size = picture.size();
  record.format = picture.format();
  record.colors = picture.colorTable();
  for (const auto& [t, bytes] : originals_) {
    record.tiles.push_back(t);
    record.before += bytes;
  }
  record.after = PackedTiles(picture, originalsTileSize_, record.tiles);
  return record;
}

HistoryStep EditHistory::LeavePage(int page, const QImage& picture) {
  HistoryStep record = PageRecord(picture);
  // The chain's step files go under names of the page; the recovery copy has taken them first.
  if (recovery_) recovery_->SettleStepFiles();
  ParkedChain chain;
  chain.pos = pos_;
  for (auto& [n, kept] : steps_) {
    if (!kept) QFile::rename(SnapshotFile(n), ParkedFile(page, n));
    chain.steps[n] = std::move(kept);
  }
  parked_[page] = std::move(chain);
  steps_.clear();
  pos_ = 1;
  gestureOpen_ = false;
  unloadedStep_ = -1;
  originals_.clear();
  // The page as it was known goes with the page: the next page is read while nothing else of
  // this one is held, and EnterPage knows the next one afresh.
  known_ = QImage();
  return record;
}

void EditHistory::EnterPage(int page, const QImage& picture, const HistoryStep& record) {
  steps_.clear();
  pos_ = 1;
  gestureOpen_ = false;
  unloadedStep_ = -1;
  if (const auto found = parked_.find(page); found != parked_.end()) {
    for (auto& [n, kept] : found->second.steps) {
      if (!kept) QFile::rename(ParkedFile(page, n), SnapshotFile(n));
      steps_[n] = std::move(kept);
    }
    pos_ = found->second.pos;
    parked_.erase(found);
  }
  knownClean_ = true;
  originals_.clear();
  originalsTileSize_ = tileSize_;
  if (!record.whole && record.tileSize == tileSize_ && !record.tiles.empty())
    AddOriginals(TileGrid(record.size, QImage(1, 1, record.format).depth() / 8, record.tileSize),
                 record.tiles, record.before);
  known_ = picture.copy();
  ForgetReports(picture);
  RebaseRecovery();
  ScheduleCheckpoint();
}

bool EditHistory::PageChainUnsaved(int page) const {
  const auto found = parked_.find(page);
  return found != parked_.end() && found->second.pos >= 2;
}

bool EditHistory::SetAsideChainsUnsaved() const {
  for (const auto& [page, chain] : parked_)
    if (chain.pos >= 2) return true;
  return false;
}

void EditHistory::ForgetPages(const QImage& picture) {
  if (recovery_) recovery_->ForgetPageRecords();
  for (const auto& [page, chain] : parked_)
    for (const auto& [n, kept] : chain.steps)
      if (!kept) QFile::remove(ParkedFile(page, n));
  parked_.clear();
  originals_.clear();
  originalsTileSize_ = tileSize_;
  if (!picture.isNull() && !gestureOpen_) {
    known_ = picture.copy();
    ForgetReports(picture);
  }
}

}  // namespace scoreink
