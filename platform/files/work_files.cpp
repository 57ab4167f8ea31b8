#include "platform/files/work_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace scoreink {

namespace {

// A remembered folder line longer than this cannot be a real path; it only guards the read
// against a huge or damaged file.
constexpr qint64 kMaxPixDirLine = 32 * 1024;

bool FolderExists(const QString& folder) {
  const QFileInfo info(folder);
  return info.isDir();
}

}  // namespace

bool ResetWorkFolder(const QString& workFolder, bool recreate) {
  // An empty path would name the current folder: never delete that.
  if (workFolder.isEmpty()) return false;
  const QFileInfo info(workFolder);
  if (info.isSymLink()) {
    // Remove the link itself, never what it points at.
    if (!QFile::remove(workFolder)) return false;
  } else if (info.isDir()) {
    if (!QDir(workFolder).removeRecursively()) return false;
  }
  if (!recreate) return true;
  return QDir().mkdir(workFolder);
}

namespace {

// The folder that file remembers, empty when it names none that exists.
QString RememberedFolder(const QString& pixDirFile) {
  QFile file(pixDirFile);
  if (file.exists() && file.open(QIODevice::ReadOnly)) {
    QByteArray line = file.readLine(kMaxPixDirLine);
    const bool readFailed = file.error() != QFileDevice::NoError;
    file.close();
    // The program writes no terminator, but a line edited by hand may carry one.
    while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
    const QString folder = QString::fromUtf8(line);
    if (!readFailed && !folder.isEmpty() && QDir::isAbsolutePath(folder) && FolderExists(folder))
      return folder;
  }
  return QString();
}

}  // namespace

QString LoadPictureFolder(const QString& pixDirFile, const QString& defaultFolder) {
  return LoadPictureFolder(QStringList{pixDirFile}, pixDirFile, defaultFolder);
}

QString LoadPictureFolder(const QStringList& readOrder, const QString& pixDirFile,
                          const QString& defaultFolder) {
  for (const QString& file : readOrder) {
    const QString folder = RememberedFolder(file);
    if (folder.isEmpty()) continue;
    if (file != pixDirFile && RememberPictureFolder(pixDirFile, folder))
      for (qsizetype i = 0; i < readOrder.indexOf(pixDirFile); ++i) QFile::remove(readOrder[i]);
    return folder;
  }
  RememberPictureFolder(pixDirFile, defaultFolder);
  return defaultFolder;
}

bool RememberPictureFolder(const QString& pixDirFile, const QString& folder) {
  // Written beside and then renamed over the old file, so a full disk never leaves a
  // half-written line behind.
  QSaveFile file(pixDirFile);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const QByteArray bytes = folder.toUtf8();
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

QString SnapshotPath(const QString& folder, int n) {
  return folder + "/Tmp" + QString::number(n) + ".bmp";
}

}  // namespace scoreink
