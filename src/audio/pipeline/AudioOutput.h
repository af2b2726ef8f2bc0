#pragma once
#include <QObject>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>

#include "AudioInput.h"
#include "AudioThread.h"
#include "DoneCarrier.h"

using TOutputProgressEvent = std::function<void(TComponent* sender)>;
using TThreadExceptionEvent = std::function<void(TComponent* sender, const std::exception& e)>;

enum class TOutputStatus : std::uint8_t { Active = 0, Paused = 1, Idle = 2 };

// A sink that pulls PCM from its input on its own worker thread, one step at a time.
class TAudioOutput : public TComponent {
 public:
  explicit TAudioOutput(TComponent* owner = nullptr);
  ~TAudioOutput() override;

  std::atomic<bool> CanOutput{false};
  std::atomic<int> LastProgress{0};
  TOutputDoneEvent OnDone;
  TOutputProgressEvent OnProgress;
  TThreadExceptionEvent OnThreadException;
  std::atomic<bool> Busy{false};
  // Held, each time by a scoped guard of the thread that takes it, around one read
  // from the input (the worker) or one exchange of it (SetInput, or the input
  // going away), so the input is never swapped or freed under a read.
  std::mutex InputLock;

  TAudioInput* Input() const { return Input_.load(); }
  virtual void SetInput(TAudioInput* value);
  bool SuspendWhenIdle() const { return Thread->SuspendWhenIdle; }
  void SetSuspendWhenIdle(bool value) { Thread->SuspendWhenIdle = value; }

  void Run();
  void Stop();
  void Pause();
  void Resume();
  TOutputStatus Status() const;
  int Progress() const;
  // Waits until the worker is out of its current pass, so the handlers of a run
  // that has ended have returned and may be changed. On the creating thread it
  // runs the calls the worker hands over meanwhile, without the event loop.
  void Settle();

  // The event that carries the worker's calls to the creating thread.
  static int CallEventType();

 protected:
  friend class TAudioThread;
  friend class TDoneCarrier;

  virtual bool OutputStep(bool abort) = 0;
  virtual void FinishOutput() = 0;
  virtual void PrepareOutput() = 0;

  void Notification(TComponent* component, TOperation operation) override;
  void HandleThreadException(const std::exception& e);
  void FinishRun();
  // Hands `call` to the thread that created the output and waits until it has run:
  // there through a posted event, or at once when that thread waits in Settle or
  // in the worker's Quit.
  void CallOnOwnerThread(const std::function<void()>& call);
  // Ends the worker; the most derived destructor calls it before its own parts go.
  void ShutdownWorker();

  std::unique_ptr<TAudioThread> Thread;

 private:
  class TCallContext;
  enum class TCallState : std::uint8_t { None, Handed, Running };

  // The worker marks its passes and its end, for Settle and Quit to wait on.
  void EnterPass();
  void LeavePass();
  void WorkerEnded();
  void ServeUntilWorkerGone();
  // Waits on HandOver_ until `done` holds, running each call handed over
  // meanwhile when this is the creating thread. `done` is read under CallMx_.
  void Serve(std::unique_lock<std::mutex>& l, const std::function<bool()>& done);
  void RunPostedCall(std::uint64_t serial);
  void RunHandedCall(std::unique_lock<std::mutex>& l);

  std::atomic<TAudioInput*> Input_{nullptr};
  std::unique_ptr<QObject> Context_;  // lives on the creating thread
  // One call at a time is handed over; the hand-over is ours, not the event
  // queue's, so the race checker sees the order it makes. HandOver_ is signalled
  // when a call is handed over, when it has run, when a pass ends and when the
  // worker ends: the worker and a waiting creating thread each wait on it.
  std::mutex CallMx_;
  std::condition_variable HandOver_;
  const std::function<void()>* PendingCall_ = nullptr;
  TCallState CallState_ = TCallState::None;
  std::uint64_t CallSerial_ = 0;  // of the call handed over last; an event for an older one is stale
  bool InPass_ = false;
  std::uint64_t Passes_ = 0;  // passes begun
  bool WorkerGone_ = false;
};
