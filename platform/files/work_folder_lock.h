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
  // True when this process now holds the lock. A lock that no process holds any more is taken
  // over, whatever process now has the id written in it.
  bool TryLock();
  bool IsLocked() const;
  void Unlock();

  // After a TryLock that failed: another copy of the program holds the lock (otherwise the
  // lock file could not be made at all, and Problem() says why).
  bool HeldByAnotherCopy() const;
  QString Problem() const;

 private:
  void DropStaleLock();

  QString path_;
  std::unique_ptr<QLockFile> lock_;
};

}  // namespace scoreink
