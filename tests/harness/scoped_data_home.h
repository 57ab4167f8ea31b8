#pragma once
// Points the per-user data folder (XDG_DATA_HOME) at a folder of the test's own while it lives.
#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace scoreink::test {

class ScopedDataHome {
 public:
  explicit ScopedDataHome(const QString& folder) : old_(qgetenv("XDG_DATA_HOME")) {
    qputenv("XDG_DATA_HOME", folder.toLocal8Bit());
  }
  ~ScopedDataHome() {
    if (old_.isNull())
      qunsetenv("XDG_DATA_HOME");
    else
      qputenv("XDG_DATA_HOME", old_);
  }
  ScopedDataHome(const ScopedDataHome&) = delete;
  ScopedDataHome& operator=(const ScopedDataHome&) = delete;

 private:
  QByteArray old_;
};

}  // namespace scoreink::test
