#include "BlockingConverter.h"

#include <QEventLoop>

#include "ConversionEngine.h"
#include "CoreBudget.h"
#include "MP3Out.h"

TConvertResult ConvertTask(const TTask& task, TMP3Out& sink, const std::function<void(int)>& progress) {
  TTask own = task;  // a run may rename its outputs; one task alone keeps its name
  TConversionEngine engine(&sink);
  engine.AutoStart = true;
  TConvertResult result;
  QEventLoop loop;
  QObject::connect(&engine, &TConversionEngine::JobEnded, [&result](int, const TConvertResult& r) { result = r; });
  QObject::connect(&engine, &TConversionEngine::Finished, &loop, &QEventLoop::quit);
  if (progress) QObject::connect(&engine, &TConversionEngine::JobProgress, [&progress](int, int p) { progress(p); });
  // Within whatever share of the cores is set already.
  engine.Begin({&own}, TCoreBudget::Jobs(), sink.Settings().SplitFiles);
  loop.exec();
  return result;
}
