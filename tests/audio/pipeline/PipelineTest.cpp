#include <QCoreApplication>
#include <QThread>
#include <gtest/gtest.h>
#include <semaphore>

#include "AudioOutput.h"
#include "ToneInput.h"

namespace {

// A sink that reads its input to the end and writes nothing; each step is
// counted, and the step that finds the end is announced.
class StepSink : public TAudioOutput {
 public:
  ~StepSink() override { ShutdownWorker(); }

  std::atomic<int> Steps{0};
  std::counting_semaphore<> Stepped{0};
  std::binary_semaphore Ended{0};

 protected:
  bool OutputStep(bool abort) override {
    ++Steps;
    Stepped.release();
    if (!CanOutput) return true;
    if (abort) return false;
    char buffer[4096];
    int n = 0;
    {
      std::lock_guard guard(InputLock);
      if (TAudioInput* in = Input()) n = in->ReadData(buffer, sizeof buffer);
    }
    if (n <= 0) Ended.release();
    return n > 0;
  }
  void PrepareOutput() override { Input()->OpenInput(); }
  void FinishOutput() override { Input()->CloseInput(); }
};

// The worker hands its done call to this thread and waits for it; waiting for
// the worker here, in Settle or in the destructor, runs that call at once, with
// no event loop turning, and the event posted for it later does nothing.
TEST(PipelineTest, TheCreatingThreadRunsTheDoneCallWhileItWaitsForTheWorker) {
  for (const bool destroy : {false, true}) {
    SCOPED_TRACE(destroy);
    ToneInput tone(8000, 1, 0.05);
    int done = 0;
    QThread* doneOn = nullptr;
    {
      StepSink sink;
      sink.OnDone = [&](TComponent*) {
        ++done;
        doneOn = QThread::currentThread();
      };
      sink.SetInput(&tone);
      sink.Run();
      sink.Ended.acquire();  // the worker now finishes the run and hands over its done call
      if (!destroy) {
        sink.Settle();
        EXPECT_EQ(done, 1);
        EXPECT_EQ(sink.Status(), TOutputStatus::Idle);
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(done, 1);
      }
    }
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(done, 1);
    EXPECT_EQ(doneOn, QThread::currentThread());
    EXPECT_EQ(tone.Closes, 1);
  }
}

// Idle, the worker does not go round on its own: it passes once when resumed
// and once for a Stop, which ends with the done event.
TEST(PipelineTest, AnIdleWorkerPassesOnceForEachResumeAndStop) {
  for (const bool suspendWhenIdle : {true, false}) {
    SCOPED_TRACE(suspendWhenIdle);
    StepSink sink;
    sink.SetSuspendWhenIdle(suspendWhenIdle);
    int done = 0;
    sink.OnDone = [&](TComponent*) { ++done; };
    sink.Resume();
    sink.Stepped.acquire();
    sink.Settle();  // so the Stop comes after that pass
    sink.Stop();
    sink.Stepped.acquire();
    sink.Settle();
    EXPECT_EQ(done, 1);
    EXPECT_EQ(sink.Steps, 2);
    EXPECT_EQ(sink.Status(), TOutputStatus::Idle);
  }
}

}  // namespace
