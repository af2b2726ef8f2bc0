#include "AudioThread.h"

#include <QCoreApplication>
#include <chrono>

#include "AudioException.h"
#include "AudioOutput.h"

TAudioThread::TAudioThread(TAudioOutput* output) : Output(output) {}

TAudioThread::~TAudioThread() { Quit(); }

void TAudioThread::Start() { Thread_ = std::thread([this] { Execute(); }); }

bool TAudioThread::Suspended() const {
  std::lock_guard l(StateMx_);
  return Suspended_;
}

void TAudioThread::Suspend() {
  std::lock_guard l(StateMx_);
  Suspended_ = true;
}

void TAudioThread::ResumeThread() {
  {
    std::lock_guard l(StateMx_);
    Suspended_ = false;
  }
  Wake_.notify_all();
}

void TAudioThread::Quit() {
  if (!Thread_.joinable()) return;
  {
    std::lock_guard l(StateMx_);
    QuitRequest = true;
  }
  Wake_.notify_all();
  while (!Exited_) {
    // The worker may be waiting for a call it handed to this thread.
    QCoreApplication::sendPostedEvents(nullptr, TAudioOutput::CallEventType());
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  Thread_.join();
}

void TAudioThread::SuspendSelfWhenIdle() {
  std::lock_guard l(StateMx_);
  // A run started from inside the done handler keeps the worker going.
  if (SuspendWhenIdle && !Output->Busy) Suspended_ = true;
}

void TAudioThread::Execute() {
  while (!QuitRequest) {
    {
      std::unique_lock l(StateMx_);
      Wake_.wait(l, [this] { return !Suspended_ || QuitRequest; });
      if (QuitRequest) break;
      if (!Output->Busy && !SuspendWhenIdle) {
        // Idle without suspending: the passes go on (progress, a Stop's done
        // event), gently rather than spinning a core.
        Wake_.wait_for(l, std::chrono::milliseconds(5));
        if (QuitRequest) break;
      }
    }
    std::lock_guard pass(Lock);
    try {
      try {
        const int progress = Output->Progress();
        if (progress != Output->LastProgress) {
          Output->LastProgress = Output->Progress();
          if (Output->OnProgress) Output->CallOnOwnerThread([this] { Output->OnProgress(Output); });
        }
        const bool more = Output->OutputStep(StopRequest);
        if (StopRequest || !more) {
          StopRequest = false;
          Output->FinishRun();
          TDoneCarrier(Output, Output->OnDone).Execute();
          SuspendSelfWhenIdle();
        }
      } catch (const std::exception& e) {
        StopRequest = false;
        if (ExceptionHandler) ExceptionHandler(e);
        SuspendSelfWhenIdle();
      } catch (...) {
        StopRequest = false;
        if (ExceptionHandler) ExceptionHandler(EAudioException("Unknown failure in the audio pipeline"));
        SuspendSelfWhenIdle();
      }
    } catch (...) {
      // A failing failure handler must not take the process down.
      Output->Busy = false;
      SuspendSelfWhenIdle();
    }
  }
  QuitRequest = false;
  Exited_ = true;
}
