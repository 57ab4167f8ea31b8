#include "platform/recovery_log.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/history_step_file.h"

namespace scoreink {

namespace {

const QString kBase = QStringLiteral("Base.dat");
const QString kSession = QStringLiteral("Session.txt");

QString PatchName(int k) {
  return QStringLiteral("Patch%1.dat").arg(k);
}
// A step taken back by an undo: its tiles before it.
QString UndoPatchName(int k) {
  return QStringLiteral("Patch%1u.dat").arg(k);
}
// The changes of the gesture under way, made after patch k: a left-over of an earlier
// gesture never lands on a later patch.
QString OpenName(int k) {
  return QStringLiteral("Open%1.dat").arg(k);
}

// Written beside and renamed over: a file in the log is whole or absent.
bool WriteStepWhole(const HistoryStep& step, const QString& folder, const QString& name) {
  if (!QDir().mkpath(folder)) return false;
  const QString temp = folder + QStringLiteral("/.") + name;
  if (!WriteHistoryStep(step, temp).isEmpty()) return false;
  const QString path = folder + QLatin1Char('/') + name;
  QFile::remove(path);
  return QFile::rename(temp, path);
}

void RemoveMatching(const QString& folder, const QString& pattern) {
  QDir dir(folder);
  for (const QString& name : dir.entryList({pattern}, QDir::Files)) dir.remove(name);
}

}  // namespace

RecoveryLog::RecoveryLog(const QString& folder) : folder_(folder), writer_([this] { Run(); }) {}

RecoveryLog::~RecoveryLog() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  writer_.join();
}

void RecoveryLog::Post(std::function<void()> job, bool wake) {
  {
    std::lock_guard lock(mutex_);
    jobs_.push_back(std::move(job));
  }
  if (wake) changed_.notify_all();
}

void RecoveryLog::Wake() {
  changed_.notify_all();
}

void RecoveryLog::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
    if (jobs_.empty()) return;  // stopping, and every job done
    std::function<void()> job = std::move(jobs_.front());
    jobs_.pop_front();
    busy_ = true;
    lock.unlock();
    job();
    lock.lock();
    busy_ = false;
    changed_.notify_all();
  }
}

void RecoveryLog::Rebase(const QImage& picture) {
  // What is still to be written belongs to the old log; then the old log goes, here and now,
  // so that no patch of the new one can be taken for an old one or removed with them.
  Flush();
  RemoveMatching(folder_, QStringLiteral("*.dat"));
  patches_ = 0;
  HistoryStep base;
  base.whole = true;
  base.wholeAfter = picture;  // shared, not copied: a change of it gives it pixels of its own
  {
    std::lock_guard lock(mutex_);
    baseDue_ = true;
  }
  Post([this, base = std::move(base)]() mutable {
    WriteStepWhole(base, folder_, kBase);
    base = HistoryStep();  // lets go of the picture before the history may change it
    std::lock_guard lock(mutex_);
    baseDue_ = false;
  });
}

void RecoveryLog::WaitForBase() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return !baseDue_; });
}

void RecoveryLog::AddPatch(const HistoryStep& step) {
  if (!step.whole && step.tiles.empty()) return;
  HistoryStep patch = step;
  patch.before = QByteArray();  // the log only ever moves forward
  patch.wholeBefore = QImage();
  const int k = ++patches_;
  Post([this, patch = std::move(patch), k] {
    WriteStepWhole(patch, folder_, PatchName(k));
    RemoveMatching(folder_, QStringLiteral("Open*.dat"));
  });
}

void RecoveryLog::AddStepFile(const QString& stepFile, bool after) {
  const int k = ++patches_;
  const QString name = after ? PatchName(k) : UndoPatchName(k);
  // A second name for the step's file (the history never writes into a file it has written),
  // made by the writer so that the press does not wait for the file system; the writer is not
  // even woken for it (that costs the press a thread switch) but at the next Wake or job. A step
  // file gone before then belonged to a history emptied since, whose patches the next base
  // replaces.
  {
    std::lock_guard lock(mutex_);
    stepFilesDue_.insert(stepFile);
  }
  Post(
      [this, stepFile, name] {
        QDir().mkpath(folder_);
        const QString path = folder_ + QLatin1Char('/') + name;
        if (::link(QFile::encodeName(stepFile).constData(), QFile::encodeName(path).constData()) !=
            0) {
          const QString temp = folder_ + QStringLiteral("/.") + name;
          QFile::remove(temp);
          if (QFile::copy(stepFile, temp)) QFile::rename(temp, path);
        }
        std::lock_guard lock(mutex_);
        stepFilesDue_.erase(stepFilesDue_.find(stepFile));
      },
      /*wake=*/false);
}

void RecoveryLog::SettleStepFile(const QString& stepFile) {
  changed_.notify_all();
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return stepFilesDue_.count(stepFile) == 0; });
}

void RecoveryLog::SetOpenChanges(const HistoryStep& step) {
  if (step.tiles.empty()) {
    Post([this] { RemoveMatching(folder_, QStringLiteral("Open*.dat")); });
    return;
  }
  HistoryStep open = step;
  open.before = QByteArray();
  const int k = patches_;
  Post([this, open = std::move(open), k] {
    WriteStepWhole(open, folder_, OpenName(k));
    QDir dir(folder_);
    for (const QString& name : dir.entryList({QStringLiteral("Open*.dat")}, QDir::Files))
      if (name != OpenName(k)) dir.remove(name);
  });
}

void RecoveryLog::SetSession(const QString& scoreFile, bool unsaved) {
  if (scoreFile == sessionFile_ && int(unsaved) == sessionUnsaved_) return;
  sessionFile_ = scoreFile;
  sessionUnsaved_ = int(unsaved);
  const QByteArray text = "file=" + scoreFile.toUtf8() + "\nunsaved=" + (unsaved ? "1" : "0");
  Post([this, text] {
    QDir().mkpath(folder_);
    QSaveFile file(folder_ + QLatin1Char('/') + kSession);
    file.setDirectWriteFallback(false);
    if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size()) file.commit();
  });
}

void RecoveryLog::Flush() {
  changed_.notify_all();  // the writer may not have been woken for the last jobs
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return jobs_.empty() && !busy_; });
}

void RecoveryLog::Clear() {
  patches_ = 0;
  sessionFile_.clear();
  sessionUnsaved_ = -1;
  Post([this] { QDir(folder_).removeRecursively(); });
  Flush();
}

std::optional<RecoveryLog::Found> RecoveryLog::Read(const QString& folder) {
  QFile session(folder + QLatin1Char('/') + kSession);
  if (!session.open(QIODevice::ReadOnly)) return std::nullopt;
  Found found;
  bool unsaved = false;
  for (const QByteArray& line : session.readAll().split('\n')) {
    if (line.startsWith("file=")) found.scoreFile = QString::fromUtf8(line.mid(5));
    if (line == "unsaved=1") unsaved = true;
  }
  if (!unsaved) return std::nullopt;
  const std::optional<HistoryStep> base = ReadHistoryStep(folder + QLatin1Char('/') + kBase);
  if (!base || !base->whole || base->wholeAfter.isNull()) return std::nullopt;
  found.picture = base->wholeAfter;
  // Every patch in order, up to the first one missing or cut off: the picture is then as it
  // was at that patch, never a mixture.
  int k = 0;
  for (;; ++k) {
    const bool after = QFileInfo::exists(folder + QLatin1Char('/') + PatchName(k + 1));
    const std::optional<HistoryStep> patch = ReadHistoryStep(
        folder + QLatin1Char('/') + (after ? PatchName(k + 1) : UndoPatchName(k + 1)));
    if (!patch || !PutStepInto(*patch, after, found.picture)) break;
  }
  if (const auto open = ReadHistoryStep(folder + QLatin1Char('/') + OpenName(k)))
    PutStepInto(*open, true, found.picture);
  return found;
}

}  // namespace scoreink
