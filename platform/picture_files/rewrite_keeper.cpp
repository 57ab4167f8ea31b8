#include "platform/picture_files/rewrite_keeper.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include "platform/files/device_write.h"

namespace scoreink {

namespace {

QString& KeepFolder() {
  static QString folder;
  return folder;
}

QByteArray Fingerprint(const QByteArray& bytes) {
  return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// Writes bytes to path and makes sure they are on disk before it returns true.
bool WriteDurably(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const bool ok = WriteFully(file, bytes.constData(), bytes.size()) && file.flush() &&
                  ::fsync(file.handle()) == 0;
  file.close();
  return ok && file.error() == QFileDevice::NoError;
}

// The note of a kept copy: the target's path, the size and fingerprint of its new bytes.
struct Note {
  QString target;
  qint64 size = -1;
  QByteArray fingerprint;
};

QByteArray NoteText(const Note& note) {
  return note.target.toUtf8() + '\n' + QByteArray::number(note.size) + '\n' + note.fingerprint;
}

bool ReadNote(const QString& path, Note& note) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QList<QByteArray> lines = file.readAll().split('\n');
  if (lines.size() != 3) return false;
  bool ok = false;
  note.target = QString::fromUtf8(lines[0]);
  note.size = lines[1].toLongLong(&ok);
  note.fingerprint = lines[2];
  return ok && !note.target.isEmpty();
}

bool RewriteCompleted(const Note& note) {
  QFile target(note.target);
  if (target.size() != note.size || !target.open(QIODevice::ReadOnly)) return false;
  return Fingerprint(target.readAll()) == note.fingerprint;
}

// Writes the old bytes back over the target, in place as the rewrite did.
bool WriteBack(const QString& copy, const QString& target) {
  QFile kept(copy);
  if (!kept.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = kept.readAll();
  QFile file(target);
  if (!file.open(QIODevice::ReadWrite)) return false;
  const bool ok = WriteFully(file, bytes.constData(), bytes.size()) && file.flush() &&
                  file.resize(bytes.size()) && ::fsync(file.handle()) == 0;
  file.close();
  return ok;
}

}  // namespace

void SetRewriteKeepFolder(const QString& folder) {
  KeepFolder() = folder;
}

QString RewriteKeepFolder() {
  return KeepFolder();
}

bool KeptOriginal::Keep(const QString& target, const QByteArray& newBytes) {
  const QString folder = KeepFolder();
  if (folder.isEmpty()) return true;
  if (!QDir().mkpath(folder)) return false;
  QFile old(target);
  if (!old.open(QIODevice::ReadOnly)) return false;
  const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
  copy_ = folder + QLatin1Char('/') + id + QStringLiteral(".orig");
  note_ = folder + QLatin1Char('/') + id + QStringLiteral(".note");
  // The copy first, then the note that makes it count: a note never points at half a copy.
  const Note note{QFileInfo(target).absoluteFilePath(), newBytes.size(), Fingerprint(newBytes)};
  // A copy that is not the whole old file could only put back less than was there.
  const QByteArray oldBytes = old.readAll();
  if (oldBytes.size() == old.size() && WriteDurably(copy_, oldBytes) &&
      WriteDurably(note_, NoteText(note)))
    return true;
  Drop();
  return false;
}

void KeptOriginal::Drop() {
  if (!note_.isEmpty()) QFile::remove(note_);
  if (!copy_.isEmpty()) QFile::remove(copy_);
  note_.clear();
  copy_.clear();
}

void KeptOriginal::PutBack() {
  Note facts;
  if (ReadNote(note_, facts) && WriteBack(copy_, facts.target)) Drop();
}

QStringList RestoreInterruptedRewrites() {
  QStringList restored;
  const QString folder = KeepFolder();
  if (folder.isEmpty()) return restored;
  QDir dir(folder);
  for (const QString& name : dir.entryList({QStringLiteral("*.note")}, QDir::Files)) {
    const QString note = dir.filePath(name);
    const QString copy = note.chopped(5) + QStringLiteral(".orig");
    Note facts;
    if (ReadNote(note, facts) && QFileInfo::exists(copy) && !RewriteCompleted(facts)) {
      if (!WriteBack(copy, facts.target)) continue;  // kept for the next start
      restored << facts.target;
    }
    QFile::remove(note);
    QFile::remove(copy);
  }
  // Copies whose note was never written belong to rewrites that never started.
  for (const QString& name : dir.entryList({QStringLiteral("*.orig")}, QDir::Files)) {
    if (!QFileInfo::exists(dir.filePath(name.chopped(5) + QStringLiteral(".note"))))
      QFile::remove(dir.filePath(name));
  }
  return restored;
}

}  // namespace scoreink
