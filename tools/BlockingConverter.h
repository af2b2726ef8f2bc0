#pragma once
#include <QString>
#include <functional>

#include "Task.h"

class TMP3Out;

struct TConvertResult {
  QString Failure;        // why no MP3 was made; empty when it was
  QString Shortfall;      // the MP3 was made but holds less than the input states
  int SkippedPackets = 0; // damaged stretches passed over
  QString Note;           // what was left out of the MP3 (a cover picture), for the user
  // What keeps the file from counting as converted; empty when nothing does.
  QString Problem() const { return Failure.isEmpty() ? Shortfall : Failure; }
};

// Converts one task through the decoding source and the MP3 sink, running the
// caller's event loop until the sink is done. `progress` gets the per cent as it
// changes.
TConvertResult ConvertTask(const TTask& task, TMP3Out& sink, const std::function<void(int)>& progress = {});
