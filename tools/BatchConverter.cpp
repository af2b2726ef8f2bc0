#include "BatchConverter.h"

#include <QEventLoop>
#include <QTimer>
#include <atomic>
#include <memory>
#include <mutex>

#include "DX9In.h"
#include "MP3Out.h"
#include "TaskOps.h"

struct TBatchConverter::TJob {
  TMP3Out Sink;
  std::unique_ptr<TDX9In> Source;
  int Index = -1;
  // Set by the sink's handlers, on the GUI thread or the worker; the GUI thread
  // completes the job on its next look.
  std::atomic<bool> Ended{false};
  std::mutex FailureMx;
  QString Failure;
};

std::atomic<bool> TBatchConverter::Interrupt{false};

TBatchConverter::TBatchConverter(int jobs, const std::function<void(TMP3Out&)>& configure) {
  for (int i = 0; i < std::max(jobs, 1); ++i) {
    auto job = std::make_unique<TJob>();
    TJob* j = job.get();
    configure(j->Sink);
    j->Sink.OnDone = [j](TComponent*) { j->Ended = true; };
    j->Sink.OnThreadException = [j](TComponent*, const std::exception& e) {
      {
        std::lock_guard l(j->FailureMx);
        j->Failure = QString::fromUtf8(e.what());
      }
      j->Ended = true;
    };
    Jobs_.push_back(std::move(job));
  }
}

TBatchConverter::~TBatchConverter() = default;

void TBatchConverter::Run(const std::vector<const TTask*>& tasks,
                          const std::function<void(int, const TConvertResult&)>& ended,
                          const std::function<void(int, int)>& progress) {
  std::size_t next = 0;
  int running = 0;
  QEventLoop loop;

  auto start = [&](TJob& job) {
    const TTask& task = *tasks[next];
    job.Index = int(next++);
    job.Ended = false;
    {
      std::lock_guard l(job.FailureMx);
      job.Failure.clear();
    }
    job.Source = std::make_unique<TDX9In>();
    job.Source->FileName = task.SrcFile;
    ++running;
    try {
      job.Source->OpenFile();  // held until the source goes, as the progress window does
    } catch (const std::exception& e) {
      std::lock_guard l(job.FailureMx);
      job.Failure = QString::fromUtf8(e.what());
      job.Ended = true;
      return;
    }
    TMP3Settings settings = job.Sink.Settings();
    TMP3Tags tags;
    ApplyTaskToEncoder(task, settings, tags);
    job.Sink.ApplySettings(settings);
    job.Sink.ApplyTags(tags);
    job.Sink.FileName = task.DstFile;
    job.Sink.SetInput(job.Source.get());
    job.Sink.Run();  // a failure to start arrives through the handler
  };

  auto complete = [&](TJob& job) {
    job.Sink.Settle();  // its handlers have returned
    TConvertResult result;
    {
      std::lock_guard l(job.FailureMx);
      result.Failure = job.Failure;
    }
    job.Sink.SetInput(nullptr);
    if (result.Failure.isEmpty()) result.Shortfall = job.Source->Shortfall();
    if (job.Source->Reader()) result.SkippedPackets = job.Source->Reader()->SkippedPackets();
    result.Note = QString::fromStdString(job.Sink.CoverNote());
    job.Source.reset();
    --running;
    const int index = job.Index;
    job.Index = -1;
    ended(index, result);
  };

  QTimer poll;
  poll.setInterval(10);
  bool interrupted = false;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (Interrupt && !interrupted) {
      interrupted = true;
      next = tasks.size();
      for (auto& job : Jobs_)
        if (job->Index >= 0) {
          job->Sink.DiscardRun();
          job->Sink.Stop();
        }
    }
    TJob* lowest = nullptr;
    for (auto& job : Jobs_) {
      if (job->Index >= 0 && job->Ended) {
        if (interrupted) {
          job->Sink.Settle();
          job->Sink.SetInput(nullptr);
          job->Source.reset();
          job->Index = -1;
          --running;
        } else {
          complete(*job);
        }
      }
      if (job->Index < 0 && next < tasks.size()) start(*job);
      if (job->Index >= 0 && (!lowest || job->Index < lowest->Index)) lowest = job.get();
    }
    if (progress && lowest && lowest->Source && lowest->Source->Size > 0)
      progress(lowest->Index, int(100 * lowest->Source->Position / lowest->Source->Size));
    if (running == 0 && next >= tasks.size()) loop.quit();
  });
  poll.start();
  loop.exec();
}
