#include "harness/temp_executable_folder.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/files/executable_folder.h"

namespace scoreink::test {

namespace {

// The override in force, so that folders can nest (a second window in a test of its own).
QString& CurrentOverride() {
  static QString current;
  return current;
}

}  // namespace

TempExecutableFolder::TempExecutableFolder(const QString& existing) {
  if (existing.isEmpty()) {
    dir_.emplace(QDir::tempPath() + "/scoreink-test-XXXXXX");
    EXPECT_TRUE(dir_->isValid()) << "cannot create a temporary executable folder";
    path_ = dir_->path() + "/";
  } else {
    path_ = existing.endsWith('/') ? existing : existing + "/";
  }
  previous_ = CurrentOverride();
  CurrentOverride() = path_;
  SetExecutableFolderOverride(path_);
}

TempExecutableFolder::~TempExecutableFolder() {
  CurrentOverride() = previous_;
  SetExecutableFolderOverride(previous_);
  if (!dir_) return;
  // Make everything removable again (a test may have write-protected a file or folder).
  QDir root(dir_->path());
  QFile::setPermissions(dir_->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  for (const QFileInfo& info :
       root.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
    QFile::setPermissions(info.filePath(),
                          QFile::permissions(info.filePath()) | QFile::WriteOwner |
                              QFile::ReadOwner |
                              (info.isDir() ? QFile::ExeOwner : QFile::Permissions()));
  }
}

bool TempExecutableFolder::Write(const QString& relative, const QByteArray& bytes) const {
  const QString path = File(relative);
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return file.write(bytes) == bytes.size();
}

}  // namespace scoreink::test
