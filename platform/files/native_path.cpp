#include "platform/files/native_path.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <cstdlib>

namespace scoreink {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

bool IsEscape(const QString& text, qsizetype i) {
  const char16_t c = text[i].unicode();
  return c >= 0xDC80 && c <= 0xDCFF && (i == 0 || !text[i - 1].isHighSurrogate());
}

// Length of the valid UTF-8 sequence at p (at most n bytes), 0 when there is none.
int ValidSequence(const uchar* p, qsizetype n) {
  const uchar b = p[0];
  if (b < 0x80) return 1;
  int length = 0;
  char32_t code = 0;
  if (b >= 0xC2 && b <= 0xDF)
    length = 2, code = b & 0x1F;
  else if (b >= 0xE0 && b <= 0xEF)
    length = 3, code = b & 0x0F;
  else if (b >= 0xF0 && b <= 0xF4)
    length = 4, code = b & 0x07;
  else
    return 0;
  if (n < length) return 0;
  for (int k = 1; k < length; ++k) {
    if ((p[k] & 0xC0) != 0x80) return 0;
    code = (code << 6) | (p[k] & 0x3F);
  }
  // Overlong forms, surrogates and code points past U+10FFFF are no valid UTF-8.
  if ((length == 3 && code < 0x800) || (length == 4 && (code < 0x10000 || code > 0x10FFFF)) ||
      (code >= 0xD800 && code <= 0xDFFF))
    return 0;
  return length;
}

}  // namespace

QString PathFromNative(const QByteArray& bytes) {
  const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
  const qsizetype n = bytes.size();
  QString path;
  path.reserve(n);
  qsizetype start = 0;  // of the valid run not yet appended
  for (qsizetype i = 0; i < n;) {
    const int length = ValidSequence(p + i, n - i);
    if (length > 0) {
      i += length;
      continue;
    }
    path += QString::fromUtf8(bytes.constData() + start, i - start);
    path += QChar(char16_t(kEscapeBase + p[i]));
    start = ++i;
  }
  path += QString::fromUtf8(bytes.constData() + start, n - start);
  return path;
}

QByteArray NativePath(const QString& path) {
  QByteArray bytes;
  qsizetype start = 0;
  for (qsizetype i = 0; i < path.size(); ++i) {
    if (!IsEscape(path, i)) continue;
    bytes += path.mid(start, i - start).toUtf8();
    bytes += char(path[i].unicode() - kEscapeBase);
    start = i + 1;
  }
  return start == 0 ? path.toUtf8() : bytes + path.mid(start).toUtf8();
}

QString DisplayedPath(const QString& path) {
  QString shown = path;
  for (qsizetype i = 0; i < shown.size(); ++i)
    if (IsEscape(path, i)) shown[i] = QChar::ReplacementCharacter;
  return shown;
}

PathKind KindOfPath(const QString& path) {
  struct stat info;
  if (path.isEmpty() || ::stat(NativePath(path).constData(), &info) != 0) return PathKind::Missing;
  if (S_ISDIR(info.st_mode)) return PathKind::Folder;
  return S_ISREG(info.st_mode) ? PathKind::RegularFile : PathKind::Other;
}

namespace {

// The path with every link in its folders resolved, as the system resolves it; empty when
// the path does not exist.
QString RealPath(const QString& path) {
  char* real = ::realpath(NativePath(path).constData(), nullptr);
  if (!real) return QString();
  const QString resolved = PathFromNative(QByteArray(real));
  ::free(real);
  return resolved;
}

// Where a link's target points, read as the system reads it: relative to the link's folder,
// and ".." going up from where a folder of the target really is, not from how it is spelt.
// The last name stays unresolved (it may not exist, and may be a link itself).
QString TargetOnDisk(const QString& link, const QString& target) {
  const QString joined = QDir::isAbsolutePath(target)
                             ? target
                             : QFileInfo(link).absolutePath() + QLatin1Char('/') + target;
  const qsizetype slash = joined.lastIndexOf(QLatin1Char('/'));
  const QString name = joined.mid(slash + 1);
  if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) {
    const QString real = RealPath(joined);
    return real.isEmpty() ? QDir::cleanPath(joined) : real;
  }
  const QString folder = slash > 0 ? joined.left(slash) : QStringLiteral("/");
  QString real = RealPath(folder);
  if (real.isEmpty()) real = QDir::cleanPath(folder);
  return real.endsWith(QLatin1Char('/')) ? real + name : real + QLatin1Char('/') + name;
}

}  // namespace

QString FollowLinks(const QString& path) {
  QString current = path;
  // As many links as the system itself follows before it gives up on a loop.
  for (int hop = 0; hop < 40; ++hop) {
    const QByteArray native = NativePath(current);
    struct stat info;
    if (::lstat(native.constData(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
    QByteArray target(qsizetype(info.st_size > 0 ? info.st_size : 4096) + 1, '\0');
    const ssize_t got = ::readlink(native.constData(), target.data(), size_t(target.size()));
    if (got <= 0 || got >= target.size()) return current;
    target.truncate(got);
    current = TargetOnDisk(current, PathFromNative(target));
  }
  return current;
}

}  // namespace scoreink
