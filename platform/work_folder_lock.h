#pragma once
// Keeps a second copy of the program away from a work folder that one copy is using: that
// copy would otherwise empty the first one's snapshots at start-up.
#include <QLockFile>
#include <QString>
#include <memory>

namespace scoreink {

class WorkFolderLock {
 public:
  // The lock file is dataFolderWithSlash + "TmpWork.lock".
  explicit WorkFolderLock(const QString& dataFolderWithSlash);
  ~WorkFolderLock();
  // True when this process now holds the lock. A lock left by a process that no longer runs,
  // or whose process id now belongs to another program, is taken over.
  bool TryLock();
  bool IsLocked() const;
  void Unlock();

  // After a TryLock that failed: another copy of the program holds the lock (otherwise the
  // lock file could not be made at all, and Problem() says why).
  bool HeldByAnotherCopy() const;
  QString Problem() const;

 private:
  void DropLockOfAnotherProgram();

  QString path_;
  std::unique_ptr<QLockFile> lock_;
};

}  // namespace scoreink
