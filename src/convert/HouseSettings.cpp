#include "HouseSettings.h"

#include "MP3Out.h"

void ApplyHouseSettings(TMP3Out& sink) {
  sink.SetSuspendWhenIdle(true);
  sink.SetFileMode(TFileOutputMode::foRewrite);
  sink.BitRate = TMP3BitRate::br192;
  sink.Quality = TMP3Quality::ql2;
  sink.SampleRate = TMP3SampleRate::sr41kHz;
  sink.Original = false;
  sink.VBRQuality = TMP3Quality::ql2;
}
