// Choosing where the work files live: beside the executable when that folder can be written and
// the work folder made in it, else in this install's folder of the per-user data folder.
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "platform/files/install_layout.h"
#include "platform/files/native_path.h"
#include "platform/files/work_files.h"

namespace scoreink {

namespace {

QString WithSlash(const QString& folder) {
  return folder.endsWith('/') ? folder : folder + '/';
}

// Whether a file can really be created there: permission bits alone do not tell (root,
// read-only mounts, access control lists).
bool CanCreateFileIn(const QString& folderWithSlash) {
  QTemporaryFile probe(folderWithSlash + "scoreink-probe-XXXXXX");
  return probe.open();  // removed again when probe goes out of scope
}

// The work folder can be (re)made at folderWithSlash + "TmpWork": nothing is in the way, or a
// folder (or a link to one) that takes files. Nothing of a copy that may be running is touched.
bool WorkFolderCanBeMade(const QString& folderWithSlash) {
  const QFileInfo work(folderWithSlash + "TmpWork");
  if (!work.exists() && !work.isSymLink()) return true;
  return work.isDir() && CanCreateFileIn(WithSlash(work.filePath()));
}

// The per-user data folder, with a trailing "/"; not made here.
QString UserDataBase() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  return WithSlash(folder.isEmpty() ? QDir::homePath() + "/.local/share/scoreink" : folder);
}

// This install's folder in the per-user data folder: the name of the executable's folder and
// a short digest of its whole path, so that two installs never share one.
QString UserFolderOf(const QString& exeFolderWithSlash) {
  const QByteArray digest =
      QCryptographicHash::hash(NativePath(exeFolderWithSlash), QCryptographicHash::Sha1).toHex();
  QString name = QFileInfo(exeFolderWithSlash.chopped(1)).fileName();
  name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));
  return UserDataBase() + (name.isEmpty() ? QStringLiteral("root") : name) + '-' +
         QString::fromLatin1(digest.left(12)) + '/';
}

}  // namespace

QString UserDataFolder() {
  const QString folder = UserDataBase();
  QDir().mkpath(folder);
  return folder;
}

QString WorkPlaces::DefaultPictureFolder() const {
  // A read-only executable folder is no place to look for scores either.
  if (dataFolder != exeFolder) return QDir::homePath();
  if (exeFolder.size() > 1 && exeFolder.endsWith('/')) return exeFolder.chopped(1);
  return exeFolder;
}

QStringList WorkPlaces::ReadOrder(const QString& name) const {
  QStringList order{userFolder + name};
  if (exeFolder != userFolder) order.append(exeFolder + name);
  return order;
}

QStringList WorkPlaces::RecoveryFolders() const {
  QStringList folders{RecoveryFolder()};
  if (userFolder != dataFolder && !userFolder.isEmpty()) folders.append(userFolder + "Recovery");
  return folders;
}

WorkPlaces ResolveWorkPlaces(const QString& exeFolderWithSlash) {
  WorkPlaces places;
  places.exeFolder = WithSlash(exeFolderWithSlash);
  places.userFolder = UserFolderOf(places.exeFolder);
  // An installed copy keeps its files in the user's data folder even where it could write.
  if (CanCreateFileIn(places.exeFolder) && !IsInstalledCopy(places.exeFolder) &&
      WorkFolderCanBeMade(places.exeFolder)) {
    places.dataFolder = places.exeFolder;
  } else {
    QDir().mkpath(places.userFolder);
    places.dataFolder = places.userFolder;
  }
  return places;
}

}  // namespace scoreink
