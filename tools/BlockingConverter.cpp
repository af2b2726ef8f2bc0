#include "BlockingConverter.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <exception>

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
  QString& failure = result.Failure;
  bool finished = false;
  sink.OnDone = [&](TComponent*) {
    finished = true;
    loop.quit();
  };
  // Reported on the thread that caught it; the loop is quit from the GUI thread.
  sink.OnThreadException = [&](TComponent*, const std::exception& e) {
    const QString text = QString::fromUtf8(e.what());
    QMetaObject::invokeMethod(&loop, [&, text] {
      failure = text;
      finished = true;
      loop.quit();
    }, Qt::QueuedConnection);
  };
  sink.OnProgress = [&](TComponent*) {
    if (progress) progress(sink.LastProgress);
  };
  sink.Run();
  if (!finished) loop.exec();
  QCoreApplication::sendPostedEvents(&loop);
  sink.OnDone = nullptr;
  sink.OnThreadException = nullptr;
  sink.OnProgress = nullptr;
  sink.SetInput(nullptr);
  if (failure.isEmpty()) result.Shortfall = source.Shortfall();
  if (source.Reader()) result.SkippedPackets = source.Reader()->SkippedPackets();
  return result;
}
