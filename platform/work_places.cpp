// Choosing where the work files live: beside the executable when that folder can be written,
// else in the per-user data folder.
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "platform/install_layout.h"
#include "platform/work_files.h"

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

}  // namespace

QString UserDataFolder() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  if (folder.isEmpty()) folder = QDir::homePath() + "/.local/share/scoreink";
  QDir().mkpath(folder);
  return WithSlash(folder);
}

QString WorkPlaces::DefaultPictureFolder() const {
  // A read-only executable folder is no place to look for scores either.
  if (dataFolder != exeFolder) return QDir::homePath();
  if (exeFolder.size() > 1 && exeFolder.endsWith('/')) return exeFolder.chopped(1);
  return exeFolder;
}

WorkPlaces ResolveWorkPlaces(const QString& exeFolderWithSlash) {
  WorkPlaces places;
  places.exeFolder = WithSlash(exeFolderWithSlash);
  // An installed copy keeps its files in the user's data folder even where it could write.
  const bool besideExe = CanCreateFileIn(places.exeFolder) && !IsInstalledCopy(places.exeFolder);
  places.dataFolder = besideExe ? places.exeFolder : UserDataFolder();
  return places;
}

}  // namespace scoreink
