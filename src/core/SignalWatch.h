#pragma once
#include <QObject>

class QSocketNotifier;

// Turns SIGINT and SIGTERM into a signal on the thread that created the watch:
// the handler only writes a byte to a socket the event loop watches. One watch
// in a process.
class TSignalWatch : public QObject {
  Q_OBJECT
 public:
  explicit TSignalWatch(QObject* parent = nullptr);
  ~TSignalWatch() override;

 signals:
  // Once, for the first signal.
  void Received();

 private:
  QSocketNotifier* Notifier_ = nullptr;
};
