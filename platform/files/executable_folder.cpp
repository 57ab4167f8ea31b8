#include "platform/files/executable_folder.h"

#include <QCoreApplication>

namespace scoreink {

namespace {

QString& Override() {
  static QString folder;
  return folder;
}

QString WithSlash(const QString& folder) {
  return folder.endsWith('/') ? folder : folder + '/';
}

}  // namespace

QString ExecutableFolder() {
  if (!Override().isEmpty()) return Override();
  return WithSlash(QCoreApplication::applicationDirPath());
}

void SetExecutableFolderOverride(const QString& folderWithSlash) {
  Override() = folderWithSlash.isEmpty() ? QString() : WithSlash(folderWithSlash);
}

}  // namespace scoreink
