#include "harness/scratch_mount.h"

#include <sys/mount.h>
#include <unistd.h>

#include <QFile>

namespace scoreink::test {

namespace {

bool MountTmpfs(const QString& at, const QString& options) {
  return ::mount("scoreink-test", QFile::encodeName(at).constData(), "tmpfs", 0,
                 options.toLatin1().constData()) == 0;
}

}  // namespace

ScratchMount::ScratchMount(const QString& options) {
  if (!dir_.isValid()) return;
  path_ = dir_.path();
  mounted_ = MountTmpfs(path_, options);
}

ScratchMount::ScratchMount(const QString& at, const QString& options) : path_(at) {
  dir_.remove();
  mounted_ = MountTmpfs(path_, options);
}

ScratchMount::~ScratchMount() {
  if (mounted_) ::umount2(QFile::encodeName(path_).constData(), MNT_DETACH);
}

bool ScratchMount::MakeReadOnly() {
  return ::mount(nullptr, QFile::encodeName(path_).constData(), nullptr, MS_REMOUNT | MS_RDONLY,
                 nullptr) == 0;
}

ProtectedFolder::ProtectedFolder() : ProtectedFolder(QString()) {}

ProtectedFolder::ProtectedFolder(const QString& at) {
  if (::geteuid() != 0) {
    folder_ = at.isEmpty() ? plain_.path() : at;
    return;
  }
  disk_ = at.isEmpty() ? std::make_unique<ScratchMount>("size=1m")
                       : std::make_unique<ScratchMount>(at, "size=1m");
  if (disk_->mounted()) folder_ = disk_->path();
}

ProtectedFolder::~ProtectedFolder() {
  if (!disk_ && !folder_.isEmpty())
    QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool ProtectedFolder::Protect() {
  if (disk_) return disk_->MakeReadOnly();
  return QFile::setPermissions(folder_, QFile::ReadOwner | QFile::ExeOwner);
}

}  // namespace scoreink::test
