#include "platform/ui/program_handoff.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

namespace scoreink {

namespace {

// What the copy that runs answers once it has taken a path.
constexpr char kTaken[] = "taken\n";
// A path is one line of UTF-8; longer lines are no path of ours.
constexpr qint64 kMaxLine = 1 << 16;

}  // namespace

QString HandoffName(const QString& dataFolder) {
  const QByteArray digest =
      QCryptographicHash::hash(dataFolder.toUtf8(), QCryptographicHash::Sha1).toHex();
  return QStringLiteral("scoreink-%1-%2").arg(::getuid()).arg(QString::fromLatin1(digest.left(16)));
}

bool HandToRunningCopy(const QString& name, const QString& path, int timeoutMs) {
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(timeoutMs)) return false;
  socket.write(path.toUtf8() + '\n');
  if (!socket.waitForBytesWritten(timeoutMs)) return false;
  while (!socket.canReadLine()) {
    if (!socket.waitForReadyRead(timeoutMs)) return false;
  }
  return socket.readLine() == kTaken;
}

HandoffListener::HandoffListener(const QString& name, QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)) {
  // Only this user may hand files over.
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(name)) {
    QLocalServer::removeServer(name);
    server_->listen(name);
  }
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        if (!socket->canReadLine()) {
          if (socket->bytesAvailable() > kMaxLine) socket->abort();
          return;
        }
        const QString path = QString::fromUtf8(socket->readLine(kMaxLine)).chopped(1);
        socket->write(kTaken);
        socket->flush();
        socket->disconnectFromServer();
        // Opened after this handler: the open asks questions and reads in loops of its own.
        QMetaObject::invokeMethod(
            this, [this, path] { emit FileHanded(path); }, Qt::QueuedConnection);
      });
    }
  });
}

bool HandoffListener::Listening() const {
  return server_->isListening();
}

}  // namespace scoreink
