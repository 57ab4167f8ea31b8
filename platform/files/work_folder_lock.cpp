#include "platform/files/work_folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <cerrno>

namespace scoreink {

namespace {

// The name the system gives a running process; every process may read it of every other.
// Empty when there is no such process (or no /proc).
QByteArray ProcessName(qint64 pid) {
  QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
  if (!comm.open(QIODevice::ReadOnly)) return QByteArray();
  return comm.readAll().trimmed();
}

enum class Flock { Held, Free, Unknown };

// Whether somebody holds an flock on the file at path (named as QLockFile names it); Unknown
// when there is no such file or its file system keeps no flocks.
Flock FlockState(const QString& path) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return Flock::Unknown;
  Flock state = Flock::Free;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
    state = errno == EWOULDBLOCK ? Flock::Held : Flock::Unknown;
  ::close(fd);  // lets go of the flock taken here
  return state;
}

}  // namespace

WorkFolderLock::WorkFolderLock(const QString& dataFolderWithSlash)
    : path_(dataFolderWithSlash + "TmpWork.lock"), lock_(std::make_unique<QLockFile>(path_)) {
  // The lock is held for the whole run: it must never turn stale by age while the owner
  // still runs. A lock whose process has gone is still recognised and taken over.
  lock_->setStaleLockTime(0);
}

WorkFolderLock::~WorkFolderLock() = default;  // QLockFile releases a held lock itself

void WorkFolderLock::DropStaleLock() {
  // Qt writes what the lock says only once it holds the flock: a lock file that says nothing
  // yet may belong to a copy that is starting this very moment.
  qint64 pid = 0;
  QString host, application;
  if (!lock_->getLockInfo(&pid, &host, &application)) return;
  // A copy of the program holds its lock file open with an flock for as long as it runs, so a
  // lock file that takes an flock of ours is held by nobody: a crash left it, whatever process
  // now has its id (another copy of the program, started from another folder, included).
  switch (FlockState(path_)) {
    case Flock::Held:
      return;
    case Flock::Free:
      lock_->removeStaleLockFile();  // checks once more that nobody holds it
      return;
    case Flock::Unknown:
      break;
  }
  // Where there are no flocks, Qt takes over the lock of a process that has gone, but trusts
  // any live process that it cannot look at closely (another user's, or one without a program
  // file): a process id reused after a crash would keep this program from starting for good.
  if (!host.isEmpty() && host != QSysInfo::machineHostName()) return;
  if (pid <= 0 || pid == QCoreApplication::applicationPid()) return;
  const QByteArray holder = ProcessName(pid);
  if (!holder.isEmpty() && holder != ProcessName(QCoreApplication::applicationPid()))
    lock_->removeStaleLockFile();
}

bool WorkFolderLock::TryLock() {
  if (lock_->isLocked()) return true;
  DropStaleLock();
  return lock_->tryLock(0);
}

bool WorkFolderLock::IsLocked() const {
  return lock_->isLocked();
}

void WorkFolderLock::Unlock() {
  lock_->unlock();
}

bool WorkFolderLock::HeldByAnotherCopy() const {
  return lock_->error() == QLockFile::LockFailedError;
}

QString WorkFolderLock::Problem() const {
  const QString folder = QDir::toNativeSeparators(QFileInfo(path_).absolutePath());
  if (!QFileInfo(folder).isDir()) return QStringLiteral("フォルダを作れない (%1)").arg(folder);
  return QStringLiteral("フォルダに書き込めない (%1)").arg(folder);
}

}  // namespace scoreink
