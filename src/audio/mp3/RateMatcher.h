#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "SampleFormat.h"

class TFrameConverter;
class TMP3StreamEncoder;

// Brings a file at another rate than its MP3's to that rate before the encoder,
// never in it: parts meet on the frame grid of the output, and a file split or
// whole comes out the same length, in * out / in rate samples, rounded to the
// nearest.
class TRateMatcher {
 public:
  // `name` names the file in errors.
  TRateMatcher(const std::string& name, int channels, TSampleFormat format, int inRate, int outRate);
  ~TRateMatcher();
  TRateMatcher(const TRateMatcher&) = delete;
  TRateMatcher& operator=(const TRateMatcher&) = delete;

  // Resamples `samples` per channel and hands them on to `to`. The layout must
  // stay the one given at the start.
  void Push(const void* pcm, int samples, int channels, TSampleFormat format, TMP3StreamEncoder& to);
  // Hands on what the resampler holds back, cut or made up with silence to the length rule.
  void Finish(TMP3StreamEncoder& to);

 private:
  void Hand(bool last, TMP3StreamEncoder& to);

  std::unique_ptr<TFrameConverter> Converter_;
  int Channels_;
  TSampleFormat Format_;
  int InRate_;
  std::vector<std::uint8_t> Out_;
  long long In_ = 0, Handed_ = 0;  // samples per channel into the resampler and out of it
};
