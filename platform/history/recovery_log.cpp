#include "platform/history/recovery_log.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#include "platform/history/history_step_file.h"

namespace scoreink {

namespace {

const QString kSession = QStringLiteral("Session.txt");

// The files of generation gen. Generation 0 is the log of earlier versions, which had only one.
QString BaseName(int gen) {
  return gen == 0 ? QStringLiteral("Base.dat") : QStringLiteral("Base-%1.dat").arg(gen);
}
QString PatchName(int gen, int k) {
  return gen == 0 ? QStringLiteral("Patch%1.dat").arg(k)
                  : QStringLiteral("Patch-%1-%2.dat").arg(gen).arg(k);
}
// A step taken back by an undo: its tiles before it.
QString UndoPatchName(int gen, int k) {
  return gen == 0 ? QStringLiteral("Patch%1u.dat").arg(k)
                  : QStringLiteral("Patch-%1-%2u.dat").arg(gen).arg(k);
}
// What the user saw after patch k: a left-over of an earlier gesture never lands on a later
// patch.
QString OpenName(int gen, int k) {
  return gen == 0 ? QStringLiteral("Open%1.dat").arg(k)
                  : QStringLiteral("Open-%1-%2.dat").arg(gen).arg(k);
}

// The generation a file of the log belongs to (0 for the names of earlier versions and for
// anything else).
int GenerationOf(QString name) {
  if (name.startsWith(QLatin1Char('.'))) name.remove(0, 1);
  for (const QString& prefix :
       {QStringLiteral("Base-"), QStringLiteral("Patch-"), QStringLiteral("Open-")}) {
    if (!name.startsWith(prefix)) continue;
    const QString rest = name.mid(prefix.size());
    qsizetype end = 0;
    while (end < rest.size() && rest[end].isDigit()) ++end;
    return rest.left(end).toInt();
  }
  return 0;
}

QString In(const QString& folder, const QString& name) {
  return folder + QLatin1Char('/') + name;
}

QString FolderTrouble(const QString& folder) {
  return QStringLiteral("フォルダを作れない (%1)").arg(QDir::toNativeSeparators(folder));
}

// Written beside and renamed over: a file in the log is whole or absent. The reason on failure.
QString WriteStepWhole(const HistoryStep& step, const QString& folder, const QString& name) {
  if (!QDir().mkpath(folder)) return FolderTrouble(folder);
  const QString temp = In(folder, QStringLiteral(".") + name);
  if (QString reason = WriteHistoryStep(step, temp); !reason.isEmpty()) return reason;
  if (::rename(QFile::encodeName(temp).constData(),
               QFile::encodeName(In(folder, name)).constData()) == 0)
    return QString();
  const QString reason = QString::fromLocal8Bit(std::strerror(errno));
  QFile::remove(temp);
  return QStringLiteral("書き込みに失敗した (%1)").arg(reason);
}

void RemoveMatching(const QString& folder, const QString& pattern) {
  QDir dir(folder);
  for (const QString& name : dir.entryList({pattern}, QDir::Files | QDir::Hidden)) dir.remove(name);
}

// Every file of the log in folder that belongs to another generation than gen.
void RemoveOtherGenerations(const QString& folder, int gen) {
  QDir dir(folder);
  for (const QString& name : dir.entryList({QStringLiteral("*.dat")}, QDir::Files | QDir::Hidden)) {
    if (name.startsWith(QLatin1String("Keep-")))
      continue;  // the pages not shown: every generation's
    if (GenerationOf(name) != gen || name.startsWith(QLatin1Char('.'))) dir.remove(name);
  }
}

// The newest generation any of folders holds.
int NewestGeneration(const QStringList& folders) {
  int newest = 0;
  for (const QString& folder : folders) {
    const QStringList names =
        QDir(folder).entryList({QStringLiteral("*.dat")}, QDir::Files | QDir::Hidden);
    for (const QString& name : names) newest = std::max(newest, GenerationOf(name));
  }
  return newest;
}

struct Session {
  QString scoreFile;
  bool unsaved = false;
  DocumentPlace place;
  int gen = 0;
  QDateTime writtenAt;
};

std::optional<Session> ReadSession(const QString& folder) {
  QFile file(In(folder, kSession));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  Session session;
  for (const QByteArray& line : file.readAll().split('\n')) {
    if (line.startsWith("file=")) session.scoreFile = QString::fromUtf8(line.mid(5));
    if (line == "unsaved=1") session.unsaved = true;
    if (line.startsWith("base=")) session.gen = line.mid(5).toInt();
    if (line.startsWith("page=")) session.place.page = line.mid(5).toInt();
    if (line.startsWith("pages=")) session.place.pages = std::max(1, line.mid(6).toInt());
    if (line.startsWith("dpi=")) session.place.dpi = line.mid(4).toInt();
    if (line.startsWith("time="))
      session.writtenAt = QDateTime::fromMSecsSinceEpoch(line.mid(5).toLongLong());
  }
  if (!session.writtenAt.isValid()) session.writtenAt = QFileInfo(file).lastModified();
  return session;
}

}  // namespace

// The open changes of one job, replaced by newer ones while the job still waits.
struct RecoveryLog::OpenDue {
  int gen = 0;
  int k = 0;
  HistoryStep step;
  bool taken = false;
};

RecoveryLog::RecoveryLog(const QStringList& folders)
    : folders_(folders), gen_(NewestGeneration(folders)), writer_([this] { Run(); }) {}

RecoveryLog::~RecoveryLog() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  writer_.join();
}

QString RecoveryLog::Folder() const {
  std::lock_guard lock(mutex_);
  return CurrentFolder();
}

QString RecoveryLog::CurrentFolder() const {
  return folders_.value(current_);
}

void RecoveryLog::Post(std::function<void()> job, bool wake) {
  {
    std::lock_guard lock(mutex_);
    jobs_.push_back(std::move(job));
    lastOpen_.reset();  // a later change of what is seen needs a job after this one
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

bool RecoveryLog::Writable(int gen) const {
  std::lock_guard lock(mutex_);
  return gen == writerGen_ && !trouble_;
}

void RecoveryLog::Succeeded() {
  std::lock_guard lock(mutex_);
  if (!trouble_) goodUntil_ = QDateTime::currentDateTime();
}

void RecoveryLog::Failed(const QString& reason) {
  std::lock_guard lock(mutex_);
  if (!trouble_) trouble_ = Trouble{reason, goodUntil_, false};
}

std::optional<RecoveryLog::Trouble> RecoveryLog::CurrentTrouble() const {
  std::lock_guard lock(mutex_);
  return trouble_;
}

QString RecoveryLog::WriteSessionFile(const QString& folder, int gen) {
  QByteArray text;
  {
    std::lock_guard lock(mutex_);
    text = session_;
  }
  text += "base=" + QByteArray::number(gen) +
          "\ntime=" + QByteArray::number(QDateTime::currentMSecsSinceEpoch()) + '\n';
  QSaveFile file(In(folder, kSession));
  file.setDirectWriteFallback(false);
  if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit())
    return QString();
  return QStringLiteral("書き込みに失敗した (%1)").arg(file.errorString());
}

bool RecoveryLog::WriteBase(int gen, const HistoryStep& base) {
  QString reason;
  for (int i = 0; i < folders_.size(); ++i) {
    const QString folder = folders_[i];
    reason = WriteStepWhole(base, folder, BaseName(gen));
    if (!reason.isEmpty()) continue;
    // The switch: from this rename on the new generation counts.
    reason = WriteSessionFile(folder, gen);
    if (!reason.isEmpty()) {
      QFile::remove(In(folder, BaseName(gen)));
      continue;
    }
    RemoveOtherGenerations(folder, gen);
    for (int j = 0; j < folders_.size(); ++j)
      if (j != i && QFileInfo(folders_[j]).isDir()) QDir(folders_[j]).removeRecursively();
    std::lock_guard lock(mutex_);
    current_ = i;
    writerGen_ = gen;
    trouble_.reset();
    goodUntil_ = QDateTime::currentDateTime();
    return true;
  }
  std::lock_guard lock(mutex_);
  trouble_ = Trouble{reason, goodUntil_, true};
  return false;
}

void RecoveryLog::Rebase(const QImage& picture) {
  const int gen = ++gen_;
  patches_ = 0;
  HistoryStep base;
  base.whole = true;
  base.wholeAfter = picture;  // shared, not copied: a change of it gives it pixels of its own
  {
    std::lock_guard lock(mutex_);
    ++basesDue_;
  }
  newestBase_ = gen;
  Post([this, gen, base = std::move(base)]() mutable {
    // A base that a newer one has replaced before it was begun is not written: moving through
    // the pages of a document, the next page's base comes while this one waits, and this
    // picture is let go at once instead of being held while the next page is read.
    if (gen == newestBase_) WriteBase(gen, base);
    base = HistoryStep();  // lets go of the picture before the history may change it
    std::lock_guard lock(mutex_);
    --basesDue_;
  });
}

void RecoveryLog::WaitForBase() {
  changed_.notify_all();
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return basesDue_ == 0; });
}

void RecoveryLog::AddPatch(const HistoryStep& step) {
  if (!step.whole && step.tiles.empty()) return;
  HistoryStep patch = step;
  patch.before = QByteArray();  // the log only ever moves forward
  patch.wholeBefore = QImage();
  const int gen = gen_, k = ++patches_;
  Post([this, patch = std::move(patch), gen, k] {
    if (!Writable(gen)) return;
    const QString folder = Folder();
    if (const QString reason = WriteStepWhole(patch, folder, PatchName(gen, k)); !reason.isEmpty())
      return Failed(reason);
    RemoveMatching(folder, QStringLiteral("Open*.dat"));
    Succeeded();
  });
}

void RecoveryLog::AddStepFile(const QString& stepFile, bool after) {
  const int gen = gen_, k = ++patches_;
  const QString name = after ? PatchName(gen, k) : UndoPatchName(gen, k);
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
      [this, stepFile, name, gen] {
        if (Writable(gen)) {
          const QString folder = Folder();
          const QString path = In(folder, name);
          if (::link(QFile::encodeName(stepFile).constData(),
                     QFile::encodeName(path).constData()) != 0) {
            const QString temp = In(folder, QStringLiteral(".") + name);
            QFile::remove(temp);
            QFile copy(stepFile);
            if (copy.copy(temp) && QFile::rename(temp, path))
              Succeeded();
            else
              Failed(QStringLiteral("書き込みに失敗した (%1)").arg(copy.errorString()));
          } else {
            Succeeded();
          }
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

void RecoveryLog::SettleStepFiles() {
  changed_.notify_all();
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return stepFilesDue_.empty(); });
}

void RecoveryLog::SetOpenChanges(const HistoryStep& step) {
  HistoryStep open = step;
  open.before = QByteArray();
  {
    // The job still waiting takes the newer changes instead.
    std::lock_guard lock(mutex_);
    if (lastOpen_ && !lastOpen_->taken) {
      lastOpen_->step = std::move(open);
      lastOpen_->k = patches_;
      changed_.notify_all();
      return;
    }
  }
  auto due = std::make_shared<OpenDue>();
  due->gen = gen_;
  due->k = patches_;
  due->step = std::move(open);
  Post([this, due] {
    HistoryStep seen;
    {
      std::lock_guard lock(mutex_);
      due->taken = true;
      seen = std::move(due->step);
    }
    if (!Writable(due->gen)) return;
    const QString folder = Folder();
    const QString name = OpenName(due->gen, due->k);
    if (!seen.tiles.empty()) {
      if (const QString reason = WriteStepWhole(seen, folder, name); !reason.isEmpty())
        return Failed(reason);
    }
    QDir dir(folder);
    for (const QString& other : dir.entryList({QStringLiteral("Open*.dat")}, QDir::Files))
      if (other != name || seen.tiles.empty()) dir.remove(other);
    Succeeded();
  });
  std::lock_guard lock(mutex_);
  lastOpen_ = due;
}

void RecoveryLog::SetSession(const QString& scoreFile, bool unsaved, const DocumentPlace& place) {
  const QByteArray text = "file=" + scoreFile.toUtf8() + "\nunsaved=" + (unsaved ? "1" : "0") +
                          "\npage=" + QByteArray::number(place.page) +
                          "\npages=" + QByteArray::number(place.pages) +
                          "\ndpi=" + QByteArray::number(place.dpi) + '\n';
  if (text == sessionText_) return;
  sessionText_ = text;
  sessionFile_ = scoreFile;
  sessionUnsaved_ = int(unsaved);
  Post([this, text] {
    int gen = 0;
    {
      std::lock_guard lock(mutex_);
      session_ = text;
      gen = writerGen_;
    }
    // Before the first base there is nothing to name: the base's switch writes the session.
    if (gen == 0) return;
    if (const QString reason = WriteSessionFile(Folder(), gen); !reason.isEmpty())
      return Failed(reason);
    Succeeded();
  });
}

void RecoveryLog::KeepPageRecord(int page, const QString& recordFile) {
  const QString name = QStringLiteral("Keep-Page%1.dat").arg(page + 1);
  Post([this, recordFile, name] {
    const QString folder = Folder();
    if (!QFileInfo::exists(recordFile)) {
      QFile::remove(In(folder, name));
      return;
    }
    QDir().mkpath(folder);
    const QString temp = In(folder, QStringLiteral(".") + name);
    QFile::remove(temp);
    if (::link(QFile::encodeName(recordFile).constData(), QFile::encodeName(temp).constData()) !=
            0 &&
        !QFile::copy(recordFile, temp))
      return Failed(QStringLiteral("書き込みに失敗した (%1)").arg(name));
    if (::rename(QFile::encodeName(temp).constData(),
                 QFile::encodeName(In(folder, name)).constData()) != 0)
      return Failed(QStringLiteral("書き込みに失敗した (%1)").arg(name));
    Succeeded();
  });
}

void RecoveryLog::ForgetPageRecords() {
  Post([this] { RemoveMatching(Folder(), QStringLiteral("Keep-*.dat")); });
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
  Post([this] {
    for (const QString& folder : folders_)
      if (QFileInfo(folder).isDir()) QDir(folder).removeRecursively();
    std::lock_guard lock(mutex_);
    writerGen_ = 0;
    session_.clear();
    trouble_.reset();
  });
  Flush();
}

std::optional<RecoveryLog::Found> RecoveryLog::Read(const QString& folder) {
  const std::optional<Session> session = ReadSession(folder);
  if (!session || !session->unsaved) return std::nullopt;
  const int gen = session->gen;
  const std::optional<HistoryStep> base = ReadHistoryStep(In(folder, BaseName(gen)));
  if (!base || !base->whole || base->wholeAfter.isNull()) return std::nullopt;
  Found found;
  found.picture = base->wholeAfter;
  found.scoreFile = session->scoreFile;
  found.writtenAt = session->writtenAt;
  found.place = session->place;
  for (const QString& name :
       QDir(folder).entryList({QStringLiteral("Keep-Page*.dat")}, QDir::Files)) {
    bool ok = false;
    const int page = name.mid(9, name.size() - 13).toInt(&ok) - 1;
    if (!ok || page < 0 || page >= found.place.pages || page == found.place.page) continue;
    if (const auto record = ReadHistoryStep(In(folder, name))) found.pageRecords[page] = *record;
  }
  // Every patch in order, up to the first one missing or cut off: the picture is then as it
  // was at that patch, never a mixture.
  int k = 0;
  for (;; ++k) {
    const bool after = QFileInfo::exists(In(folder, PatchName(gen, k + 1)));
    const std::optional<HistoryStep> patch =
        ReadHistoryStep(In(folder, after ? PatchName(gen, k + 1) : UndoPatchName(gen, k + 1)));
    if (!patch || !PutStepInto(*patch, after, found.picture)) break;
  }
  if (const auto open = ReadHistoryStep(In(folder, OpenName(gen, k))))
    PutStepInto(*open, true, found.picture);
  return found;
}

std::optional<RecoveryLog::Found> RecoveryLog::ReadNewest(const QStringList& folders) {
  std::optional<Found> newest;
  for (const QString& folder : folders) {
    std::optional<Found> found = Read(folder);
    if (found && (!newest || found->writtenAt > newest->writtenAt)) newest = std::move(found);
  }
  return newest;
}

}  // namespace scoreink
