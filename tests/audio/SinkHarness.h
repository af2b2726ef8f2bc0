#pragma once
#include <QTest>
#include <atomic>
#include <mutex>
#include <string>

#include "MP3Out.h"

// Drives one sink the way the progress window does, counting what arrives.
// The failure handler runs on the worker thread, so what it records is guarded.
struct SinkHarness {
  TMP3Out sink;
  TMP3OutSettings settings;  // given to the sink with the tags at each Run
  TMP3Tags tags;
  int done = 0;
  std::atomic<int> failures{0};
  std::mutex failureMx;
  std::string lastFailure;

  SinkHarness() {
    sink.OnDone = [this](TComponent*) { ++done; };
    sink.OnThreadException = [this](TComponent*, const std::exception& e) {
      {
        std::lock_guard l(failureMx);
        lastFailure = e.what();
      }
      ++failures;
    };
  }
  void Run() {
    sink.SetSettings(settings);
    sink.SetTags(tags);
    sink.Run();
  }
  std::string Failure() {
    std::lock_guard l(failureMx);
    return lastFailure;
  }
  bool WaitIdle(int ms = 30000) {
    return QTest::qWaitFor([&] { return sink.Status() == TOutputStatus::Idle && (done || failures); }, ms);
  }
};
