#pragma once
// A second start of the program for the same user and work places does not open a second
// window: it hands the file it was given (or nothing) to the copy that runs, whose window comes
// to the front and opens it, and ends. The copies meet on a local socket named after the user
// and the work places.
#include <QObject>
#include <QString>

class QLocalServer;

namespace scoreink {

// The socket's name for the work places in dataFolder (with its trailing "/").
QString HandoffName(const QString& dataFolder);

// Gives path (absolute; empty: only come to the front) to the copy listening on name. True when
// that copy took it; false when none listens or it did not answer within timeoutMs.
bool HandToRunningCopy(const QString& name, const QString& path, int timeoutMs = 3000);

// Listens on name for the files a second start hands over (a socket a copy that ended without
// closing left behind is taken over: the caller holds the work places' lock).
class HandoffListener : public QObject {
  Q_OBJECT

 public:
  HandoffListener(const QString& name, QObject* parent);
  bool Listening() const;

 signals:
  // A second start handed over path (empty: it was given no file).
  void FileHanded(const QString& path);

 private:
  QLocalServer* server_;
};

}  // namespace scoreink
