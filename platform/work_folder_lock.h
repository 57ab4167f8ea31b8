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
  // True when this process now holds the lock. A lock left by a process that no longer
  // runs is taken over.
  bool TryLock();
  bool IsLocked() const;
  void Unlock();

 private:
  std::unique_ptr<QLockFile> lock_;
};

}  // namespace scoreink
