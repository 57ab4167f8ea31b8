#include "platform/files/file_trash.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/files/native_path.h"

namespace scoreink {

TrashResult MoveFileToTrash(const QString& path) {
  TrashResult result;
  const QByteArray native = NativePath(path);
  // Qt's trash finds the file by its UTF-8 name; a name that is not UTF-8 can only be removed.
  if (QFile::encodeName(path) == native && QFile::moveToTrash(path)) {
    result.ok = result.trashed = true;
    return result;
  }
  if (std::remove(native.constData()) == 0) {
    result.ok = true;
    return result;
  }
  result.error = QString::fromLocal8Bit(std::strerror(errno));
  return result;
}

}  // namespace scoreink
