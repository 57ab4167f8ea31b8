#include "platform/picture_files/save_notes.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QUuid>
#include <cerrno>
#include <climits>

#include "platform/picture_files/rewrite_keeper.h"

namespace scoreink {

namespace {

constexpr int kHexDigits = 8;

bool IsLowerHex(const QString& text) {
  for (const QChar c : text)
    if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
          (c >= QLatin1Char('a') && c <= QLatin1Char('f'))))
      return false;
  return true;
}

// The bytes of the file open at fd, at most limit of them.
QByteArray ReadUpTo(int fd, qsizetype limit) {
  QByteArray bytes(limit, '\0');
  qsizetype got = 0;
  while (got < limit) {
    const ssize_t n = ::read(fd, bytes.data() + got, size_t(limit - got));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += n;
  }
  bytes.truncate(got);
  return bytes;
}

// The new file a note names, when it still is what a save of ours makes: a plain file (not a
// link, nor a folder) under a name of that form.
bool IsLeftover(const QByteArray& path) {
  const QString name = QFile::decodeName(path.mid(path.lastIndexOf('/') + 1));
  struct stat info;
  return path.startsWith('/') && IsTemporarySiblingName(name) &&
         ::lstat(path.constData(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

QString TemporarySiblingName(const QString& targetName, quint32 number) {
  return QLatin1Char('.') + targetName + QLatin1Char('.') +
         QStringLiteral("%1").arg(number, kHexDigits, 16, QLatin1Char('0'));
}

bool IsTemporarySiblingName(const QString& name, const QString& targetName) {
  const qsizetype dot = name.size() - kHexDigits - 1;
  if (dot < 2 || !name.startsWith(QLatin1Char('.')) || name[dot] != QLatin1Char('.') ||
      !IsLowerHex(name.mid(dot + 1)))
    return false;
  return targetName.isEmpty() || name.mid(1, dot - 1) == targetName;
}

bool SaveNote::Name(const QString& newFile) {
  if (fd_ < 0) {
    const QString folder = RewriteKeepFolder();
    if (folder.isEmpty() || !QDir().mkpath(folder)) return false;
    for (int attempt = 0; attempt < 4 && fd_ < 0; ++attempt) {
      path_ = folder + QLatin1Char('/') + QUuid::createUuid().toString(QUuid::WithoutBraces) +
              QStringLiteral(".save");
      fd_ =
          ::open(QFile::encodeName(path_).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
      if (fd_ < 0) continue;
      // Held before it says anything. A start that cleared the folder between the open and the
      // flock has removed this note: a new one then.
      struct stat info;
      if (::flock(fd_, LOCK_EX) == 0 && ::fstat(fd_, &info) == 0 && info.st_nlink > 0) break;
      End();
    }
    if (fd_ < 0) return false;
  }
  const QByteArray text = QFile::encodeName(newFile);
  return ::ftruncate(fd_, 0) == 0 &&
         ::pwrite(fd_, text.constData(), size_t(text.size()), 0) == ssize_t(text.size());
}

void SaveNote::End() {
  if (fd_ < 0) return;
  // Removed while still held, so that no start takes it for the note of a killed save.
  ::unlink(QFile::encodeName(path_).constData());
  ::close(fd_);
  fd_ = -1;
  path_.clear();
}

void RemoveLeftoversOfInterruptedSaves() {
  const QString folder = RewriteKeepFolder();
  if (folder.isEmpty()) return;
  const QDir notes(folder);
  for (const QString& name : notes.entryList({QStringLiteral("*.save")}, QDir::Files)) {
    const QByteArray note = QFile::encodeName(notes.filePath(name));
    const int fd = ::open(note.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) continue;
    // A note that some process holds belongs to a save still running.
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      const QByteArray leftover = ReadUpTo(fd, 2 * PATH_MAX);
      if (IsLeftover(leftover)) ::unlink(leftover.constData());
      ::unlink(note.constData());
    }
    ::close(fd);
  }
}

}  // namespace scoreink
