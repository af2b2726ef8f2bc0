#include "InstanceChannel.h"

#include "NativePath.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

TInstanceChannel::TInstanceChannel(QObject* parent) : QObject(parent), Server_(new QLocalServer(this)) {
  Server_->setSocketOptions(QLocalServer::UserAccessOption);
}

QString TInstanceChannel::SocketPath() {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty()) dir = QDir::tempPath();
  return dir + "/brindlewave.socket";
}

bool TInstanceChannel::HandOver(const QStringList& files) {
  QLocalSocket socket;
  socket.connectToServer(SocketPath());
  if (!socket.waitForConnected(1000)) return false;
  QByteArray data;
  // Each name's own bytes, ended by NUL: the one byte no file name holds.
  for (const QString& f : files) data += NativePath(NativeAbsolutePath(f)) + '\0';
  socket.write(data);
  const bool sent = socket.waitForBytesWritten(3000) || socket.bytesToWrite() == 0;
  socket.disconnectFromServer();
  if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(1000);
  return sent;
}

bool TInstanceChannel::Listen(std::function<void(const QStringList&)> received) {
  Received_ = std::move(received);
  if (!Server_->listen(SocketPath())) {
    // A socket left by a program that is gone: nobody answers on it.
    QLocalSocket probe;
    probe.connectToServer(SocketPath());
    if (probe.waitForConnected(300)) return false;  // another program listens
    QLocalServer::removeServer(SocketPath());
    if (!Server_->listen(SocketPath())) return false;
  }
  connect(Server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = Server_->nextPendingConnection()) {
      auto* buffer = new QByteArray;
      connect(socket, &QLocalSocket::readyRead, socket, [socket, buffer] { *buffer += socket->readAll(); });
      connect(socket, &QLocalSocket::disconnected, this, [this, socket, buffer] {
        *buffer += socket->readAll();
        QStringList files;
        for (const QByteArray& name : buffer->split('\0'))
          if (!name.isEmpty()) files << PathFromNative(name);
        delete buffer;
        socket->deleteLater();
        if (!files.isEmpty() && Received_) Received_(files);
      });
    }
  });
  return true;
}
