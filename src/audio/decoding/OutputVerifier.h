#pragma once
#include <atomic>
#include <string>

// Plays a finished MP3 through libavformat/libavcodec with every check the
// decoder has, each fatal, and counts what it decodes: a file a player would
// stop in, skip through or end early shows here, not on the listener's side.
class TOutputVerifier {
 public:
  // Why the file at `path` does not decode cleanly to exactly `samples` per
  // channel; empty when it does, and when `stop` was set on the way (then nothing
  // is known). A file without gapless information (no Info frame) may hold up to
  // the encoder's delay and padding more.
  static std::string Check(const std::string& path, long long samples, const std::atomic<bool>* stop = nullptr);
};
