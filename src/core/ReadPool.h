#pragma once
#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "TaskReader.h"

// Reads a list of files on a pool of threads, one per core, while the window goes
// on; the results are taken in the order given, each as soon as it and those
// before it are read.
class QSocketNotifier;

class TReadPool : public QObject {
  Q_OBJECT
 public:
  // `threads` 0: one for each processor core.
  TReadPool(std::vector<TReadRequest> files, const TTaskReader& reader, int threads = 0, QObject* parent = nullptr);
  ~TReadPool() override;  // stops, and waits for the reads under way

  // False when no thread could be started.
  bool Start();
  // No further file is begun; what was read before it can still be taken.
  void Stop();
  bool Stopped() const { return Stop_.load(); }

  // The next result in the order given, when it is read; false while it is not yet.
  bool TakeNext(TReadResult& result);
  // Every result there will be has been taken: all files, or all read before a Stop.
  bool Drained();
  int Taken() const { return Taken_; }
  int Total() const { return int(Files_.size()); }

  // Called on a reading thread before file `index` is read; lets a test hold the pool there.
  static std::function<void(int index)> ReadHook;

 signals:
  // More can be taken, or the reading has ended; sent at most once per turn of the
  // event loop, so take all there is.
  void Ready();

 private:
  void Run();
  void Tell();

  const std::vector<TReadRequest> Files_;
  const TTaskReader Reader_;
  int Threads_;
  std::vector<std::thread> Workers_;
  std::atomic<std::size_t> Next_{0};
  std::atomic<bool> Stop_{false};
  // Readers tell the window through an eventfd: a hand-over the race checker can
  // follow, unlike Qt's event queue; its counter folds many reads into one wake.
  int WakeFd_ = -1;
  QSocketNotifier* Wake_ = nullptr;
  std::mutex Mx_;
  std::vector<TReadResult> Results_;  // under Mx_
  std::vector<char> Done_;            // under Mx_
  int Running_ = 0;                   // reading threads still at work, under Mx_
  int Taken_ = 0;                     // the window's alone
};
