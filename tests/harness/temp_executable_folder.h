#pragma once
// A temporary folder that the program takes for its executable's folder while the object
// lives, so that TmpWork, PixDir.txt, CCTmp.bmp and OpPIX of a test never touch the real ones.
#include <QString>
#include <QTemporaryDir>
#include <optional>

namespace scoreink::test {

class TempExecutableFolder {
 public:
  // A new temporary folder, or `existing` (with "/"), which is then left in place: a second
  // start of the program in the same folder, as after a crash.
  explicit TempExecutableFolder(const QString& existing = {});
  // Puts back the folder that was in force before and removes this one with its contents.
  ~TempExecutableFolder();
  TempExecutableFolder(const TempExecutableFolder&) = delete;
  TempExecutableFolder& operator=(const TempExecutableFolder&) = delete;

  // The folder with a trailing "/".
  const QString& Path() const { return path_; }
  // Path() + relative.
  QString File(const QString& relative) const { return path_ + relative; }
  // Writes bytes to File(relative), creating folders on the way; false on failure.
  bool Write(const QString& relative, const QByteArray& bytes) const;

 private:
  std::optional<QTemporaryDir> dir_;
  QString path_;
  QString previous_;
};

}  // namespace scoreink::test
