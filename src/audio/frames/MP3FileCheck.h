#pragma once
#include <string>

// Reads an MP3 file's frames against the Info frame at its head: a file is
// complete when it holds exactly the frames and bytes that frame counts, each a
// whole Layer III frame. A file cut short, grown, or without an Info frame (not
// one of ours, or not finished) is not.
class TMP3FileCheck {
 public:
  struct TResult {
    bool Complete = false;
    long long Samples = 0;  // per channel, the encoder's delay and padding taken off
    int SampleRate = 0;
    double Seconds() const { return SampleRate > 0 ? double(Samples) / SampleRate : 0; }
  };
  static TResult Read(const std::string& path);
};
