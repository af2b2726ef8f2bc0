#pragma once
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "ConvertResult.h"

class TLoudnessMeter;
struct TTask;

// The checks of a run's written MP3s: each is decoded on a thread of its own
// while the next file encodes, its back half on a core the conversions leave
// free, if one is. Also tells whether an output already there is complete.
class TOutputChecks {
 public:
  struct TCheck {
    int Index = -1;  // the task
    TConvertResult Result;
    std::unique_ptr<TLoudnessMeter> Meter;  // for the album, once the file has passed
    bool Uncut = false;  // its conversion ran to its end unasked
    std::string Problem;  // why it does not play to its end; empty when it does, or when stopped
  };

  // `ended` is called on a check's own thread as it ends.
  explicit TOutputChecks(std::function<void()> ended) : Ended_(std::move(ended)) {}
  ~TOutputChecks();  // stops the checks and waits for them
  TOutputChecks(const TOutputChecks&) = delete;
  TOutputChecks& operator=(const TOutputChecks&) = delete;

  // Starts checking that the MP3 `check` names plays to exactly its EncodedSamples;
  // false, `check` left as it was, when no thread is to be had.
  bool Start(TCheck& check);
  // The checks that have ended, their threads joined and a failed one's result
  // made a failure; with `all`, the others are stopped and waited for first.
  std::vector<TCheck> TakeEnded(bool all);
  bool Empty() const { return Running_.empty(); }
  // Whether a check is under way for a task `of` picks by its index.
  bool Any(const std::function<bool(int index)>& of) const;

  // The task's output is there, complete and not older than its input.
  static bool UpToDate(const TTask& task);

 private:
  struct TRunning {
    TCheck Check;
    std::atomic<bool> Stop{false};
    std::thread Thread;
  };
  std::function<void()> Ended_;
  // Touched on the owner's thread only; each check's thread writes its own
  // Problem and then hands its record over through Done_, the owner joining it
  // before it reads the record.
  std::vector<std::unique_ptr<TRunning>> Running_;
  std::mutex DoneMx_;
  std::vector<TRunning*> Done_;
};
