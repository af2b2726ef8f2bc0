#include "BlockingConverter.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <atomic>
#include <exception>
#include <mutex>

#include "DX9In.h"
#include "MP3Out.h"
#include "TaskOps.h"

TConvertResult ConvertTask(const TTask& task, TMP3Out& sink, const std::function<void(int)>& progress) {
  TDX9In source;
  source.FileName = task.SrcFile;
  TConvertResult result;
  try {
    source.OpenFile();  // held until the source goes, like the progress window does
  } catch (const std::exception& e) {
    result.Failure = QString::fromUtf8(e.what());
    return result;
  }
  TMP3Settings settings = sink.Settings();
  TMP3Tags tags;
  ApplyTaskToEncoder(task, settings, tags);
  sink.ApplySettings(settings);
  sink.ApplyTags(tags);
  sink.FileName = task.DstFile;
  sink.SetInput(&source);

  QEventLoop loop;
  std::atomic<bool> finished{false};
  std::mutex failureMx;
  QString failure;
  sink.OnDone = [&](TComponent*) {
    finished = true;
    loop.quit();
  };
  // Reported on the thread that caught it; the loop is quit from the GUI thread.
  sink.OnThreadException = [&](TComponent*, const std::exception& e) {
    {
      std::lock_guard l(failureMx);
      failure = QString::fromUtf8(e.what());
    }
    finished = true;
    QMetaObject::invokeMethod(&loop, "quit", Qt::QueuedConnection);
  };
  sink.OnProgress = [&](TComponent*) {
    if (progress) progress(sink.LastProgress);
  };
  sink.Run();
  if (!finished) loop.exec();
  sink.Settle();  // the handlers above have returned before they are cleared
  sink.OnDone = nullptr;
  sink.OnThreadException = nullptr;
  sink.OnProgress = nullptr;
  sink.SetInput(nullptr);
  {
    std::lock_guard l(failureMx);
    result.Failure = failure;
  }
  if (failure.isEmpty()) result.Shortfall = source.Shortfall();
  if (source.Reader()) result.SkippedPackets = source.Reader()->SkippedPackets();
  result.Note = QString::fromStdString(sink.CoverNote());
  return result;
}
