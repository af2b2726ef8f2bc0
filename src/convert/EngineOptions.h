#pragma once
#include "DefaultSettings.h"

// How the conversion engine runs: one set for the windows and the command line.
struct TEngineOptions {
  // An output name that already stands: numbered, skipped when complete and not
  // older than its input, or written over.
  TExistingOutput Existing = TExistingOutput::Number;
  bool KeepFileTime = false;  // each MP3 gets its input's modification time
  TReplayGainMode ReplayGain = TReplayGainMode::None;
  bool Verify = true;         // each MP3 made is decoded to its end before it counts
  bool TrashSources = false;  // each input whose MP3 was made whole goes to the trash
  int Jobs = 0;               // conversions at once; 0: one for each processor core
  bool Split = true;          // cores the jobs leave free split long files

  static TEngineOptions FromSettings(const TDefaultSettings& settings);
};
