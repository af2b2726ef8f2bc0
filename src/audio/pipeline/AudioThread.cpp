#include "AudioThread.h"

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
    PassWanted_ = true;
  }
  Wake_.notify_all();
}

void TAudioThread::Wake() {
  {
    std::lock_guard l(StateMx_);
    PassWanted_ = true;
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
  Output->ServeUntilWorkerGone();
  Thread_.join();
}

void TAudioThread::SuspendSelfWhenIdle() {
  std::lock_guard l(StateMx_);
  // A run started from inside the done handler keeps the worker going.
  if (SuspendWhenIdle && !Output->Busy) Suspended_ = true;
}

void TAudioThread::Execute() {
  for (;;) {
    {
      std::unique_lock l(StateMx_);
      // Busy is set before the Run that sets it asks for a pass, so it is seen here.
      Wake_.wait(l, [this] { return QuitRequest || (!Suspended_ && (PassWanted_ || Output->Busy)); });
      if (QuitRequest) break;
      PassWanted_ = false;
    }
    Output->EnterPass();
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
    Output->LeavePass();
  }
  QuitRequest = false;
  Output->WorkerEnded();
}
