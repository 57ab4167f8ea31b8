#include "platform/edit_history.h"

#include <QDir>
#include <QFile>

#include "platform/picture_io.h"
#include "platform/work_files.h"

namespace scoreink {

void EditHistory::SetPlaces(const QString& workFolder, const QString& blockFile) {
  workFolder_ = workFolder;
  blockFile_ = blockFile;
  knownClean_ = false;
}

void EditHistory::ResetHistory(bool recreate) {
  if (ResetWorkFolder(workFolder_, recreate)) {
    pos_ = 1;
    highestWritten_ = 0;
    knownClean_ = true;
  } else {
    knownClean_ = false;
  }
  // Whatever happened to the folder, a lifted block never outlives the history.
  if (!blockFile_.isEmpty() && QFile::exists(blockFile_)) QFile::remove(blockFile_);
}

bool EditHistory::Record(const QImage& picture) {
  if (!SaveSnapshot(picture, workFolder_, pos_)) return false;
  // Anything numbered above the snapshot just written belongs to a branch that an undo left
  // behind; a redo must not reach it.
  if (highestWritten_ > pos_ || !knownClean_) DeleteSnapshotsAbove(pos_);
  knownClean_ = true;
  highestWritten_ = pos_;
  ++pos_;
  return true;
}

EditHistory::Step EditHistory::Undo(QImage& picture) {
  if (pos_ <= 1) return Step::NothingBefore;
  --pos_;
  PictureResult loaded = LoadBmp(SnapshotFile(pos_));
  if (!loaded.ok()) return Step::Missing;
  picture = std::move(loaded.image);
  return Step::Loaded;
}

EditHistory::Step EditHistory::Redo(QImage& picture) {
  const int next = pos_ + 1;
  const QString path = SnapshotFile(next);
  if (!QFile::exists(path)) return Step::NothingAfter;
  PictureResult loaded = LoadBmp(path);
  if (!loaded.ok()) return Step::NothingAfter;
  picture = std::move(loaded.image);
  pos_ = next;
  return Step::Loaded;
}

QString EditHistory::SnapshotFile(int n) const {
  return SnapshotPath(workFolder_, n);
}

void EditHistory::DeleteSnapshotsAbove(int n) {
  QDir folder(workFolder_);
  const QStringList names = folder.entryList({"Tmp*.bmp"}, QDir::Files | QDir::Hidden);
  for (const QString& name : names) {
    const QString digits = name.mid(3, name.size() - 7);
    bool ok = false;
    const qint64 k = digits.toLongLong(&ok);
    // Only names the history itself builds: decimal, no sign, no leading zeros.
    if (!ok || !IsAllDigits(digits) || QString::number(k) != digits) continue;
    if (k > n) folder.remove(name);
  }
}

EditHistory& SharedHistory() {
  static EditHistory history;
  return history;
}

}  // namespace scoreink
