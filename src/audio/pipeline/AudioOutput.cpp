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

#include "AudioConverter.h"
#include "InputExchange.h"
#include "AudioException.h"

class TAudioOutput::TCallContext : public QObject {
 public:
  explicit TCallContext(TAudioOutput* output) : Output_(output) {}
  bool event(QEvent* e) override {
    BW_TAKEN_OVER(e);
    if (e->type() != CallEventType()) return QObject::event(e);
    Output_->RunPendingCall();
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
  auto* event = new QEvent(QEvent::Type(CallEventType()));
  BW_HANDED_OVER(event);
  QCoreApplication::postEvent(Context_.get(), event);
  CallDone_.wait(l, [this] { return PendingCall_ == nullptr; });
}

void TAudioOutput::RunPendingCall() {
  const std::function<void()>* call;
  {
    std::lock_guard l(CallMx_);
    call = PendingCall_;
  }
  if (!call) return;
  Guarded(*call);
  {
    std::lock_guard l(CallMx_);
    PendingCall_ = nullptr;
  }
  CallDone_.notify_all();
}

void TAudioOutput::Settle() {
  while (!Thread->Lock.try_lock()) {
    // The worker may be waiting for a call it handed to this thread.
    QCoreApplication::sendPostedEvents(Context_.get(), CallEventType());
    QThread::msleep(1);
  }
  Thread->Lock.unlock();
}

void TAudioOutput::Run() {
  if (Busy) throw EAudioException("Component is Busy");
  if (!Input_.load()) throw EAudioException("Input is not assigned");
  if (InputLock.IsLocked()) InputLock.Unlock();
  try {
    PrepareOutput();
    Busy = true;
    Thread->StopRequest = false;
    CanOutput = true;
    if (Thread->Suspended()) Thread->ResumeThread();
  } catch (const std::exception& e) {
    HandleThreadException(e);
  }
}

void TAudioOutput::Stop() { Thread->StopRequest = true; }

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
  if (InputLock.IsLocked()) InputLock.Unlock();
  if (Status() != TOutputStatus::Idle) {
    if (auto* converter = dynamic_cast<TAudioConverter*>(Input_.load())) {
      try {
        converter->UnlockChain();
      } catch (...) {
      }
    }
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
}

void TAudioOutput::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove) ForgetInput(Input_, InputLock, component);
  TComponent::Notification(component, operation);
}
