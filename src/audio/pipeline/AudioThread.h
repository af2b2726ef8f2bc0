#pragma once
#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

class TAudioOutput;

// The worker thread of one output. It makes passes while its output is busy and
// not suspended; idle, it makes one pass for each Run, Stop or Resume (a Stop
// while idle still ends with the done event) and otherwise sleeps on its
// condition variable. Suspending is cooperative: the worker stops before its
// next pass and waits until it is resumed.
class TAudioThread {
 public:
  explicit TAudioThread(TAudioOutput* output);
  ~TAudioThread();

  TAudioOutput* const Output;
  std::atomic<bool> SuspendWhenIdle{true};
  std::atomic<bool> QuitRequest{false};
  std::atomic<bool> StopRequest{false};
  std::function<void(const std::exception&)> ExceptionHandler;

  void Start();
  bool Suspended() const;
  void Suspend();
  // Lifts a suspension and asks for a pass.
  void ResumeThread();
  // Asks for one pass: something the worker must look at has changed.
  void Wake();
  // Asks the worker to end and waits for it, running the calls it hands to this
  // thread meanwhile when this is the thread that created the output.
  void Quit();

 private:
  void Execute();
  void SuspendSelfWhenIdle();

  mutable std::mutex StateMx_;
  std::condition_variable Wake_;
  bool Suspended_ = true;
  bool PassWanted_ = false;  // a pass was asked for; taken by the next pass
  std::thread Thread_;
};
