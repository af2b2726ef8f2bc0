#pragma once
#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

class TAudioOutput;

// The worker thread of one output. Suspending is cooperative: the worker stops
// before its next step and waits until it is resumed.
class TAudioThread {
 public:
  explicit TAudioThread(TAudioOutput* output);
  ~TAudioThread();

  TAudioOutput* const Output;
  std::atomic<bool> SuspendWhenIdle{true};
  std::atomic<bool> QuitRequest{false};
  std::atomic<bool> StopRequest{false};
  std::function<void(const std::exception&)> ExceptionHandler;
  std::mutex Lock;  // held by the worker for each pass of its loop

  void Start();
  bool Suspended() const;
  void Suspend();
  void ResumeThread();
  // Asks the worker to end and waits for it, delivering its pending calls to
  // the GUI thread meanwhile so neither waits for the other.
  void Quit();

 private:
  void Execute();
  void SuspendSelfWhenIdle();

  mutable std::mutex StateMx_;
  std::condition_variable Wake_;
  bool Suspended_ = true;
  std::atomic<bool> Exited_{false};
  std::thread Thread_;
};
