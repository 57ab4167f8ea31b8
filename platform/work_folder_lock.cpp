#include "platform/work_folder_lock.h"

namespace scoreink {

WorkFolderLock::WorkFolderLock(const QString& dataFolderWithSlash)
    : lock_(std::make_unique<QLockFile>(dataFolderWithSlash + "TmpWork.lock")) {
  // The lock is held for the whole run: it must never turn stale by age while the owner
  // still runs. A lock whose process has gone is still recognised and taken over.
  lock_->setStaleLockTime(0);
}

WorkFolderLock::~WorkFolderLock() = default;  // QLockFile releases a held lock itself

bool WorkFolderLock::TryLock() {
  if (lock_->isLocked()) return true;
  return lock_->tryLock(0);
}

bool WorkFolderLock::IsLocked() const {
  return lock_->isLocked();
}

void WorkFolderLock::Unlock() {
  lock_->unlock();
}

}  // namespace scoreink
