#include "EngineOptions.h"

TEngineOptions TEngineOptions::FromSettings(const TDefaultSettings& settings) {
  TEngineOptions o;
  o.Existing = settings.ExistingOutput;
  o.KeepFileTime = settings.KeepFileTime;
  o.ReplayGain = settings.ReplayGain;
  o.Verify = settings.VerifyOutput;
  o.TrashSources = settings.TrashSources;
  o.Jobs = settings.ParallelJobs;
  o.Split = settings.SplitFiles;
  return o;
}
