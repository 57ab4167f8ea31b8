#pragma once
// What the program keeps beside its executable: the work folder "TmpWork" with the numbered
// history steps, the lifted-block file "CCTmp.bmp", the remembered picture folder
// "PixDir.txt", the custom symbol folder "OpPIX" and the recovery copy.
//
// Paths use "/"; folder texts ending in "/" say so in their name (...WithSlash).
#include <QString>
#include <QStringList>

namespace scoreink {

// Where the work files live. The executable's folder is the first choice; when it cannot be
// written (a system-wide install), or the work folder cannot be made in it (a file named
// "TmpWork" in the way), this install's per-user data folder takes its place with the same
// file names, so that no edit is dropped for want of a snapshot.
//
// The custom symbols and the remembered folder are read from both folders, the per-user one
// winning, so that what was written there while the executable's folder was read-only is not
// lost once it can be written again, and what was put beside the executable is not missed
// while it cannot.
struct WorkPlaces {
  QString exeFolder;   // the executable's folder, with a trailing "/"
  QString dataFolder;  // folder of TmpWork, CCTmp.bmp, PixDir.txt and OpPIX, trailing "/"
  // This install's folder in the user's data folder, trailing "/": its own for every folder
  // the program is started from, so that two installs never share a work folder or a lock.
  // Made only when it becomes the data folder.
  QString userFolder;

  QString WorkFolder() const { return dataFolder + "TmpWork"; }  // no trailing "/"
  QString BlockFile() const { return dataFolder + "CCTmp.bmp"; }
  QString PixDirFile() const { return dataFolder + "PixDir.txt"; }
  QString SymbolFolder() const { return dataFolder + "OpPIX"; }  // no trailing "/"
  // Where the symbols and the remembered folder are read from, the one that wins first.
  QStringList SymbolFolders() const { return ReadOrder("OpPIX"); }
  QStringList PixDirFiles() const { return ReadOrder("PixDir.txt"); }
  // The recovery copy of a score with unsaved edits, kept until the program closes normally:
  // in the data folder, or in this install's per-user folder when the data folder's cannot be
  // written (no trailing "/"; the first one preferred).
  QString RecoveryFolder() const { return dataFolder + "Recovery"; }
  QStringList RecoveryFolders() const;
  // Where the file dialogs open when nothing is remembered: the executable's folder without
  // its trailing "/" (the user's home folder when the executable's folder is read-only).
  QString DefaultPictureFolder() const;

 private:
  QStringList ReadOrder(const QString& name) const;
};

// The per-user data folder (QStandardPaths::AppLocalDataLocation), created if needed, with a
// trailing "/".
QString UserDataFolder();

// exeFolderWithSlash when a file can be created there and the work folder made, else this
// install's folder in the per-user data folder (QStandardPaths::AppLocalDataLocation, created
// if needed).
WorkPlaces ResolveWorkPlaces(const QString& exeFolderWithSlash);

// Deletes workFolder with everything in it if it exists; then, when recreate, creates it
// empty. True when every step succeeded.
bool ResetWorkFolder(const QString& workFolder, bool recreate);

// The remembered picture folder: the one line of pixDirFile when it names an existing folder;
// otherwise defaultFolder, which is then written into pixDirFile. Never creates the folder.
QString LoadPictureFolder(const QString& pixDirFile, const QString& defaultFolder);
// The same over several files (WorkPlaces::PixDirFiles): the first that names an existing
// folder gives it. The folder then lives on in pixDirFile, the one written from now on: it is
// written there when it came from another file, and a file ahead of pixDirFile in readOrder is
// removed so that it cannot hide later writes.
QString LoadPictureFolder(const QStringList& readOrder, const QString& pixDirFile,
                          const QString& defaultFolder);

// Creates pixDirFile anew holding folder (UTF-8, no line terminator). True on success.
bool RememberPictureFolder(const QString& pixDirFile, const QString& folder);

// folder + "/Tmp" + n + ".bmp", n in decimal without leading zeros.
QString SnapshotPath(const QString& folder, int n);

}  // namespace scoreink
