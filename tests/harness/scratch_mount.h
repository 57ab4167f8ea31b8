#pragma once
// Folders for the tests of failed writes: a small file system of its own (a full disk), and a
// folder that refuses new files. Both need help from the system: mounting needs root, and
// root is not stopped by file permissions, so each says whether it could be made.
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace scoreink::test {

// A tmpfs mounted for one test and unmounted after it (needs root; mounted() says).
class ScratchMount {
 public:
  // On a temporary folder of its own.
  explicit ScratchMount(const QString& options);
  // Over an existing folder (what it held is hidden until the end of the test).
  ScratchMount(const QString& at, const QString& options);
  ~ScratchMount();
  ScratchMount(const ScratchMount&) = delete;
  ScratchMount& operator=(const ScratchMount&) = delete;

  bool mounted() const { return mounted_; }
  QString path() const { return path_; }
  bool MakeReadOnly();

 private:
  QTemporaryDir dir_;
  QString path_;
  bool mounted_ = false;
};

// A folder that Protect() makes refuse every write: its permissions for an ordinary user, a
// read-only mount as root. usable() is false when neither can be had here.
class ProtectedFolder {
 public:
  // A temporary folder of its own.
  ProtectedFolder();
  // An existing empty folder (as root it is mounted over).
  explicit ProtectedFolder(const QString& at);
  // Gives the folder its write permission back, so that it can be removed.
  ~ProtectedFolder();
  ProtectedFolder(const ProtectedFolder&) = delete;
  ProtectedFolder& operator=(const ProtectedFolder&) = delete;

  bool usable() const { return !folder_.isEmpty(); }
  const QString& path() const { return folder_; }
  bool Protect();

 private:
  QTemporaryDir plain_;
  std::unique_ptr<ScratchMount> disk_;  // as root
  QString folder_;
};

}  // namespace scoreink::test
