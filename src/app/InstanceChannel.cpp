#include "InstanceChannel.h"

#include <QDir>
#include <QFileInfo>
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
  for (const QString& f : files) data += QFileInfo(f).absoluteFilePath().toUtf8() + '\n';
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
        for (const QByteArray& line : buffer->split('\n'))
          if (!line.isEmpty()) files << QString::fromUtf8(line);
        delete buffer;
        socket->deleteLater();
        if (!files.isEmpty() && Received_) Received_(files);
      });
    }
  });
  return true;
}
