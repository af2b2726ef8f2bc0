// libFuzzer entry: each input runs through the probe, the source and the sink.

#include <QCoreApplication>
#include <cstdint>

extern "C" {
#include <libavutil/log.h>
}

#include "Globals.h"
#include "InputExercise.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static QCoreApplication app(*argc, *argv);
  av_log_set_level(AV_LOG_QUIET);
  InitAppGlobals(QCoreApplication::applicationFilePath());
  FillBitRateTable();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ExerciseInput(data, size);
  return 0;
}
