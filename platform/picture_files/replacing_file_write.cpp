#include "platform/picture_files/replacing_file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/files/device_write.h"
#include "platform/files/native_path.h"
#include "platform/picture_files/picture_messages.h"
#include "platform/picture_files/rewrite_keeper.h"
#include "platform/picture_files/save_notes.h"

namespace scoreink {

namespace {

// Opens a new hidden file beside path; the file system's default permissions apply. The note
// names each file before it is made, and never a file that was there already.
bool OpenSibling(const QFileInfo& target, QFile& file, SaveNote& note) {
  for (int attempt = 0; attempt < 8; ++attempt) {
    const QString name =
        target.absolutePath() + QLatin1Char('/') +
        TemporarySiblingName(target.fileName(), QRandomGenerator::global()->generate());
    const QFileInfo taken(name);
    if (taken.exists() || taken.isSymLink()) continue;
    note.Name(name);
    file.setFileName(name);
    // Readable too: a TIFF writer reads back the link of its last page to add the next.
    if (file.open(QIODevice::ReadWrite | QIODevice::NewOnly)) return true;
    if (file.error() != QFileDevice::OpenError || !QFileInfo(target.absolutePath()).isDir())
      return false;  // anything but a name clash will not go away by trying again
  }
  return false;
}

// The user's word that the file stays as it is. The superuser may write anything, but a file
// that nobody may write is still refused as it is for everybody else.
bool WriteProtected(const QString& path, const struct stat& info) {
  if (::geteuid() == 0) return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
  return ::access(NativePath(path).constData(), W_OK) != 0;
}

// The new file takes the old one's owner (where allowed: for the superuser) and permissions.
void KeepOwnerAndMode(const QString& newFile, const struct stat& old) {
  const QByteArray name = QFile::encodeName(newFile);
  if (::chown(name.constData(), old.st_uid, old.st_gid) != 0) {
    // Only the superuser gives a file away; everybody else keeps it as their own.
  }
  ::chmod(name.constData(), old.st_mode & 07777);
}

// Removes what earlier saves of this very file left beside it when they were killed between
// opening their new file and renaming it (".<name>.<8 hex digits>"); nothing else.
void RemoveLeftSiblings(const QFileInfo& target) {
  QDir folder(target.absolutePath());
  const QString prefix = QStringLiteral(".") + target.fileName() + QLatin1Char('.');
  for (const QString& name : folder.entryList({prefix + QStringLiteral("????????")},
                                              QDir::Files | QDir::Hidden | QDir::System)) {
    if (IsTemporarySiblingName(name, target.fileName())) folder.remove(name);
  }
}

// Reserves the disk space for size bytes of the file without changing the file: its size and
// its bytes stay as they are. 0, or the error that refused the reservation; where the file
// system cannot reserve past the end of a file, the file grows into the space instead (zeros
// after the old bytes), also when that fails partway.
int ReserveSpace(int fd, qint64 size) {
  if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, size) == 0) return 0;
  if (errno != EOPNOTSUPP && errno != ENOSYS) return errno;
  return posix_fallocate(fd, 0, size);
}

// Writes, flushes and closes, checking each step.
QString WriteAndClose(QFile& file, const std::function<QString(QIODevice&)>& write) {
  QString reason = write(file);
  if (reason.isEmpty() && !file.flush()) reason = ReasonWriteFailed(file);
  file.close();
  if (reason.isEmpty() && file.error() != QFileDevice::NoError) reason = ReasonWriteFailed(file);
  return reason;
}

}  // namespace

QString OverwriteInPlace(const QString& path, const std::function<QString(QIODevice&)>& write) {
  // The new bytes are made in memory first; then the old file is copied away, and only then
  // is the space for the new bytes reserved and the first old byte overwritten. A refusal at
  // any of these steps leaves the old file byte for byte as it was.
  QBuffer buffer;
  buffer.open(QIODevice::ReadWrite);
  if (QString reason = write(buffer); !reason.isEmpty()) return reason;
  const QByteArray& bytes = buffer.data();
  QFile file(path);
  if (!file.open(QIODevice::ReadWrite)) return ReasonOpenForWrite(file);
  // Until the new bytes are whole and on disk, a copy of the old file waits elsewhere.
  KeptOriginal original;
  if (!original.Keep(path, bytes))
    return QStringLiteral("元のファイルの控えを作れないので、上書きしなかった");
  const qint64 oldSize = file.size();
  if (const int error = ReserveSpace(file.handle(), qMax<qint64>(bytes.size(), 1))) {
    // A file that grew into the space is cut back to its old bytes, else put back from the copy.
    if (file.size() == oldSize || file.resize(oldSize))
      original.Drop();
    else
      original.PutBack();
    const QString detail = QString::fromLocal8Bit(std::strerror(error));
    return error == ENOSPC ? QStringLiteral("ディスクの空きが足りない (%1)").arg(detail)
                           : QStringLiteral("書き込みに失敗した (%1)").arg(detail);
  }
  QString reason;
  if (!WriteFully(file, bytes.constData(), bytes.size()) || !file.flush() ||
      !file.resize(bytes.size()) || ::fsync(file.handle()) != 0)
    reason = ReasonWriteFailed(file);
  file.close();
  if (reason.isEmpty() && file.error() != QFileDevice::NoError) reason = ReasonWriteFailed(file);
  // A rewrite that failed midway is put back from the copy at once (or at the next start).
  if (reason.isEmpty())
    original.Drop();
  else
    original.PutBack();
  return reason;
}

QString WriteReplacingFile(const QString& requested,
                           const std::function<QString(QIODevice&)>& write) {
  // A symbolic link is written through: the file it points to gets the new bytes, and the
  // link stays a link.
  const QString path = FollowLinks(requested);
  const QFileInfo target(path);
  if (KindOfPath(path) == PathKind::Folder) return QStringLiteral("同じ名前のフォルダがある");
  if (KindOfPath(target.absolutePath()) != PathKind::Folder)
    return QStringLiteral("保存先のフォルダが見つからない");
  struct stat old;
  const bool exists = ::stat(NativePath(path).constData(), &old) == 0;
  // The new file would replace a write-protected one as easily as any other: the
  // protection is the user's word that this file stays as it is.
  if (exists && WriteProtected(path, old)) return ReasonWriteProtected();
  RemoveLeftSiblings(target);
  SaveNote note;  // ends, with the note, when the new file has been renamed or removed
  QFile temp;
  if (!OpenSibling(target, temp, note)) {
    note.End();
    if (exists) return OverwriteInPlace(path, write);
    return ReasonOpenForWrite(temp);
  }
  QString reason = WriteAndClose(temp, write);
  if (reason.isEmpty() && exists) KeepOwnerAndMode(temp.fileName(), old);
  if (reason.isEmpty()) {
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(temp.fileName()).toStdString(),
                            NativePath(path).toStdString(), error);
    if (error)
      reason = QStringLiteral("ファイルを置き換えられない (%1)")
                   .arg(QString::fromLocal8Bit(error.message()));
  }
  if (!reason.isEmpty()) temp.remove();
  return reason;
}

}  // namespace scoreink
