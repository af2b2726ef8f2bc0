#pragma once
#include <QObject>
#include <QStringList>
#include <functional>

class QLocalServer;

// One program per user: a later start hands its files to the one already
// running, through a local socket in the user's runtime folder.
class TInstanceChannel : public QObject {
  Q_OBJECT
 public:
  explicit TInstanceChannel(QObject* parent = nullptr);

  // The socket's path.
  static QString SocketPath();
  // Gives `files` to a running program; false when none answers.
  static bool HandOver(const QStringList& files);
  // Takes files from later starts, handing each batch to `received`.
  bool Listen(std::function<void(const QStringList&)> received);

 private:
  QLocalServer* Server_;
  std::function<void(const QStringList&)> Received_;
};
