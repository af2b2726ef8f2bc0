#pragma once
#include <QObject>
#include <QStringList>
#include <atomic>
#include <functional>
#include <vector>

#include "FolderScan.h"

class QThread;

// Looks for the audio files under some folders on a thread of its own, so the
// windows keep working; tells how many it has found as it goes and can be stopped.
class TFolderSearch : public QObject {
  Q_OBJECT
 public:
  explicit TFolderSearch(const QStringList& roots, QObject* parent = nullptr);
  ~TFolderSearch() override;  // stops the search and waits for its thread

  // False when the thread could not be started (Finished is not sent then).
  bool Start();
  // Ends the search soon; what was found so far is kept.
  void Stop();
  bool Stopped() const { return Stop_.load(); }
  // Valid after Finished: each root's files, in the order of the roots.
  const std::vector<std::vector<TFoundFile>>& Found() const { return Found_; }
  // Files found so far, in all the roots.
  int Count() const { return Count_.load(); }

  // Called on the searching thread after each file found; lets a test hold the search at a point.
  static std::function<void(int found)> FoundHook;

 signals:
  // The count has grown; sent at most once per turn of the window's event loop, read Count() for it.
  void Progress();
  void Finished();

 private:
  void Run();

  const QStringList Roots_;
  std::vector<std::vector<TFoundFile>> Found_;
  QThread* Thread_ = nullptr;
  std::atomic<bool> Stop_{false};
  std::atomic<int> Count_{0};
  std::atomic<bool> ProgressPending_{false};
};
