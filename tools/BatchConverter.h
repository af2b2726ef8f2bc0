#pragma once
#include <QString>
#include <atomic>
#include <functional>
#include <vector>

#include "BlockingConverter.h"
#include "Task.h"

class TMP3Out;

// Converts tasks through up to `jobs` sinks at once, each with its own worker
// thread, starting them in list order. Runs the caller's event loop until all
// have ended.
class TBatchConverter {
 public:
  // `configure` sets up each sink once (quality, rates), as the program does.
  TBatchConverter(int jobs, const std::function<void(TMP3Out&)>& configure);
  ~TBatchConverter();
  TBatchConverter(const TBatchConverter&) = delete;
  TBatchConverter& operator=(const TBatchConverter&) = delete;

  // `ended(index, result)` is called on this thread as each task ends, in the
  // order they end. `progress(percent)` follows the task with the lowest index
  // while it runs.
  void Run(const std::vector<const TTask*>& tasks, const std::function<void(int, const TConvertResult&)>& ended,
           const std::function<void(int index, int percent)>& progress = {});

  // Set from anywhere, a signal handler included: the running conversions are
  // ended and their files discarded, no new one starts, and Run returns.
  static std::atomic<bool> Interrupt;

 private:
  struct TJob;
  std::vector<std::unique_ptr<TJob>> Jobs_;
};
