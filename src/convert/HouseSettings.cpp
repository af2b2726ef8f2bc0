#include "HouseSettings.h"

#include "MP3Out.h"

void ApplyHouseSettings(TMP3Out& sink) {
  sink.SetSuspendWhenIdle(true);
  sink.SetFileMode(TFileOutputMode::foRewrite);
  TMP3OutSettings s = sink.Settings();
  s.BitRate = TMP3BitRate::br192;
  s.Quality = TMP3Quality::ql2;
  s.SampleRate = TMP3SampleRate::sr41kHz;
  s.Original = false;
  s.VBRQuality = TMP3Quality::ql2;
  sink.SetSettings(s);
}
