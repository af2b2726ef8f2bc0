#include "AudioOutput.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>
#include <QtDebug>
#include <cmath>

#if defined(__SANITIZE_THREAD__)
#include <sanitizer/tsan_interface.h>
// Qt's event queue orders the posting of an event before its delivery, but it is
// not built for the race checker, which must be told.
#define BW_HANDED_OVER(p) __tsan_release(p)
#define BW_TAKEN_OVER(p) __tsan_acquire(p)
#else
#define BW_HANDED_OVER(p) ((void)(p))
#define BW_TAKEN_OVER(p) ((void)(p))
#endif

#include "InputExchange.h"
#include "AudioException.h"

namespace {

// Carries the serial of the call it was posted for: the creating thread may have
// run that call already while waiting in Settle or Quit.
class TCallEvent : public QEvent {
 public:
  explicit TCallEvent(std::uint64_t serial)
      : QEvent(QEvent::Type(TAudioOutput::CallEventType())), Serial(serial) {}
  const std::uint64_t Serial;
};

}  // namespace

class TAudioOutput::TCallContext : public QObject {
 public:
  explicit TCallContext(TAudioOutput* output) : Output_(output) {}
  bool event(QEvent* e) override {
    BW_TAKEN_OVER(e);
    if (e->type() != CallEventType()) return QObject::event(e);
    Output_->RunPostedCall(static_cast<TCallEvent*>(e)->Serial);
    return true;
  }

 private:
  TAudioOutput* Output_;
};

int TAudioOutput::CallEventType() {
  static const int type = QEvent::registerEventType();
  return type;
}

TAudioOutput::TAudioOutput(TComponent* owner)
    : TComponent(owner), Thread(std::make_unique<TAudioThread>(this)), Context_(std::make_unique<TCallContext>(this)) {
  Thread->ExceptionHandler = [this](const std::exception& e) { HandleThreadException(e); };
  Thread->SuspendWhenIdle = true;
  Thread->Start();
}

TAudioOutput::~TAudioOutput() { ShutdownWorker(); }

void TAudioOutput::ShutdownWorker() {
  if (Thread) Thread->Quit();
}

namespace {

void Guarded(const std::function<void()>& call) {
  try {
    call();
  } catch (const std::exception& e) {
    qWarning("audio event handler failed: %s", e.what());
  } catch (...) {
    qWarning("audio event handler failed");
  }
}

}  // namespace

void TAudioOutput::CallOnOwnerThread(const std::function<void()>& call) {
  if (QThread::currentThread() == Context_->thread()) {
    Guarded(call);
    return;
  }
  std::unique_lock l(CallMx_);
  PendingCall_ = &call;
  CallState_ = TCallState::Handed;
  auto* event = new TCallEvent(++CallSerial_);
  BW_HANDED_OVER(event);
  QCoreApplication::postEvent(Context_.get(), event);
  HandOver_.notify_all();  // the creating thread may be waiting in Settle or Quit
  HandOver_.wait(l, [this] { return CallState_ == TCallState::None; });
}

void TAudioOutput::RunPostedCall(std::uint64_t serial) {
  std::unique_lock l(CallMx_);
  if (CallState_ == TCallState::Handed && serial == CallSerial_) RunHandedCall(l);
}

void TAudioOutput::RunHandedCall(std::unique_lock<std::mutex>& l) {
  const std::function<void()>* call = PendingCall_;
  CallState_ = TCallState::Running;
  l.unlock();
  Guarded(*call);
  l.lock();
  PendingCall_ = nullptr;
  CallState_ = TCallState::None;
  HandOver_.notify_all();
}

void TAudioOutput::Serve(std::unique_lock<std::mutex>& l, const std::function<bool()>& done) {
  const bool owner = QThread::currentThread() == Context_->thread();
  for (;;) {
    HandOver_.wait(l, [&] { return done() || (owner && CallState_ == TCallState::Handed); });
    if (done()) return;
    RunHandedCall(l);
  }
}

void TAudioOutput::EnterPass() {
  std::lock_guard l(CallMx_);
  InPass_ = true;
  ++Passes_;
}

void TAudioOutput::LeavePass() {
  {
    std::lock_guard l(CallMx_);
    InPass_ = false;
  }
  HandOver_.notify_all();
}

void TAudioOutput::WorkerEnded() {
  {
    std::lock_guard l(CallMx_);
    WorkerGone_ = true;
  }
  HandOver_.notify_all();
}

void TAudioOutput::ServeUntilWorkerGone() {
  std::unique_lock l(CallMx_);
  Serve(l, [this] { return WorkerGone_; });
}

void TAudioOutput::Settle() {
  std::unique_lock l(CallMx_);
  // The pass under way now, if any; a worker that goes straight on to its next
  // pass has left this one all the same.
  const std::uint64_t pass = Passes_;
  Serve(l, [this, pass] { return !InPass_ || Passes_ != pass; });
}

void TAudioOutput::Run() {
  if (Busy) throw EAudioException("Component is Busy");
  if (!Input_.load()) throw EAudioException("Input is not assigned");
  try {
    PrepareOutput();
    Busy = true;
    Thread->StopRequest = false;
    CanOutput = true;
    Thread->ResumeThread();
  } catch (const std::exception& e) {
    HandleThreadException(e);
  }
}

void TAudioOutput::Stop() {
  Thread->StopRequest = true;
  Thread->Wake();  // an idle worker that is not suspended ends with the done event
}

void TAudioOutput::Pause() {
  if (!Thread->Suspended()) Thread->Suspend();
}

void TAudioOutput::Resume() {
  if (Thread->Suspended()) Thread->ResumeThread();
}

TOutputStatus TAudioOutput::Status() const {
  if (!Busy) return TOutputStatus::Idle;
  return Thread->Suspended() ? TOutputStatus::Paused : TOutputStatus::Active;
}

int TAudioOutput::Progress() const {
  TAudioInput* input = Input_.load();
  if (!input) return 0;
  const std::int64_t size = input->Size, position = input->Position;
  if (size == -1) return -1;
  if (size == 0) return 0;
  // nearbyint rounds half to even in the default rounding mode.
  return static_cast<int>(std::nearbyint(static_cast<double>(position) / double(size) * 100.0));
}

void TAudioOutput::FinishRun() {
  if (Busy) {
    CanOutput = false;
    FinishOutput();
    Busy = false;
  }
}

void TAudioOutput::HandleThreadException(const std::exception& e) {
  if (Status() != TOutputStatus::Idle) {
    try {
      FinishOutput();
    } catch (...) {
    }
  }
  CanOutput = false;
  Busy = false;
  if (OnThreadException) OnThreadException(this, e);
}

void TAudioOutput::SetInput(TAudioInput* value) {
  ExchangeInput(Input_, InputLock, Busy, value, this);
  if (!Busy) Thread->Wake();  // an idle worker that is not suspended reports the new input's progress
}

void TAudioOutput::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove) ForgetInput(Input_, InputLock, component);
  TComponent::Notification(component, operation);
}
